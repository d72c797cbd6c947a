// The program: its folder is the folder of the executable, which holds ver.txt and the data.
#include <unistd.h>

#include <climits>
#include <string>

#include "forms/sdl_backend.h"
#include "app/program.h"
#include "frame/installation.h"

namespace {

std::string ExecutablePath(const char* argv0) {
  char buf[PATH_MAX];
  ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return argv0 ? argv0 : "";
  return std::string(buf, static_cast<size_t>(n));
}

}  // namespace

int main(int /*argc*/, char** argv) {
  using namespace xpexam;
  const std::string exe = ExecutablePath(argv[0]);
  const size_t slash = exe.rfind('/');
  frame::editInstallation().SetAppPath(slash == std::string::npos ? "." : slash == 0 ? "/" : exe.substr(0, slash));
  std::string name = slash == std::string::npos ? exe : exe.substr(slash + 1);
  if (size_t dot = name.rfind('.'); dot != std::string::npos && dot > 0) name.erase(dot);
  frame::editInstallation().SetAppExeName(name);

  return forms::RunWithSdl(app::StartProgram, app::HostWindowOptions());
}
