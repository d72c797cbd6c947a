#pragma once
// The question bank as the generator builds it: the step text table, the picture store, the
// step records of every question and the units. Questions are written with the Question
// builder; all positions are pixels of the 800 x 600 screen and become design twips (15 per
// pixel) in the records.
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tools/bankgen/draw.h"

namespace xpexam::bankgen {

// Lines of the step text file; equal texts share a line.
class TextTable {
 public:
  int Line(const std::string& text);  // 1-based line number
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  std::vector<std::string> lines_;
  std::map<std::string, int> index_;
};

// Pictures of the data folder. Screens are deduplicated by their pixels, so drawing the same
// screen twice gives one file.
class PictureStore {
 public:
  enum class Kind { kAuto, kJpeg, kBmp };
  // Draws a picture of the given size and returns its six-character id.
  std::string Draw(int width, int height, const std::function<void(cairo_t*)>& paint, Kind kind = Kind::kAuto);
  std::string Add(const Image& image, Kind kind = Kind::kAuto);
  // A picture under a name fixed by the program (tab pages, window pictures), any file name.
  void AddNamed(const std::string& name, const Image& image, Kind kind = Kind::kAuto);
  void AddNamedBytes(const std::string& name, std::string bytes);
  bool Has(const std::string& name) const { return files_.count(name) > 0; }
  // Size of a stored picture by id.
  std::pair<int, int> SizeOf(const std::string& id) const;
  const std::map<std::string, std::string>& Files() const { return files_; }  // name -> bytes

 private:
  std::string Encode(const Image& image, Kind kind) const;
  std::map<std::string, std::string> files_;
  std::map<uint64_t, std::string> by_hash_;
  std::map<std::string, std::pair<int, int>> sizes_;
  int next_id_ = 300001;
};

// Text format of a typing step's box (record positions 125-134).
struct TextFormat {
  int size10 = 0;     // font size in tenths of a point, 0: 9 points
  char align = '0';   // 'R' right, 'M' centred, else left
  int style = 0;      // 1 bold, 2 italic, 4 underline
  int font = 0;       // 0 宋体, 1 Times New Roman, 2 黑体, 3 楷体_GB2312, 4 隶书
  int color = 0;      // 0 black, 1 blue, 2 red
  int back = 0;       // 0 white, 1 blue, 2 red, 3 grey, 5..8 pale colours
};

// Keys by their key numbers in step codes.
namespace keys {
constexpr int kEnter = 13, kF1 = 12, kF2 = 3, kF3 = 14, kF4 = 15, kF5 = 16, kEsc = 27, kDelete = 46;
constexpr int kShift = 1, kCtrl = 2, kAlt = 4;
}  // namespace keys

struct Point {
  int x = 0, y = 0;
};

class Bank;

// One step record, field by field (pixels where positions are meant).
struct Record {
  std::string head = "00000";
  bool ee = false;
  std::string code = "0001";
  std::string background = "888888";
  struct Overlay {
    bool shown = false;
    Point at;
    std::string id = "000000";
  };
  std::array<Overlay, 5> overlays;
  bool has_target = false;
  Box target;
  bool has_textbox = false;
  Box textbox;
  std::string alternative;         // "P" or "R" forms (5 characters) when no text box
  std::string pointer = "00000";   // positions 101-105 when no text box
  int initial_line = 0;
  int answer_line = 0;
  bool has_hint_pos = false;
  Point hint_at;
  int hint_line = 0;
  std::string param = "0000000000";
  Point point;
  bool has_label4 = false;
  Box label4;
  int tooltip_line = 0;

  // The fixed-column line of 199 characters.
  std::string Format() const;
};

class Question {
 public:
  Question(Bank& bank, std::string text);

  // A question whose text is shown with a picture (the question picture window).
  Question& WithPicture(const std::string& picture_id);

  // Screen state for the next record.
  Question& Screen(const std::string& id);
  Question& Show(int slot, const std::string& id, int x, int y);
  Question& Move(int slot, int x, int y);
  Question& Hide(int slot);

  // Steps, one record each.
  Question& Click(const Box& target, const std::string& hint);
  Question& DblClick(const Box& target, const std::string& hint);
  Question& RightClick(const Box& target, const std::string& hint);
  Question& Press(int shift, int button, const Box& target, const std::string& hint);
  Question& Hover(const Box& target, const std::string& hint);
  Question& Key(int shift, int key, const std::string& hint);
  // Context menu: popup type 1-3, block 1-9, group 1-9, item 0-9; opened at the pointer by a
  // right press, or at a fixed place by a left press.
  Question& Popup(int type, int menu, int group, int item, const Box& target, const std::string& hint);
  Question& PopupAt(int type, int menu, int group, int item, const Box& target, Point at, const std::string& hint);
  Question& Type(const std::string& code, const Box& box, const std::string& answer, const std::string& hint,
                 const std::string& initial = "", const TextFormat& format = {});
  // Step "0023": select a text of the box with the mouse.
  Question& SelectText(const Box& box, const std::string& initial, const std::string& selection);
  Question& RubberBand(int shift, const Box& start, const Box& end, const std::string& hint);
  Question& Drag(int shift, const Box& from, const Box& to, const std::string& hint,
                 const std::string& pointer = "M0002");
  // Menu bar: target M II SS as the number M*10000 + II*100 + SS.
  Question& Menu(int target, const std::string& hint);
  // Handle drag of code 8001-8009 with the handle picture placed at `at`, to the point `to`.
  Question& Handle(int code, const std::string& handle_id, Point at, Point to, const std::string& hint);
  Question& Auto(const std::string& hint);
  Question& List(const Box& box, const std::vector<std::string>& items, int initial, int expected,
                 const std::string& hint);
  Question& Location(const Box& box, int initial, int expected, const std::string& hint);
  // A record with any code and a target box (for "2000" and the like).
  Question& Raw(const std::string& code, const Box& target, const std::string& hint);

  // Changes of the record just added.
  Question& Tip(const std::string& text);
  Question& Pointer(const std::string& code);
  Question& OrKey(int shift, int key);
  Question& OrRightMenu(int type, int menu, int group, int item);
  Question& Back(int steps, const Box& region);
  Question& Tab(char layout, int shown, int target, int slot);
  Question& MenuBarOn();
  Question& PressRegion(const Box& region);
  Question& HintAt(int x, int y);
  // A target box for a typing step finished by a click ("0026", "0028").
  Question& Target(const Box& box);

  // Final record; the question is complete.
  void Done();

  const std::string& text() const { return text_; }
  const std::vector<Record>& records() const { return records_; }
  std::set<std::string> StepCodes() const;

 private:
  Record& Add(const std::string& code, const std::string& hint);
  void PlaceHint(Record& r, const std::string& hint);
  static std::string Code(int v) ;

  Bank& bank_;
  std::string text_;
  std::vector<Record> records_;
  std::string background_;
  bool background_new_ = true;
  struct Slot {
    bool shown = false;
    Point at;
    std::string id = "000000";
    bool is_new = true;
  };
  std::array<Slot, 5> slots_;
  bool done_ = false;
};

struct Unit {
  std::string title;
  std::vector<std::unique_ptr<Question>> questions;
};

class Bank {
 public:
  TextTable& texts() { return texts_; }
  PictureStore& pictures() { return pictures_; }
  std::vector<Unit>& units() { return units_; }

  Unit& AddUnit(const std::string& title);
  // A new question of the last unit.
  Question& Ask(const std::string& text);

 private:
  TextTable texts_;
  PictureStore pictures_;
  std::vector<Unit> units_;
};

}  // namespace xpexam::bankgen
