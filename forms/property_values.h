#pragma once
// The numbered values of the controls' and windows' properties. Each enumerator keeps the
// number the property has always had, so a number read from a file converts to it and a dump
// prints that number.

namespace xpexam::forms {

// BackStyle of a label or a shape.
enum class Background { kTransparent = 0, kOpaque = 1 };

// BorderStyle of a label, a frame, a picture box or a text box.
enum class BoxBorder { kNone = 0, kFixedSingle = 1 };

// BorderStyle of a window: 1 to 3 get a title bar.
enum class WindowBorder { kNone = 0, kFixedSingle = 1, kSizable = 2, kFixedDialog = 3 };

// BorderStyle of a shape or a line: 2 to 5 are drawn dotted when one pixel wide.
enum class Outline { kTransparent = 0, kSolid = 1, kDash = 2, kDot = 3, kDashDot = 4, kDashDotDot = 5, kInsideSolid = 6 };
constexpr bool DrawnDotted(Outline style) { return style >= Outline::kDash && style <= Outline::kDashDotDot; }

// Shape of a shape control.
enum class Figure { kRectangle = 0, kSquare = 1, kOval = 2, kCircle = 3, kRoundedRectangle = 4, kRoundedSquare = 5 };

// FillStyle of a shape: solid in FillColor, or not filled.
enum class ShapeFill { kSolid = 0, kTransparent = 1 };

// Alignment of a label's or a text box's text.
enum class TextAlign { kLeft = 0, kRight = 1, kCenter = 2 };

// WindowState of a window; a maximised one fills the screen.
enum class WindowSize { kNormal = 0, kMinimized = 1, kMaximized = 2 };

// StartUpPosition of a window: where it is first shown.
enum class StartPosition { kManual = 0, kCenterScreen = 2 };

// ScrollBars of a text box (only a multi-line box shows the vertical one).
enum class Scrolling { kNone = 0, kHorizontal = 1, kVertical = 2, kBoth = 3 };

// MousePointer of a control or a window: the standard shapes 0 to 15, or kCustom with a
// MouseIcon. kDefault leaves the shape to the control (a text box shows the I-beam).
enum class PointerStyle {
  kDefault = 0,
  kArrow = 1,
  kCross = 2,
  kIBeam = 3,
  kIcon = 4,
  kSize = 5,
  kSizeNeSw = 6,
  kSizeNS = 7,
  kSizeNwSe = 8,
  kSizeWE = 9,
  kUpArrow = 10,
  kHourglass = 11,
  kNoDrop = 12,
  kArrowHourglass = 13,
  kArrowQuestion = 14,
  kSizeAll = 15,
  kCustom = 99,
};

// Value of a check box.
enum class CheckState { kUnchecked = 0, kChecked = 1, kGrayed = 2 };

}  // namespace xpexam::forms
