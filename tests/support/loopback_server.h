#pragma once
// A tiny HTTP server on 127.0.0.1 for tests: each connection gets one scripted reply.
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace xpexam::testing {

struct ScriptedReply {
  int status = 200;
  std::string body;
  std::vector<std::string> headers;  // extra header lines, e.g. "Location: /x"
  int delay_ms = 0;                  // wait before replying; -1: never reply
  bool cut = false;                  // announce more body than is sent, then close
};

class LoopbackServer {
 public:
  // The handler gets the request target ("/path?query") and says what to send back.
  explicit LoopbackServer(std::function<ScriptedReply(const std::string& target)> handler);
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  int port() const { return port_; }
  // "http://127.0.0.1:<port>"
  std::string url() const;
  // The request targets received so far, in order.
  std::vector<std::string> targets() const;

 private:
  void AcceptLoop();
  void Serve(int fd);
  // Waits up to ms (-1: for ever) unless the server is stopping; false when it is.
  bool Idle(int ms) const;

  std::function<ScriptedReply(const std::string&)> handler_;
  int listen_fd_ = -1;
  int stop_pipe_[2] = {-1, -1};
  int port_ = 0;
  mutable std::mutex mutex_;
  std::vector<std::string> targets_;
  std::vector<std::thread> connections_;
  std::thread acceptor_;
};

// A loopback port on which nothing listens.
int ClosedPort();

}  // namespace xpexam::testing
