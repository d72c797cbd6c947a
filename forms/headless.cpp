#include "forms/headless.h"

#include <algorithm>

#include "forms/runtime.h"
#include "platform/clock.h"

namespace xpexam::forms {

namespace {
// Days since 1970-01-01 of a civil date, and back (proleptic Gregorian calendar).
int64_t DaysFromCivil(int64_t y, int m, int d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}
void CivilFromDays(int64_t z, int& y, int& m, int& d) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2));
}
int KeyOfChar(char c) {
  if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
  if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ') return c;
  return 0;
}
}  // namespace

platform::DateTime AddSeconds(const platform::DateTime& t, int64_t seconds) {
  int64_t total = DaysFromCivil(t.year, t.month, t.day) * 86400 + t.hour * 3600 + t.minute * 60 + t.second + seconds;
  int64_t days = total >= 0 ? total / 86400 : (total - 86399) / 86400;
  int64_t rest = total - days * 86400;
  platform::DateTime out;
  CivilFromDays(days, out.year, out.month, out.day);
  out.hour = static_cast<int>(rest / 3600);
  out.minute = static_cast<int>(rest / 60 % 60);
  out.second = static_cast<int>(rest % 60);
  return out;
}

HeadlessBackend::HeadlessBackend(int width, int height, platform::DateTime start)
    : width_(width), height_(height), start_(start) {}

Backend::Wait HeadlessBackend::WaitEvent(int64_t deadline_ms, InputEvent& out) {
  while (!queue_.empty()) {
    Item& item = queue_.front();
    if (!item.wait) {
      out = std::move(item.event);
      queue_.pop_front();
      if (out.type == EventType::kHostMinimized) host_minimized_ = true;
      if (out.type == EventType::kHostRestored) host_minimized_ = false;
      if (out.type == EventType::kScreenSize) width_ = out.x, height_ = out.y;
      return Wait::kEvent;
    }
    const int64_t target = now_ + item.ms;
    if (deadline_ms < target) {
      const int64_t reached = std::max(now_, deadline_ms);
      item.ms = target - reached;
      now_ = reached;
      return Wait::kTimeout;
    }
    // The wait is over; timers falling due at its very end fire before the next input.
    now_ = target;
    queue_.pop_front();
    return Wait::kTimeout;
  }
  return Wait::kExhausted;
}

void HeadlessBackend::SetPointer(int shape, const PicturePtr& custom) {
  shape_ = shape;
  icon_ = custom;
}

std::function<platform::DateTime()> HeadlessBackend::WallClock() {
  return [this] { return AddSeconds(start_, now_ / 1000); };
}

void HeadlessBackend::Push(InputEvent e) { queue_.push_back(Item{false, 0, std::move(e)}); }

void HeadlessBackend::MoveIfNeeded(int x, int y, int shift) {
  if (x != queued_x_ || y != queued_y_) Move(x, y, shift);
}

void HeadlessBackend::Move(int x, int y, int shift) {
  queued_x_ = x;
  queued_y_ = y;
  PushMouse(EventType::kMouseMove, x, y, 0, shift);
}

void HeadlessBackend::PushMouse(EventType type, int x, int y, int button, int shift) {
  InputEvent e;
  e.type = type;
  e.x = x;
  e.y = y;
  e.button = button;
  e.shift = shift;
  Push(std::move(e));
}

void HeadlessBackend::Press(int x, int y, int button, int shift) {
  MoveIfNeeded(x, y, shift);
  PushMouse(EventType::kMouseDown, x, y, button, shift);
}

void HeadlessBackend::Release(int x, int y, int button, int shift) {
  MoveIfNeeded(x, y, shift);
  PushMouse(EventType::kMouseUp, x, y, button, shift);
}

void HeadlessBackend::Click(int x, int y, int button, int shift) {
  Press(x, y, button, shift);
  Release(x, y, button, shift);
}

void HeadlessBackend::DblClick(int x, int y, int button, int shift) {
  Click(x, y, button, shift);
  Click(x, y, button, shift);
}

void HeadlessBackend::Wheel(int x, int y, int notches, int shift) {
  MoveIfNeeded(x, y, shift);
  InputEvent e;
  e.type = EventType::kMouseWheel;
  e.x = x;
  e.y = y;
  e.wheel = notches;
  e.shift = shift;
  Push(std::move(e));
}

void HeadlessBackend::KeyDown(int key, int shift) {
  InputEvent e;
  e.type = EventType::kKeyDown;
  e.key = key;
  e.shift = shift;
  Push(std::move(e));
}

void HeadlessBackend::KeyUp(int key, int shift) {
  InputEvent e;
  e.type = EventType::kKeyUp;
  e.key = key;
  e.shift = shift;
  Push(std::move(e));
}

void HeadlessBackend::Key(int key, int shift) {
  KeyDown(key, shift);
  const bool letter = key >= 'A' && key <= 'Z';
  if ((letter || (key >= '0' && key <= '9') || key == ' ') && !(shift & (kCtrlMask | kAltMask))) {
    InputEvent e;
    e.type = EventType::kText;
    e.text = std::string(1, static_cast<char>(letter && !(shift & kShiftMask) ? key - 'A' + 'a' : key));
    Push(std::move(e));
  }
  KeyUp(key, shift);
}

void HeadlessBackend::Type(const std::string& text) {
  for (const std::string& ch : platform::Chars(text)) {
    const int key = ch.size() == 1 ? KeyOfChar(ch[0]) : 0;
    const int shift = ch.size() == 1 && ch[0] >= 'A' && ch[0] <= 'Z' ? kShiftMask : 0;
    if (key) KeyDown(key, shift);
    InputEvent e;
    e.type = EventType::kText;
    e.text = ch;
    Push(std::move(e));
    if (key) KeyUp(key, shift);
  }
}

void HeadlessBackend::Close() {
  InputEvent e;
  e.type = EventType::kQuit;
  Push(std::move(e));
}

void HeadlessBackend::Minimize() {
  InputEvent e;
  e.type = EventType::kHostMinimized;
  Push(std::move(e));
}

void HeadlessBackend::Restore() {
  InputEvent e;
  e.type = EventType::kHostRestored;
  Push(std::move(e));
}

void HeadlessBackend::ResizeScreen(int width, int height) {
  InputEvent e;
  e.type = EventType::kScreenSize;
  e.x = width;
  e.y = height;
  Push(std::move(e));
}

void HeadlessBackend::Wait(int64_t ms) {
  if (ms > 0) queue_.push_back(Item{true, ms, {}});
}

void HeadlessBackend::Call(std::function<void()> fn) {
  InputEvent e;
  e.type = EventType::kCall;
  e.call = std::move(fn);
  Push(std::move(e));
}

void Pump() { detail::RunUntil([] { return false; }, detail::OnExhausted::kReturn); }

HeadlessSession::HeadlessSession(int width, int height, double twips_per_pixel, platform::DateTime start) {
  ResetRuntime();
  SetTwipsPerPixel(twips_per_pixel);
  auto backend = std::make_unique<HeadlessBackend>(width, height, start);
  backend_ = backend.get();
  InstallBackend(std::move(backend));
}

HeadlessSession::~HeadlessSession() {
  ResetRuntime();
  InstallBackend(nullptr);
  platform::SetClockSource({});
  SetTwipsPerPixel(15);
}

}  // namespace xpexam::forms
