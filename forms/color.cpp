#include "forms/color.h"

namespace xpexam::forms {

Color ResolveColor(Color c) {
  if (!(c & 0x80000000)) return c & 0xFFFFFF;
  switch (c & 0xFF) {
    case 1: return Rgb(0, 78, 152);
    case 2: return Rgb(0, 84, 227);
    case 4: return Rgb(255, 255, 255);
    case 5: return Rgb(255, 255, 255);
    case 6: return Rgb(0, 0, 0);
    case 7: return Rgb(0, 0, 0);
    case 8: return Rgb(0, 0, 0);
    case 9: return Rgb(255, 255, 255);
    case 13: return Rgb(49, 106, 197);
    case 14: return Rgb(255, 255, 255);
    case 15: return Rgb(236, 233, 216);
    case 16: return Rgb(172, 168, 153);
    case 17: return Rgb(172, 168, 153);
    case 18: return Rgb(0, 0, 0);
    case 20: return Rgb(255, 255, 255);
    case 21: return Rgb(113, 111, 100);
    case 23: return Rgb(0, 0, 0);
    case 24: return Rgb(255, 255, 225);
    default: return Rgb(0, 0, 0);
  }
}

}  // namespace xpexam::forms
