#include <benchmark/benchmark.h>

#include <string>

#include "forms/graphics.h"

namespace xpexam::forms {
namespace {

// One frame of a typical window: a full-screen picture, a few overlays and 20 labels.
void BM_ComposeFrame(benchmark::State& state) {
  Canvas canvas(800, 600);
  const PicturePtr background = Picture::Solid(800, 600, Rgb(58, 110, 165));
  const PicturePtr overlay = Picture::Solid(120, 80, Rgb(236, 233, 216));
  TextStyle style;
  style.access_keys = true;
  for (auto _ : state) {
    Painter p(canvas);
    p.DrawPicture(*background, 0, 0);
    for (int i = 0; i < 5; ++i) p.DrawPicture(*overlay, 40 + i * 140, 40);
    for (int i = 0; i < 20; ++i)
      p.DrawText("第" + std::to_string(i) + "题：请打开&记事本", style, {20 + (i % 4) * 190, 200 + (i / 4) * 60, 180, 40});
    p.StrokeRect({10, 10, 780, 580}, 0, 1, LineStyle::kDot);
  }
}
BENCHMARK(BM_ComposeFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace xpexam::forms
