#pragma once
// Colours with the high bit set name a system colour (&H8000000F is the button face); the
// runtime resolves them to the Windows XP theme's values when it draws.
#include "forms/graphics.h"

namespace xpexam::forms {

constexpr Color kSysDesktop = 0x80000001;
constexpr Color kSysActiveCaption = 0x80000002;
constexpr Color kSysMenu = 0x80000004;
constexpr Color kSysWindow = 0x80000005;
constexpr Color kSysWindowFrame = 0x80000006;
constexpr Color kSysMenuText = 0x80000007;
constexpr Color kSysWindowText = 0x80000008;
constexpr Color kSysCaptionText = 0x80000009;
constexpr Color kSysHighlight = 0x8000000D;
constexpr Color kSysHighlightText = 0x8000000E;
constexpr Color kSysButtonFace = 0x8000000F;
constexpr Color kSysButtonShadow = 0x80000010;
constexpr Color kSysGrayText = 0x80000011;
constexpr Color kSysButtonText = 0x80000012;
constexpr Color kSysButtonHighlight = 0x80000014;
constexpr Color kSysButtonDarkShadow = 0x80000015;
constexpr Color kSysInfoText = 0x80000017;
constexpr Color kSysInfoBackground = 0x80000018;

// The plain &H00BBGGRR value of a colour.
Color ResolveColor(Color c);

}  // namespace xpexam::forms
