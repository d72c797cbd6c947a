// The event loop shared by every loop of the runtime, program end, and the backend in use.
#include <algorithm>
#include <chrono>
#include <iostream>
#include <thread>
#include <utility>

#include "forms/runtime.h"
#include "forms/screen_layout.h"
#include "platform/clock.h"
#include "platform/http.h"

namespace xpexam::forms {

namespace {

// The real clock and no input: what runs before a backend is installed.
class IdleBackend : public Backend {
 public:
  int ScreenWidth() const override { return 1024; }
  int ScreenHeight() const override { return 768; }
  int64_t NowMs() override {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  }
  Wait WaitEvent(int64_t deadline_ms, InputEvent&) override {
    if (deadline_ms == kNoDeadline) return Wait::kExhausted;
    int64_t now = NowMs();
    if (deadline_ms > now) std::this_thread::sleep_for(std::chrono::milliseconds(deadline_ms - now));
    return Wait::kTimeout;
  }
  void Present(const Canvas&) override {}
  void SetPointer(int, const PicturePtr&) override {}
};

struct LoopState {
  std::unique_ptr<Backend> backend = std::make_unique<IdleBackend>();
  bool ended = false;
  int handlers = 0;
  int loops = 0;
  std::vector<std::unique_ptr<Form>> dead_forms;
  std::vector<std::shared_ptr<void>> dead_objects;
  std::function<void()> close_request;
  // The host window is iconified, as far as its backend said or the runtime asked.
  bool host_minimized = false;
  // A window was shown or restored since the host state was last checked.
  bool window_appeared = false;
  // The screen size the windows are laid out for, in pixels.
  int screen_width = 0, screen_height = 0;
};

LoopState& S() {
  // Never destroyed, like the other runtime singletons: windows may outlive static destruction.
  static auto* state = new LoopState;
  return *state;
}

void DispatchEvent(InputEvent& e) {
  switch (e.type) {
    case EventType::kQuit:
      // The request to leave the program; a menu or a drag that holds the input comes first.
      if (!Wm().Grabs().empty()) break;
      if (S().close_request) {
        auto hook = S().close_request;
        detail::Invoke(hook);
      } else if (Form* f = TopWindow()) {
        detail::Invoke([f] { f->CloseRequested(); });
      }
      break;
    case EventType::kCall:
      detail::Invoke([&] { e.call(); });
      break;
    case EventType::kHostMinimized:
      // The window manager's own minimise leaves the windows as they are.
      S().host_minimized = true;
      S().window_appeared = false;
      break;
    case EventType::kHostRestored:
      S().host_minimized = false;
      Wm().RestoreFromTaskbar();
      break;
    case EventType::kScreenSize: {
      const int old_width = S().screen_width, old_height = S().screen_height;
      S().screen_width = S().backend->ScreenWidth();
      S().screen_height = S().backend->ScreenHeight();
      FollowScreenSize(old_width, old_height);
      break;
    }
    case EventType::kMouseMove:
    case EventType::kMouseDown:
    case EventType::kMouseUp:
    case EventType::kMouseWheel:
    case EventType::kKeyDown:
    case EventType::kKeyUp:
    case EventType::kText:
      Wm().Dispatch(e);
      break;
  }
}

// Nothing of the program left on the screen but minimised windows: the host window goes to the
// taskbar too, or it would stay up empty with no way to bring them back. A window that appears
// while the host is iconified brings the host back, or the learner would never see it.
void KeepHostInStep() {
  const bool appeared = std::exchange(S().window_appeared, false);
  if (!S().host_minimized && Wm().OnlyMinimizedShown()) {
    S().host_minimized = true;
    S().backend->MinimizeHost();
  } else if (S().host_minimized && appeared && Wm().AnyShownNotMinimized()) {
    S().host_minimized = false;
    S().backend->RestoreHost();
  }
}

// Waits for one input event until the deadline and dispatches it. What the wait gave is the
// caller's to act on: running out of input ends the program in some loops and not in others.
Backend::Wait WaitAndDispatch(int64_t deadline_ms) {
  KeepHostInStep();
  InputEvent e;
  const Backend::Wait got = S().backend->WaitEvent(deadline_ms, e);
  if (got == Backend::Wait::kEvent) DispatchEvent(e);
  return got;
}

// One turn of a waiting loop: a due timer fires; otherwise the screen is brought up to date,
// finished network requests report, and one input event is waited for until `limit` or the
// next timer.
Backend::Wait Step(int64_t limit_ms) {
  if (detail::FireDueTimer()) return Backend::Wait::kEvent;
  PresentIfChanged();
  platform::PollFiredRequests();
  return WaitAndDispatch(std::min(limit_ms, detail::NextTimerDue()));
}

// Runs one loop level: End() inside unwinds to the outermost level, where the loop gives false.
template <class Body>
bool LoopLevel(Body&& body) {
  detail::Scope scope(false);
  try {
    return body();
  } catch (const ProgramEnded&) {
    if (!scope.Outermost()) throw;
    return false;
  }
}

}  // namespace

namespace detail {

Scope::Scope(bool handler) : handler_(handler), outermost_(S().handlers + S().loops == 0) {
  ++(handler_ ? S().handlers : S().loops);
}
Scope::~Scope() { --(handler_ ? S().handlers : S().loops); }
int HandlerDepth() { return S().handlers; }

void ReportUnhandled(const std::string& what) { std::cerr << "forms: unhandled failure: " << what << "\n"; }

int64_t Now() { return S().backend->NowMs(); }

void Bury(std::unique_ptr<Form> form) { S().dead_forms.push_back(std::move(form)); }
void BuryObject(std::shared_ptr<void> object) { S().dead_objects.push_back(std::move(object)); }

void CollectGraveyard() {
  // Controls first: a buried control may belong to a buried window.
  while (!S().dead_objects.empty()) {
    auto dead = std::move(S().dead_objects);
    dead.clear();
  }
  while (!S().dead_forms.empty()) {
    auto dead = std::move(S().dead_forms);
    dead.clear();
  }
}

bool RunUntil(const std::function<bool()>& done, OnExhausted on_exhausted) {
  return LoopLevel([&] {
    while (true) {
      if (S().ended) return false;
      if (done()) return true;
      if (S().handlers == 0) CollectGraveyard();
      if (Step(Backend::kNoDeadline) != Backend::Wait::kExhausted) continue;
      if (on_exhausted == OnExhausted::kReturn) return true;
      End();
    }
  });
}

}  // namespace detail

void InstallBackend(std::unique_ptr<Backend> backend) {
  const bool real = backend != nullptr;
  S().backend = real ? std::move(backend) : std::make_unique<IdleBackend>();
  S().screen_width = S().backend->ScreenWidth();
  S().screen_height = S().backend->ScreenHeight();
  platform::SetClockSource({[] { return S().backend->NowMs(); }, S().backend->WallClock()});
  // Network waits keep the windows alive through this runtime's loop.
  platform::SetEventPump(real ? platform::EventPump(PumpEvents) : platform::EventPump());
  detail::Invalidate();
}

Backend& CurrentBackend() { return *S().backend; }

void Run() {
  detail::RunUntil([] { return LoadedForms().empty(); });
}

void DoEvents() {
  LoopLevel([] {
    while (!S().ended) {
      if (detail::FireDueTimer()) continue;
      if (WaitAndDispatch(detail::Now()) != Backend::Wait::kEvent) break;
    }
    PresentIfChanged();
    return true;
  });
}

bool PumpUntil(const std::function<bool()>& done, int64_t timeout_ms, int slice_ms) {
  const int64_t end = detail::Now() + timeout_ms;
  return LoopLevel([&] {
    while (true) {
      if (done()) return true;
      if (S().ended || detail::Now() >= end) return false;
      if (Step(std::min(detail::Now() + std::max(slice_ms, 0), end)) == Backend::Wait::kExhausted) End();
    }
  });
}

void PumpEvents(int max_wait_ms) {
  LoopLevel([&] {
    if (S().ended) return false;
    const int64_t deadline = std::min(detail::Now() + std::max(max_wait_ms, 0), detail::NextTimerDue());
    bool busy = false;
    while (detail::FireDueTimer()) busy = true;
    platform::PollFiredRequests();
    const Backend::Wait got = WaitAndDispatch(busy ? detail::Now() : deadline);
    if (got == Backend::Wait::kEvent) {
      while (WaitAndDispatch(detail::Now()) == Backend::Wait::kEvent) {
      }
    } else if (got == Backend::Wait::kExhausted) {
      End();
    }
    while (detail::FireDueTimer()) {
    }
    PresentIfChanged();
    return true;
  });
}

void End() {
  S().ended = true;
  if (S().handlers + S().loops > 0) throw ProgramEnded{};
}

bool Ended() { return S().ended; }

void SetCloseRequestHook(std::function<void()> hook) { S().close_request = std::move(hook); }

bool HostMinimized() { return S().host_minimized; }

namespace detail {
void NoteWindowAppeared() { S().window_appeared = true; }
}  // namespace detail

void ResetRuntime() {
  // Buried controls refer to their windows: they go first.
  detail::CollectGraveyard();
  ResetForms();
  Wm().Reset();
  ResetCompositor();
  S().ended = false;
  S().close_request = nullptr;
  S().host_minimized = false;
  S().window_appeared = false;
  SetScreenChangeHook(nullptr);
  S().handlers = 0;
  S().loops = 0;
  detail::Invalidate();
}

}  // namespace xpexam::forms
