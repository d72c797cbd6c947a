#pragma once
// Arrays with fixed bounds: an index outside them is a failure of the statement, never UB.
#include <array>
#include <string>

#include "platform/failure.h"

namespace xpexam::platform {

template <class T, long Lo, long Hi>
class BoundedArray {
  static_assert(Hi >= Lo);

 public:
  static constexpr long kLower = Lo;
  static constexpr long kUpper = Hi;

  T& operator[](long i) { return items_[Slot(i)]; }
  const T& operator[](long i) const { return items_[Slot(i)]; }
  static bool InBounds(long i) { return i >= Lo && i <= Hi; }
  void Fill(const T& value) { items_.fill(value); }

 private:
  static size_t Slot(long i) {
    if (!InBounds(i)) Fail(kErrSubscript, "Subscript out of range");
    return static_cast<size_t>(i - Lo);
  }
  std::array<T, static_cast<size_t>(Hi - Lo + 1)> items_{};
};

// Two-dimensional: a(i, j).
template <class T, long Lo1, long Hi1, long Lo2, long Hi2>
class BoundedArray2 {
 public:
  T& operator()(long i, long j) { return rows_[i][j]; }
  const T& operator()(long i, long j) const { return rows_[i][j]; }

 private:
  BoundedArray<BoundedArray<T, Lo2, Hi2>, Lo1, Hi1> rows_{};
};

}  // namespace xpexam::platform
