#pragma once
// Whole runs of the program through the scenario runner xpexam-script, for tests of an
// installation as the learner meets it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/codepage.h"
#include "platform/instance.h"
#include "tests/support/temp_dir.h"

namespace xpexam::testing {

#ifdef XPEXAM_SCRIPT_BIN
// Runs the scenario runner on an installation, in `work` and with its settings there;
// stdout and stderr together. `options` go to the runner as they are ("--screen 1280x1024").
// Every frame is checked against a whole repaint; stale pixels fail the test.
inline std::string RunScript(const TempDir& work, const std::string& program_dir, const std::string& script,
                             const std::string& options = "") {
  const std::string script_file = work.Write("scenario.txt", script);
  const std::string command = "cd '" + work.path() + "' && XDG_CONFIG_HOME='" + work.path() + "/config' '" +
                              XPEXAM_SCRIPT_BIN + "' --program-dir '" + program_dir + "' --script '" + script_file +
                              "' --server http://127.0.0.1:9 --check-frames " + options + " 2>&1";
  std::string out;
  if (FILE* p = ::popen(command.c_str(), "r")) {
    char buf[4096];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
    ::pclose(p);
  }
  ::unlink(platform::InstanceLockPath(program_dir).c_str());
  if (const size_t at = out.find("stale pixels at "); at != std::string::npos)
    ADD_FAILURE() << out.substr(at, out.find('\n', at) - at) << "\nscript:\n" << script;
  return out;
}
#endif

// The records a learner who used the program before has: nothing is reported at start-up, so
// no report waits for the network.
inline void SeedRecords(const std::string& program_dir) {
  const std::string ksdata = program_dir + "/ksdata/";
  std::filesystem::create_directories(ksdata);
  std::ofstream(ksdata + "288890.mxy", std::ios::binary) << "0\r\n";
  std::ofstream(ksdata + "288893.mxy", std::ios::binary) << "";
  std::ofstream(ksdata + "170100.mxy", std::ios::binary) << platform::Utf8ToGbk("欢迎") << "\r\n";
}

// A program folder of links to the sample installation, with the seeded records of a returning
// learner. Links are enough: the program replaces files through a rename, never in place.
inline void LinkSampleInstallation(const std::string& program_dir) {
  namespace fs = std::filesystem;
  const fs::path sample = fs::absolute(XPEXAM_SAMPLE_DIR);
  for (const auto& entry : fs::recursive_directory_iterator(sample)) {
    const fs::path to = fs::path(program_dir) / fs::relative(entry.path(), sample);
    if (entry.is_directory())
      fs::create_directories(to);
    else
      fs::create_symlink(entry.path(), to);
  }
  fs::remove_all(program_dir + "/ksdata");
  SeedRecords(program_dir);
}

}  // namespace xpexam::testing
