#include "tests/support/loopback_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace xpexam::testing {
namespace {

int BoundSocket(int& port) {
  int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) throw std::runtime_error("socket");
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof addr;
  if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) != 0)
    throw std::runtime_error("bind");
  port = ntohs(addr.sin_port);
  return fd;
}

void SendAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t w = ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
    if (w <= 0) return;
    done += static_cast<size_t>(w);
  }
}

}  // namespace

LoopbackServer::LoopbackServer(std::function<ScriptedReply(const std::string&)> handler)
    : handler_(std::move(handler)) {
  if (::pipe2(stop_pipe_, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
  listen_fd_ = BoundSocket(port_);
  if (::listen(listen_fd_, 16) != 0) throw std::runtime_error("listen");
  acceptor_ = std::thread([this] { AcceptLoop(); });
}

LoopbackServer::~LoopbackServer() {
  char c = 1;
  (void)!::write(stop_pipe_[1], &c, 1);
  acceptor_.join();
  for (auto& t : connections_) t.join();
  ::close(listen_fd_);
  ::close(stop_pipe_[0]);
  ::close(stop_pipe_[1]);
}

std::string LoopbackServer::url() const { return "http://127.0.0.1:" + std::to_string(port_); }

std::vector<std::string> LoopbackServer::targets() const {
  std::lock_guard lock(mutex_);
  return targets_;
}

bool LoopbackServer::Idle(int ms) const {
  pollfd p{stop_pipe_[0], POLLIN, 0};
  return ::poll(&p, 1, ms) == 0;
}

void LoopbackServer::AcceptLoop() {
  for (;;) {
    pollfd p[2] = {{listen_fd_, POLLIN, 0}, {stop_pipe_[0], POLLIN, 0}};
    if (::poll(p, 2, -1) < 0) continue;
    if (p[1].revents) return;
    int fd = ::accept4(listen_fd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) continue;
    // Only this thread touches connections_ until the destructor joins it.
    connections_.emplace_back([this, fd] { Serve(fd); });
  }
}

void LoopbackServer::Serve(int fd) {
  std::string request;
  while (request.find("\r\n\r\n") == std::string::npos) {
    pollfd p[2] = {{fd, POLLIN, 0}, {stop_pipe_[0], POLLIN, 0}};
    if (::poll(p, 2, -1) < 0 || p[1].revents) break;
    char buf[4096];
    ssize_t n = ::recv(fd, buf, sizeof buf, 0);
    if (n <= 0) break;
    request.append(buf, static_cast<size_t>(n));
  }
  size_t sp1 = request.find(' ');
  size_t sp2 = sp1 == std::string::npos ? sp1 : request.find(' ', sp1 + 1);
  if (sp2 != std::string::npos) {
    std::string target = request.substr(sp1 + 1, sp2 - sp1 - 1);
    {
      std::lock_guard lock(mutex_);
      targets_.push_back(target);
    }
    ScriptedReply reply = handler_(target);
    if (reply.delay_ms == 0 || Idle(reply.delay_ms)) {
      std::string head = "HTTP/1.1 " + std::to_string(reply.status) + " Scripted\r\n";
      size_t length = reply.body.size() + (reply.cut ? 100 : 0);
      head += "Content-Length: " + std::to_string(length) + "\r\nConnection: close\r\n";
      for (const auto& h : reply.headers) head += h + "\r\n";
      SendAll(fd, head + "\r\n" + reply.body);
    }
  }
  ::close(fd);
}

int ClosedPort() {
  int port = 0;
  int fd = BoundSocket(port);
  ::close(fd);
  return port;
}

}  // namespace xpexam::testing
