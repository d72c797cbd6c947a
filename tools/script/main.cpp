// xpexam-script: runs the program headless, as if started in the program folder, and feeds it a
// scenario script (see forms/script.h). Exits 0 when the script has run, non-zero with a message
// for a bad command line or script line; with --check-frames, 3 for a frame left with stale
// pixels.
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "forms/app.h"
#include "forms/frame_check.h"
#include "forms/headless.h"
#include "forms/program.h"
#include "forms/script.h"
#include "frame/installation.h"
#include "app/program.h"
#include "frame/settings.h"
#include "home/unit_practice.h"
#include "platform/clock.h"
#include "platform/http.h"
#include "platform/strings.h"
#include "session/question_bar.h"

namespace {

using namespace xpexam;

// `unit U` starts unit U's whole-unit practice as the home screen does. Until the program's
// start-up exists, the first such command reads the installation in the program folder itself.
struct UnitCommand {
  int line = 0;
  int unit = 0;
};

void StartUnit(int unit, const std::string& program_dir) {
  if (frame::installation().appPath().empty()) {
    frame::editInstallation().SetAppPath(program_dir);
    frame::editInstallation().SetScale(forms::TwipsPerPixel() / 15, forms::TwipsPerPixel() / 15);
    frame::ReadSettings();
  }
  app::ConnectWindows();
  home::StartUnitPractice(unit);
}

// Takes the unit commands out of the script (as comments, so that line numbers stay).
std::vector<UnitCommand> TakeUnitCommands(std::string& text) {
  std::vector<UnitCommand> units;
  std::istringstream in(text);
  std::string out, raw;
  for (int number = 1; std::getline(in, raw); ++number) {
    std::istringstream words(raw);
    std::string cmd, arg, extra;
    words >> cmd >> arg;
    int unit = -1;
    if (platform::LCase(cmd) == "unit" && !(words >> extra) && !arg.empty() &&
        arg.find_first_not_of("0123456789") == std::string::npos && arg.size() <= 2)
      unit = std::stoi(arg);
    if (unit >= 0) {
      units.push_back({number, unit});
      raw = "# " + raw;
    }
    out += raw + "\n";
  }
  text = out;
  return units;
}

// `demo` opens the answer demonstration of the current question as the bar's start timer
// does on its second tick, for runs without the bar's demonstration button.
void StartDemo() { session::FrmTm::Get().OpenDemonstration(); }

// Takes the demo commands out of the script (as comments); their line numbers.
std::vector<int> TakeDemoCommands(std::string& text) {
  std::vector<int> lines;
  std::istringstream in(text);
  std::string out, raw;
  for (int number = 1; std::getline(in, raw); ++number) {
    std::istringstream words(raw);
    std::string cmd, extra;
    words >> cmd;
    if (platform::LCase(cmd) == "demo" && !(words >> extra)) {
      lines.push_back(number);
      raw = "# " + raw;
    }
    out += raw + "\n";
  }
  text = out;
  return lines;
}

int Usage(const std::string& problem) {
  std::cerr << "xpexam-script: " << problem << "\n"
            << "usage: xpexam-script --program-dir DIR --script FILE [--screen 1024x768] [--twips-per-pixel 15]\n"
            << "                     [--now \"2026-01-01 09:00:00\"] [--seed N] [--form NAME] [--server URL]\n"
            << "                     [--check-frames]\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string program_dir, script_path, form;
  int width = 1024, height = 768;
  double tpp = 15;
  platform::DateTime now{2026, 1, 1, 9, 0, 0};
  std::optional<unsigned long long> seed;
  bool check_frames = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--check-frames") {
      check_frames = true;
      continue;
    }
    if (i + 1 >= argc) return Usage("missing value after " + arg);
    const std::string value = argv[++i];
    if (arg == "--program-dir") {
      program_dir = value;
    } else if (arg == "--script") {
      script_path = value;
    } else if (arg == "--form") {
      form = value;
    } else if (arg == "--screen") {
      char x = 0;
      std::istringstream in(value);
      if (!(in >> width >> x >> height) || x != 'x' || width <= 0 || height <= 0) return Usage("bad --screen " + value);
    } else if (arg == "--twips-per-pixel") {
      tpp = std::atof(value.c_str());
      if (!(tpp > 0)) return Usage("bad --twips-per-pixel " + value);
    } else if (arg == "--now") {
      if (!platform::ParseDateTime(value, now)) return Usage("bad --now " + value);
    } else if (arg == "--server") {
      // Where error reports and update requests go; tests point it at a closed local port.
      platform::SetServerUrl(value);
    } else if (arg == "--seed") {
      char* end = nullptr;
      seed = std::strtoull(value.c_str(), &end, 10);
      if (*end) return Usage("bad --seed " + value);
    } else {
      return Usage("unknown option " + arg);
    }
  }
  if (program_dir.empty() || script_path.empty()) return Usage("--program-dir and --script are required");

  std::ifstream file(script_path, std::ios::binary);
  if (!file) return Usage("cannot read " + script_path);
  std::stringstream text;
  text << file.rdbuf();
  std::string script = text.str();
  const std::vector<UnitCommand> units = TakeUnitCommands(script);
  const std::vector<int> demos = TakeDemoCommands(script);

  char cwd[PATH_MAX];
  bool shot_failed = false;
  forms::ScriptOptions options;
  options.out = &std::cout;
  options.err = &std::cerr;
  options.base_dir = getcwd(cwd, sizeof cwd) ? cwd : "";
  options.failed = &shot_failed;
  std::vector<forms::ScriptCommand> commands;
  if (auto error = forms::ParseScript(script, options, commands)) {
    std::cerr << script_path << ":" << error->line << ": " << error->message << "\n";
    return 1;
  }
  const bool program = static_cast<bool>(forms::ProgramEntry());
  if (!program && form.empty() && units.empty())
    return Usage("no program start-up is built in: name a window with --form or start a unit");
  if (chdir(program_dir.c_str()) != 0) return Usage("cannot enter " + program_dir);
  const std::string program_folder = getcwd(cwd, sizeof cwd) ? cwd : program_dir;
  for (const UnitCommand& u : units) {
    auto at = std::find_if(commands.begin(), commands.end(), [&](const auto& c) { return c.line > u.line; });
    commands.insert(at, {u.line, [u, program_folder](forms::HeadlessBackend& b) {
                           b.Call([u, program_folder] { StartUnit(u.unit, program_folder); });
                         }});
  }
  for (int line : demos) {
    auto at = std::find_if(commands.begin(), commands.end(), [&](const auto& c) { return c.line > line; });
    commands.insert(at, {line, [](forms::HeadlessBackend& b) { b.Call([] { StartDemo(); }); }});
  }

  forms::HeadlessSession session(width, height, tpp, now);
  if (check_frames) {
    forms::SetFrameCheck(true);
    forms::SetFrameCheckFailure([](const forms::FrameMismatch& m) {
      std::cout.flush();
      std::cerr << "xpexam-script: " << m.Describe() << std::endl;
      std::_Exit(3);
    });
  }
  if (seed) platform::Randomize(*seed);
  for (const auto& c : commands) c.queue(session.Input());
  try {
    if (program) {
      forms::ProgramEntry()();
    } else if (!form.empty() && !forms::StartForm(form)) {
      std::string names;
      for (const auto& n : forms::StartFormNames()) names += " " + n;
      return Usage("no window named " + form + " (known:" + names + ")");
    }
    // Without a first window the script itself opens one with its unit command.
    if (program || !form.empty())
      forms::Run();
    else
      forms::Pump();
  } catch (const forms::ProgramEnded&) {
  }
  forms::CheckFrameNow();
  if (session.Input().Pending()) std::cerr << "xpexam-script: the program ended before the script did\n";
  return shot_failed ? 1 : 0;
}
