#pragma once
// A call from a lower layer into a higher one. Each layer lists its hooks in one struct
// (<layer>/hooks.h); only app/ sets them, at start-up. An unset hook does nothing and answers
// a default value, so a layer runs (and is tested) on its own.
#include <functional>
#include <utility>

namespace xpexam::platform {

template <class Signature>
class Hook;

template <class R, class... Args>
class Hook<R(Args...)> {
 public:
  Hook& operator=(std::function<R(Args...)> fn) {
    fn_ = std::move(fn);
    return *this;
  }

  explicit operator bool() const { return static_cast<bool>(fn_); }

  R operator()(Args... args) const {
    if (!fn_) return R();
    return fn_(std::forward<Args>(args)...);
  }

 private:
  std::function<R(Args...)> fn_;
};

}  // namespace xpexam::platform
