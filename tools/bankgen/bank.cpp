#include "tools/bankgen/bank.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "tools/bankgen/picture_files.h"

namespace xpexam::bankgen {
namespace {

constexpr int kTwips = 15;

std::string N(int v, int width) {
  if (v < 0) throw std::runtime_error("negative value in a step record");
  std::string s = std::to_string(v);
  if (static_cast<int>(s.size()) > width) throw std::runtime_error("value too wide for its field: " + s);
  return std::string(width - s.size(), '0') + s;
}

std::string Twips(int px) { return N(px * kTwips, 5); }

std::string BoxField(const Box& b) { return Twips(b.x) + Twips(b.y) + Twips(b.w) + Twips(b.h); }

char TabChar(int tab) {
  if (tab >= 1 && tab <= 9) return static_cast<char>('0' + tab);
  if (tab >= 10 && tab <= 13) return static_cast<char>('A' + tab - 10);
  throw std::runtime_error("tab number out of range");
}

uint64_t HashImage(const Image& image) {
  cairo_surface_flush(image.surface());
  const unsigned char* data = cairo_image_surface_get_data(image.surface());
  int stride = cairo_image_surface_get_stride(image.surface());
  uint64_t h = 1469598103934665603ull;
  auto mix = [&h](unsigned char c) {
    h ^= c;
    h *= 1099511628211ull;
  };
  for (int i = 0; i < 4; ++i) mix(static_cast<unsigned char>(image.width() >> (8 * i)));
  for (int i = 0; i < 4; ++i) mix(static_cast<unsigned char>(image.height() >> (8 * i)));
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width() * 4; ++x) mix(data[y * stride + x]);
  return h;
}

}  // namespace

int TextTable::Line(const std::string& text) {
  auto it = index_.find(text);
  if (it != index_.end()) return it->second;
  lines_.push_back(text);
  int n = static_cast<int>(lines_.size());
  if (n > 999) throw std::runtime_error("more than 999 step texts");
  index_[text] = n;
  return n;
}

std::string PictureStore::Encode(const Image& image, Kind kind) const {
  if (kind == Kind::kAuto) kind = image.width() * image.height() > 40000 ? Kind::kJpeg : Kind::kBmp;
  return kind == Kind::kJpeg ? EncodeJpeg(image.surface()) : EncodeBmp(image.surface());
}

std::string PictureStore::Draw(int width, int height, const std::function<void(cairo_t*)>& paint, Kind kind) {
  Image image(width, height);
  paint(image.cr());
  return Add(image, kind);
}

std::string PictureStore::Add(const Image& image, Kind kind) {
  uint64_t h = HashImage(image);
  auto it = by_hash_.find(h);
  if (it != by_hash_.end()) return it->second;
  std::string id = std::to_string(next_id_++);
  files_[id] = Encode(image, kind);
  sizes_[id] = {image.width(), image.height()};
  by_hash_[h] = id;
  return id;
}

void PictureStore::AddNamed(const std::string& name, const Image& image, Kind kind) {
  files_[name] = Encode(image, kind);
  sizes_[name] = {image.width(), image.height()};
  by_hash_.emplace(HashImage(image), name);
}

void PictureStore::AddNamedBytes(const std::string& name, std::string bytes) { files_[name] = std::move(bytes); }

std::pair<int, int> PictureStore::SizeOf(const std::string& id) const {
  auto it = sizes_.find(id);
  if (it == sizes_.end()) throw std::runtime_error("unknown picture " + id);
  return it->second;
}

std::string Record::Format() const {
  std::string s;
  s += head;
  s += ee ? "EE" : "00";
  s += code;
  s += background;
  auto overlay = [&s](const Overlay& o) {
    if (o.shown) {
      if (o.at.x == 0 && o.at.y == 0) throw std::runtime_error("an overlay at 0, 0 would read as hidden");
      s += Twips(o.at.x) + Twips(o.at.y);
    } else {
      s += "0000000000";
    }
    s += o.id;
  };
  for (int k = 0; k < 3; ++k) overlay(overlays[k]);
  s += has_target ? BoxField(target) : std::string(20, '0');
  if (has_textbox) {
    s += BoxField(textbox);
  } else {
    std::string alt = alternative;
    alt.resize(15, '0');
    s += alt + pointer;
  }
  s += N(initial_line, 3) + N(answer_line, 3);
  s += has_hint_pos ? Twips(hint_at.x) + Twips(hint_at.y) : std::string(10, '0');
  s += N(hint_line, 3);
  s += param;
  overlay(overlays[3]);
  overlay(overlays[4]);
  s += Twips(point.x) + Twips(point.y);
  s += has_label4 ? BoxField(label4) : std::string(20, '0');
  s += N(tooltip_line, 3);
  if (s.size() != 199) throw std::runtime_error("step record of wrong length");
  return s;
}

Question::Question(Bank& bank, std::string text) : bank_(bank), text_(std::move(text)) {}

Question& Question::WithPicture(const std::string& picture_id) {
  text_ = "picture" + picture_id + text_;
  return *this;
}

Question& Question::Screen(const std::string& id) {
  if (id != background_) background_new_ = true;
  background_ = id;
  return *this;
}

Question& Question::Show(int slot, const std::string& id, int x, int y) {
  Slot& s = slots_.at(slot - 1);
  if (!s.shown || s.id != id) s.is_new = true;
  s.shown = true;
  s.id = id;
  s.at = {x, y};
  return *this;
}

Question& Question::Move(int slot, int x, int y) {
  Slot& s = slots_.at(slot - 1);
  s.shown = true;
  s.at = {x, y};
  return *this;
}

Question& Question::Hide(int slot) {
  slots_.at(slot - 1).shown = false;
  return *this;
}

Record& Question::Add(const std::string& code, const std::string& hint) {
  if (done_) throw std::runtime_error("step added after the final record");
  if (background_.empty()) throw std::runtime_error("first step without a screen");
  Record r;
  r.code = code;
  r.background = background_new_ ? background_ : "888888";
  background_new_ = false;
  for (int k = 0; k < 5; ++k) {
    Slot& s = slots_[k];
    r.overlays[k].shown = s.shown;
    if (s.shown) {
      r.overlays[k].at = s.at;
      r.overlays[k].id = s.is_new ? s.id : "888888";
      s.is_new = false;
    }
  }
  if (!hint.empty()) r.hint_line = bank_.texts().Line(hint);
  records_.push_back(r);
  return records_.back();
}

void Question::PlaceHint(Record& r, const std::string& hint) {
  int w = TextWidth(hint, Font{Face::kSong, 14, true}) + 4;
  int h = 20;
  int x = 250, y = 150;
  if (r.has_target) {
    x = r.target.x;
    y = r.target.Bottom() + 4;
    if (y + h > 566) y = r.target.y - h - 4;
  } else if (r.has_textbox) {
    x = r.textbox.x;
    y = r.textbox.Bottom() + 4;
    if (y + h > 566) y = r.textbox.y - h - 4;
  }
  x = std::max(2, std::min(x, 798 - w));
  y = std::max(30, y);
  r.has_hint_pos = true;
  r.hint_at = {x, y};
}

std::string Question::Code(int v) { return N(v, 4); }

static Record& WithTarget(Record& r, const Box& b) {
  r.has_target = true;
  r.target = b;
  return r;
}

Question& Question::Click(const Box& t, const std::string& hint) {
  PlaceHint(WithTarget(Add("0001", hint), t), hint);
  return *this;
}

Question& Question::DblClick(const Box& t, const std::string& hint) {
  PlaceHint(WithTarget(Add("0002", hint), t), hint);
  return *this;
}

Question& Question::RightClick(const Box& t, const std::string& hint) {
  PlaceHint(WithTarget(Add("0003", hint), t), hint);
  return *this;
}

Question& Question::Press(int shift, int button, const Box& t, const std::string& hint) {
  PlaceHint(WithTarget(Add(Code(9000 + shift * 100 + button), hint), t), hint);
  return *this;
}

Question& Question::Hover(const Box& t, const std::string& hint) {
  Record& r = WithTarget(Add("0030", hint), t);
  r.pointer = "S0001";
  PlaceHint(r, hint);
  return *this;
}

Question& Question::Key(int shift, int key, const std::string& hint) {
  PlaceHint(Add(Code(6000 + shift * 100 + key), hint), hint);
  return *this;
}

Question& Question::Popup(int type, int menu, int group, int item, const Box& t, const std::string& hint) {
  PlaceHint(WithTarget(Add(Code((type + 2) * 1000 + menu * 100 + group * 10 + item), hint), t), hint);
  return *this;
}

Question& Question::PopupAt(int type, int menu, int group, int item, const Box& t, Point at, const std::string& hint) {
  Record& r = WithTarget(Add(Code((type + 2) * 1000 + menu * 100 + group * 10 + item), hint), t);
  r.param = Twips(at.x) + Twips(at.y);
  PlaceHint(r, hint);
  return *this;
}

Question& Question::Type(const std::string& code, const Box& box, const std::string& answer, const std::string& hint,
                         const std::string& initial, const TextFormat& f) {
  // Step "0022" gets no typing prompt of its own: its hint says everything.
  std::string text = hint;
  if (code == "0022" && hint == answer) text = "输入“" + answer.substr(0, answer.find('|')) + "”后按回车键";
  Record& r = Add(code, text);
  r.has_textbox = true;
  r.textbox = box;
  r.answer_line = answer.empty() ? 0 : bank_.texts().Line(answer);
  r.initial_line = initial.empty() ? 0 : bank_.texts().Line(initial);
  std::string p = "0" + N(f.size10, 3);
  p += f.align;
  p += "0";
  p += static_cast<char>('0' + f.style);
  p += static_cast<char>('0' + f.font);
  p += static_cast<char>('0' + f.color);
  p += static_cast<char>('0' + f.back);
  r.param = p;
  PlaceHint(r, hint);
  return *this;
}

Question& Question::SelectText(const Box& box, const std::string& initial, const std::string& selection) {
  Record& r = Add("0023", selection);
  r.has_textbox = true;
  r.textbox = box;
  r.initial_line = bank_.texts().Line(initial);
  PlaceHint(r, "请选中 " + selection);
  return *this;
}

Question& Question::RubberBand(int shift, const Box& start, const Box& end, const std::string& hint) {
  Record& r = WithTarget(Add("004" + std::to_string(shift), hint), end);
  r.ee = true;
  r.has_label4 = true;
  r.label4 = start;
  r.pointer = "S0000";
  PlaceHint(r, hint);
  return *this;
}

Question& Question::Drag(int shift, const Box& from, const Box& to, const std::string& hint, const std::string& pointer) {
  Record& r = WithTarget(Add("005" + std::to_string(shift), hint), to);
  r.ee = true;
  r.has_label4 = true;
  r.label4 = from;
  r.pointer = pointer;
  PlaceHint(r, hint);
  return *this;
}

Question& Question::Menu(int target, const std::string& hint) {
  int m = target / 10000;
  Record& r = WithTarget(Add("7000", hint), Box{26 + (m - 1) * 58, 28, 58, 18});
  r.param = N(target, 5) + "00000";
  r.has_hint_pos = true;
  r.hint_at = {420, 30};
  return *this;
}

Question& Question::Handle(int code, const std::string& handle_id, Point at, Point to, const std::string& hint) {
  Show(5, handle_id, at.x, at.y);
  Record& r = Add(Code(code), hint);
  r.point = to;
  auto [w, h] = bank_.pictures().SizeOf(handle_id);
  r.has_hint_pos = true;
  r.hint_at = {std::max(2, std::min(at.x, 600)), at.y + h + 6};
  return *this;
}

Question& Question::Auto(const std::string& hint) {
  PlaceHint(Add("8888", hint), hint);
  return *this;
}

Question& Question::List(const Box& box, const std::vector<std::string>& items, int initial, int expected,
                         const std::string& hint) {
  if (initial == expected) throw std::runtime_error("a list step must start on another item");
  std::string joined;
  for (size_t i = 0; i < items.size(); ++i) joined += (i ? "|" : "") + items[i];
  Record& r = Add("L" + N(bank_.texts().Line(joined), 3), hint);
  r.has_textbox = true;
  r.textbox = box;
  r.initial_line = initial;
  r.answer_line = expected;
  PlaceHint(r, hint);
  return *this;
}

Question& Question::Location(const Box& box, int initial, int expected, const std::string& hint) {
  if (initial == expected) throw std::runtime_error("a location step must start on another entry");
  Record& r = Add("K" + std::to_string(initial) + N(expected, 2), hint);
  r.has_textbox = true;
  r.textbox = box;
  r.has_hint_pos = true;
  r.hint_at = {box.Right() + 8, box.y};
  return *this;
}

Question& Question::Raw(const std::string& code, const Box& t, const std::string& hint) {
  PlaceHint(WithTarget(Add(code, hint), t), hint);
  return *this;
}

Question& Question::Tip(const std::string& text) {
  records_.back().tooltip_line = bank_.texts().Line(text);
  return *this;
}

Question& Question::Pointer(const std::string& code) {
  if (records_.back().has_textbox) throw std::runtime_error("pointer code on a record with a text box");
  records_.back().pointer = code;
  return *this;
}

Question& Question::OrKey(int shift, int key) {
  Record& r = records_.back();
  if (r.has_textbox) throw std::runtime_error("key alternative on a record with a text box");
  r.alternative = "P0" + std::to_string(shift) + N(key, 2);
  return *this;
}

Question& Question::OrRightMenu(int type, int menu, int group, int item) {
  Record& r = records_.back();
  if (r.has_textbox) throw std::runtime_error("right alternative on a record with a text box");
  r.alternative = "R" + Code((type + 2) * 1000 + menu * 100 + group * 10 + item);
  return *this;
}

Question& Question::Back(int steps, const Box& region) {
  Record& r = records_.back();
  r.param[0] = 'Q';
  r.param[1] = r.param[2] = r.param[3] = '0';
  r.param[4] = static_cast<char>('0' + steps);
  r.point = {region.x, region.y};
  return *this;
}

Question& Question::Tab(char layout, int shown, int target, int slot) {
  Record& r = records_.back();
  r.param[5] = 'X';
  r.param[6] = layout;
  r.param[7] = TabChar(shown);
  r.param[8] = TabChar(target);
  r.param[9] = static_cast<char>('0' + slot);
  Record::Overlay& o = r.overlays.at(slot - 1);
  if (!o.shown) throw std::runtime_error("tab step without its page overlay");
  o.id = slots_[slot - 1].id;
  return *this;
}

Question& Question::MenuBarOn() {
  records_.back().param = "1111100000";
  return *this;
}

Question& Question::PressRegion(const Box& region) {
  Record& r = records_.back();
  r.has_label4 = true;
  r.label4 = region;
  return *this;
}

Question& Question::HintAt(int x, int y) {
  Record& r = records_.back();
  r.has_hint_pos = true;
  r.hint_at = {x, y};
  return *this;
}

Question& Question::Target(const Box& box) {
  Record& r = records_.back();
  r.has_target = true;
  r.target = box;
  return *this;
}

void Question::Done() {
  Add("9999", "");
  done_ = true;
}

std::set<std::string> Question::StepCodes() const {
  std::set<std::string> out;
  for (const auto& r : records_) out.insert(r.code);
  return out;
}

Unit& Bank::AddUnit(const std::string& title) {
  units_.push_back(Unit{title, {}});
  return units_.back();
}

Question& Bank::Ask(const std::string& text) {
  if (units_.empty()) throw std::runtime_error("question before the first unit");
  auto& qs = units_.back().questions;
  qs.push_back(std::make_unique<Question>(*this, text));
  return *qs.back();
}

}  // namespace xpexam::bankgen
