// A demonstration frame against a plain present loop of the same rate. A demonstration moves
// its drawn pointer over a full-screen desktop picture each frame; the frame recomposes and
// uploads only what changed. The plain loop composes nothing and uploads a whole frame, as a
// window that repaints every frame would. Both copy into a window-sized surface as the real
// window's backend does.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "forms/app.h"
#include "forms/form.h"
#include "forms/headless.h"
#include "forms/image.h"
#include "forms/label.h"

namespace xpexam::forms {
namespace {

constexpr int kW = 1024, kH = 768;

// Copies the changed rectangles of each frame into a window-sized surface.
class SurfaceBackend : public HeadlessBackend {
 public:
  SurfaceBackend() : HeadlessBackend(kW, kH), surface_(static_cast<size_t>(kW) * kH) {}
  void PresentChanged(const Canvas& frame, const std::vector<Rect>& changed) override {
    for (const Rect& r : changed) Upload(frame, r);
  }
  void Upload(const Canvas& frame, const Rect& r) {
    const unsigned char* data = frame.Data();
    for (int y = r.y; y < r.y + r.h; ++y)
      std::memcpy(&surface_[static_cast<size_t>(y) * kW + r.x], data + y * frame.Stride() + r.x * 4,
                  static_cast<size_t>(r.w) * 4);
  }
  uint32_t Probe() const { return surface_[kW * kH / 2]; }

 private:
  std::vector<uint32_t> surface_;
};

class FrmDemoBench : public FormOf<FrmDemoBench> {
 public:
  Image Pointer{*this, "Pointer"};
  std::vector<std::unique_ptr<Label>> labels;
  FrmDemoBench() {
    SetBorderStyle(forms::WindowBorder::kNone);
    Move(0, 0, kW * 15, kH * 15);
    SetPicture(Picture::Solid(kW, kH, Rgb(58, 110, 165)));
    for (int i = 0; i < 20; ++i) {
      auto l = std::make_unique<Label>(*this, "Label" + std::to_string(i));
      l->SetBackStyle(forms::Background::kTransparent);
      l->SetCaption("第" + std::to_string(i) + "步：请单击&开始按钮");
      l->Move((20 + (i % 4) * 240) * 15, (200 + (i / 4) * 80) * 15, 220 * 15, 40 * 15);
      labels.push_back(std::move(l));
    }
    Pointer.SetPicture(Picture::Solid(32, 32, Rgb(255, 255, 255)));
  }
};

SurfaceBackend* Install() {
  auto backend = std::make_unique<SurfaceBackend>();
  SurfaceBackend* b = backend.get();
  InstallBackend(std::move(backend));
  return b;
}

void BM_DemonstrationFrame(benchmark::State& state) {
  HeadlessSession session(kW, kH);
  SurfaceBackend* b = Install();
  FrmDemoBench& f = FrmDemoBench::Get();
  f.Show();
  Pump();
  int i = 0;
  for (auto _ : state) {
    // The drawn pointer glides a few pixels per frame, as a demonstration's does.
    ++i;
    f.Pointer.Move(((100 + i * 4) % 900) * 15.0, ((100 + i * 3) % 700) * 15.0);
    b->Wait(40);
    Pump();
    benchmark::DoNotOptimize(b->Probe());
  }
}
BENCHMARK(BM_DemonstrationFrame)->Unit(benchmark::kMicrosecond);

void BM_PlainPresentLoop(benchmark::State& state) {
  HeadlessSession session(kW, kH);
  SurfaceBackend* b = Install();
  FrmDemoBench::Get().Show();
  Pump();
  const Canvas& frame = ComposeScreen();
  for (auto _ : state) {
    b->Wait(40);
    Pump();
    b->Upload(frame, {0, 0, kW, kH});
    benchmark::DoNotOptimize(b->Probe());
  }
}
BENCHMARK(BM_PlainPresentLoop)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace xpexam::forms
