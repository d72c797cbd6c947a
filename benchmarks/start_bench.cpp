// Start to the home screen, as a learner starts the program: a new process each time.
// Headless: the scenario runner until the home screen has loaded, against a bare cairo + pango
// program drawing one line. With an unreachable server (it accepts and never answers) and the
// branding pictures missing, against a healthy start.
#include <fcntl.h>
#include <netinet/in.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "benchmarks/pairs.h"
#include "tests/support/temp_dir.h"

#if defined(XPEXAM_SCRIPT_BIN) && defined(XPEXAM_SAMPLE_DIR)

extern char** environ;

namespace {

namespace fs = std::filesystem;

bool Run(const std::vector<std::string>& argv) {
  std::vector<char*> args;
  for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int rc = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) return false;
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A copy of the sample installation to start in (the program writes into it).
struct Installation {
  xpexam::testing::TempDir dir;
  std::string program = dir / "program";
  // The start window waits 100 ms before the home screen; the virtual clock runs past it.
  std::string script = dir.Write("to_home.txt", "wait 500\n");
  explicit Installation(bool branding) {
    fs::copy(XPEXAM_SAMPLE_DIR, program, fs::copy_options::recursive);
    if (branding) return;
    for (const auto& e : fs::recursive_directory_iterator(program))
      if (e.is_regular_file() && e.path().filename().string().starts_with("l") &&
          e.path().extension() == ".mxy")
        fs::remove(e.path());
  }
};

// A server that takes connections and never answers: every request waits for its time-out.
class SilentServer {
 public:
  SilentServer() {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    ::bind(fd_, reinterpret_cast<sockaddr*>(&addr), len);
    ::listen(fd_, 512);
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&addr), &len);
    url_ = "http://127.0.0.1:" + std::to_string(ntohs(addr.sin_port));
  }
  ~SilentServer() { ::close(fd_); }
  const std::string& Url() const { return url_; }

 private:
  int fd_ = -1;
  std::string url_;
};

void StartProgram(benchmark::State& state, bool healthy) {
  Installation inst(healthy);
  SilentServer silent;
  // A healthy start reaches no server at all (a closed port fails at once).
  const std::string server = healthy ? std::string("http://127.0.0.1:1") : silent.Url();
  for (auto _ : state)
    if (!Run({XPEXAM_SCRIPT_BIN, "--program-dir", inst.program, "--script", inst.script, "--server", server}))
      state.SkipWithError("the program did not start");
}

void StartPangoLine(benchmark::State& state) {
  for (auto _ : state)
    if (!Run({XPEXAM_PANGO_LINE_BIN})) state.SkipWithError("the reference failed");
}

const bool registered = [] {
  auto few = [](benchmark::internal::Benchmark* b) { b->Iterations(3); };
  xpexam::bench::RegisterPair(
      "start to the home screen, headless", 2.0, [](benchmark::State& s) { StartProgram(s, true); },
      StartPangoLine, few);
  xpexam::bench::RegisterPair(
      "start, unreachable server and missing pictures", 1.5, [](benchmark::State& s) { StartProgram(s, false); },
      [](benchmark::State& s) { StartProgram(s, true); }, few);
  return true;
}();

}  // namespace

#endif
