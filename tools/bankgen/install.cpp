#include "tools/bankgen/install.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "platform/codepage.h"
#include "platform/textfile.h"
#include "tools/bankgen/menus.h"
#include "tools/bankgen/picture_files.h"
#include "tools/bankgen/program_pictures.h"

namespace xpexam::bankgen {
namespace fs = std::filesystem;
namespace {

std::string Two(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

// One UTF-8 character after another.
std::vector<std::string> Characters(const std::string& s) {
  std::vector<std::string> out;
  for (size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    out.push_back(s.substr(i, n));
    i += n;
  }
  return out;
}

void CheckGbk(const std::string& text) {
  if (platform::GbkToUtf8(platform::Utf8ToGbk(text)) != text)
    throw std::runtime_error("text not representable in GBK: " + text);
}

void WriteLines(const std::string& path, const std::vector<std::string>& lines) {
  for (const auto& l : lines) CheckGbk(l);
  if (!platform::WriteTextLines(path, lines)) throw std::runtime_error("cannot write " + path);
}

bool Overlaps(const Box& a, const Box& b) {
  return a.x < b.Right() && b.x < a.Right() && a.y < b.Bottom() && b.y < a.Bottom();
}

// The question bar docked at the lower right and the title strip that drags the window.
constexpr Box kBar{468, 358, 332, 242};
constexpr Box kTitleStrip{96, 0, 633, 25};

// A step finished by a double-click or by a press leaves that gesture's release to come, and
// the desktop takes it on the target box of the step that has loaded by then, wherever that box
// lies: a click step ("0001", "2000") takes a plain left release, a location step any release.
bool TakenByTheReleaseOf(const std::string& done, const std::string& next) {
  const bool any_release = next.starts_with("K");
  const bool left_release = next == "0001" || next == "2000";
  if (done == "0002") return any_release || left_release;
  // 9SBB: the modifiers may be let go before the release, so only the button counts.
  if (done.starts_with("9") && done != "9999") return any_release || (left_release && done.substr(2) == "01");
  if (done == "0003") return any_release;
  return false;
}

void PrepareRoot(const std::string& root) {
  fs::path p(root);
  if (fs::exists(p)) {
    bool empty = fs::is_directory(p) && fs::directory_iterator(p) == fs::directory_iterator();
    if (!empty && !fs::exists(p / "ver.txt"))
      throw std::runtime_error(root + " is neither empty nor an earlier installation; not touching it");
    fs::remove_all(p);
  }
  fs::create_directories(p);
}

}  // namespace

std::string CodeSettingsLine(const std::string& utf8) {
  std::string out;
  for (const auto& ch : Characters(utf8)) {
    std::string gbk = platform::Utf8ToGbk(ch);
    CheckGbk(ch);
    int code = gbk.size() == 1 ? static_cast<unsigned char>(gbk[0])
                               : static_cast<unsigned char>(gbk[0]) * 256 + static_cast<unsigned char>(gbk[1]);
    // Single-byte characters take the 200000 form, double-byte ones the 500000 form.
    out += std::to_string((gbk.size() == 1 ? 200000 : 500000) + code);
  }
  return out;
}

void CheckBank(Bank& bank) {
  for (size_t u = 0; u < bank.units().size(); ++u) {
    auto& unit = bank.units()[u];
    for (size_t q = 0; q < unit.questions.size(); ++q) {
      const Question& question = *unit.questions[q];
      std::string where = "unit " + std::to_string(u + 1) + " question " + std::to_string(q + 1) + " (" +
                          question.text() + ")";
      const auto& recs = question.records();
      if (recs.empty() || recs.back().code != "9999") throw std::runtime_error(where + ": not finished");
      if (recs.size() > 99) throw std::runtime_error(where + ": more than 99 records");
      for (size_t s = 0; s < recs.size(); ++s) {
        const Record& r = recs[s];
        std::string at = where + " step " + std::to_string(s + 1);
        auto check = [&](bool has, const Box& b, const char* what) {
          if (!has) return;
          if (b.x < 0 || b.y < 0 || b.Right() > 800 || b.Bottom() > 600)
            throw std::runtime_error(at + ": " + what + " off the screen");
          if (Overlaps(b, kBar)) throw std::runtime_error(at + ": " + what + " under the question bar");
          if (Overlaps(b, kTitleStrip)) throw std::runtime_error(at + ": " + what + " under the title strip");
        };
        bool shrunk = r.code == "7000" || r.code.rfind("80", 0) == 0;
        if (s > 0 && TakenByTheReleaseOf(recs[s - 1].code, r.code))
          throw std::runtime_error(at + ": step " + r.code + " would be completed by the release that ends step " +
                                   std::to_string(s) + " (" + recs[s - 1].code + ")");
        if (r.param[0] == 'Q' && static_cast<size_t>(std::max(1, r.param[4] - '0')) > s)
          throw std::runtime_error(at + ": back region goes back before the first step");
        check(r.has_target && !shrunk, r.target, "target box");
        check(r.has_textbox, r.textbox, "text box");
        check(r.has_label4, r.label4, "Label4 box");
        r.Format();
      }
    }
  }
}

std::vector<std::string> FixedPapers(Bank& bank, int count) {
  std::vector<std::string> codes;
  for (size_t u = 0; u < bank.units().size(); ++u)
    for (size_t q = 0; q < bank.units()[u].questions.size(); ++q)
      codes.push_back(Two(static_cast<int>(u)) + Two(static_cast<int>(q + 1)));
  if (codes.size() < 40) throw std::runtime_error("fewer than 40 questions");
  std::vector<std::string> papers;
  uint32_t seed = 20260901;
  for (int p = 0; p < count; ++p) {
    std::vector<std::string> pool = codes, chosen;
    while (chosen.size() < 40) {
      seed = seed * 1103515245u + 12345u;
      size_t i = (seed >> 8) % pool.size();
      chosen.push_back(pool[i]);
      pool.erase(pool.begin() + static_cast<long>(i));
    }
    std::string line;
    for (const auto& c : chosen) line += c;
    papers.push_back(line);
  }
  return papers;
}

void WriteInstallation(Bank& bank, const Installation& inst, const std::string& root) {
  CheckBank(bank);
  PrepareRoot(root);
  fs::path program(root);
  fs::path data = program / inst.data_folder;
  fs::create_directories(data);
  fs::create_directories(program / "examdata");
  fs::create_directories(program / "ksdata");

  // ver.txt: module name, title, data folder, product number, unit titles.
  std::vector<std::string> ver = {inst.module_name, inst.module_title, inst.data_folder, std::to_string(inst.product_no)};
  for (const auto& unit : bank.units()) ver.push_back(unit.title);
  std::vector<std::string> coded;
  for (const auto& v : ver) coded.push_back(CodeSettingsLine(v));
  WriteLines((program / "ver.txt").string(), coded);

  // Branding file: entries 0 to 40, one line each.
  const std::vector<std::string> branding = {
      "Brivant",                                  // 0 first part of the title
      "http://exam.invalid/",                     // 1 footer link: the site entry 16 names
      "http://xp.example.invalid/",               // 2 web page button
      "im://chat.example.invalid/support1",       // 3 first support chat
      "im://chat.example.invalid/support2",       // 4 second support chat
      "http://www.example.invalid/help/",         // 5
      "http://shop.example.invalid/",             // 6
      "Corvane 教育软件工作室",                   // 7 company line of the About box
      "李明",                                     // 8 candidate name
      "计算机操作练习系统",                       // 9 second part of the title
      "000-0000-0000",                            // 10 support telephone
      "100000",                                   // 11 support chat account
      "vemo",                                     // 12 update tag
      "http://www.example.invalid/",              // 13
      "",                                         // 14
      "vemo",                                     // 15 registry key
      "exam.invalid",                             // 16 footer host name of entry 1 (short: the footer row is tight)
      "", "", "",                                 // 17 to 19
      "www.example.invalid", "xp.example.invalid",  // 20, 21
      "Brivant 练习",                             // 22
      "全国",                                     // 23
      "000-0000-0000",                            // 24
      "100001",                                   // 25
      "2015", "0", "B", "&H666666",               // 26 to 29
      "240", "5040", "7440", "9930",              // 30 to 33 footer positions
      "2",                                        // 34 two-tile home layout
      "", "", "", "", "", "",                     // 35 to 40
  };
  if (branding.size() != 41) throw std::runtime_error("branding needs 41 entries");
  coded.clear();
  for (const auto& v : branding) coded.push_back(CodeSettingsLine(v));
  WriteLines((data / "288901.mxy").string(), coded);

  WriteLines((data / "288892.mxy").string(), {"0"});
  WriteLines((data / "288895.mxy").string(), {inst.bank_version});
  WriteLines((data / "288899.mxy").string(), {std::to_string(inst.product_no)});

  // Bank layout: papers and units, unit counts, the fixed papers.
  std::vector<std::string> layout = {Two(inst.paper_count) + Two(static_cast<int>(bank.units().size()))};
  std::string counts;
  for (const auto& unit : bank.units()) counts += Two(static_cast<int>(unit.questions.size()));
  layout.push_back(counts);
  for (const auto& p : FixedPapers(bank, inst.paper_count)) layout.push_back(p);
  WriteLines((data / "288891.mxy").string(), layout);

  // Each unit's step file and question index file.
  for (size_t u = 0; u < bank.units().size(); ++u) {
    std::vector<std::string> steps, index;
    const auto& unit = bank.units()[u];
    for (size_t q = 0; q < unit.questions.size(); ++q) {
      const Question& question = *unit.questions[q];
      std::string code = Two(static_cast<int>(u)) + Two(static_cast<int>(q + 1));
      index.push_back(code + Two(static_cast<int>(question.records().size())) + question.text());
      for (size_t s = 0; s < question.records().size(); ++s) {
        Record r = question.records()[s];
        r.head = Two(static_cast<int>(q + 1)) + "-" + Two(static_cast<int>(s + 1));
        steps.push_back(r.Format());
      }
    }
    WriteLines((data / ("2888" + std::to_string(20 + u) + ".mxy")).string(), steps);
    WriteLines((data / ("2888" + std::to_string(70 + u) + ".mxy")).string(), index);
  }

  // Step text file: each text from the fourth character, the line number before it.
  std::vector<std::string> texts;
  const auto& lines = bank.texts().Lines();
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string n = std::to_string(i + 1);
    texts.push_back(std::string(3 - n.size(), '0') + n + lines[i]);
  }
  WriteLines((data / "288890.mxy").string(), texts);

  // Pictures of the program's windows and of the questions.
  AddProgramPictures(bank.pictures(), inst.module_title);
  for (const auto& [name, bytes] : bank.pictures().Files()) WriteBytes((data / (name + ".mxy")).string(), bytes);
  for (const auto& [name, bytes] : HelpPages(inst.module_title)) WriteBytes((data / (name + ".mxy")).string(), bytes);

  // Program folder: popup menus, cursors, menu-bar pictures.
  WriteLines((program / "sMenu.sys").string(), PopupMenuLines());
  for (const auto& [name, bytes] : CursorFiles()) WriteBytes((program / name).string(), bytes);
  for (const auto& pic : MenuBarPictures())
    WriteBytes((program / "examdata" / (pic.name + ".mxy")).string(), EncodeBmp(pic.image->surface()));
}

}  // namespace xpexam::bankgen
