#include <benchmark/benchmark.h>

#include <string>

#include "forms/app.h"
#include "forms/form.h"
#include "forms/headless.h"
#include "forms/image.h"
#include "forms/label.h"

namespace xpexam::forms {
namespace {

// A desktop-like window: a full-screen background picture, five overlay pictures, 20 labels.
class FrmBench : public FormOf<FrmBench> {
 public:
  Image Image1{*this, "Image1"}, Image2{*this, "Image2"}, Image3{*this, "Image3"}, Image4{*this, "Image4"},
      Image5{*this, "Image5"};
  std::vector<std::unique_ptr<Label>> labels;
  FrmBench() {
    SetBorderStyle(forms::WindowBorder::kNone);
    Move(0, 0, 12000, 9000);
    SetPicture(Picture::Solid(800, 600, Rgb(58, 110, 165)));
    Image* images[] = {&Image1, &Image2, &Image3, &Image4, &Image5};
    for (int i = 0; i < 5; ++i) {
      images[i]->SetPicture(Picture::Solid(120, 80, Rgb(236, 233, 216)));
      images[i]->Move((40 + i * 140) * 15, 600);
    }
    for (int i = 0; i < 20; ++i) {
      auto l = std::make_unique<Label>(*this, "Label" + std::to_string(i));
      l->SetBackStyle(i % 2 ? Background::kOpaque : Background::kTransparent);
      l->SetCaption("第" + std::to_string(i) + "题：请打开&记事本");
      l->Move((20 + (i % 4) * 190) * 15, (200 + (i / 4) * 60) * 15, 180 * 15, 40 * 15);
      labels.push_back(std::move(l));
    }
  }
};

void BM_ComposeScreen(benchmark::State& state) {
  HeadlessSession session(800, 600);
  FrmBench::Get().Show();
  ComposeScreen();
  int i = 0;
  for (auto _ : state) {
    // One caption changes per frame, as a timer tick would do.
    FrmBench::Get().labels[i % 20]->SetCaption("第" + std::to_string(i % 7) + "题：请打开&记事本");
    ++i;
    benchmark::DoNotOptimize(ComposeScreen().PixelAt(400, 300));
  }
}
BENCHMARK(BM_ComposeScreen)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace xpexam::forms
