// Helpers for the tests of scenes 6 to 10.
#include "scenes/late.h"

#include <algorithm>
#include <cstdlib>

#include "fx/fx.h"
#include "scenes/scene_state.h"

Rgb Picture::At(int x, int y) const {
  const unsigned char* p = &rgb[(size_t(y) * 800 + size_t(x)) * 3];
  return Rgb{p[0], p[1], p[2]};
}

void LateSceneTest::SetUp() {
  DisplayTest::SetUp();
  demo = DemoState();
  InitFeedback(800, 600);
  AutoMidHandle(true);
  SetClsColor(1, 1, 10);
  SetBlend(3);
  Cls();
}

Recorder::Recorder(std::vector<long> keep, std::function<void(long)> onFlip) : state_(std::make_shared<State>()) {
  state_->base = FlipCount();
  state_->keep = std::move(keep);
  state_->onFlip = std::move(onFlip);
  auto state = state_;
  SetFrameSink([state](const FrameView& f) {
    const long n = f.index - state->base;
    state->last = n;
    if (std::find(state->keep.begin(), state->keep.end(), n) != state->keep.end())
      state->kept[n].rgb.assign(f.rgb, f.rgb + size_t(f.width) * f.height * 3);
    if (state->onFlip) state->onFlip(n);
  });
}

Recorder::~Recorder() { SetFrameSink(nullptr); }

const Picture& Recorder::operator[](long flip) const {
  static const Picture none{std::vector<unsigned char>(800 * 600 * 3, 0)};
  auto it = state_->kept.find(flip);
  EXPECT_TRUE(it != state_->kept.end()) << "no picture kept for Flip " << flip;
  return it == state_->kept.end() ? none : it->second;
}

long Recorder::flips() const { return state_->last; }

std::vector<int> Frames(const std::vector<std::pair<int, int>>& runs) {
  std::vector<int> out;
  for (const auto& run : runs) out.insert(out.end(), size_t(run.second), run.first);
  return out;
}

namespace {

int Differs(const Picture& p, int x, int y, int x2, int y2) {
  Rgb a = p.At(x, y), b = p.At(x2, y2);
  return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)}) > 8;
}

}  // namespace

int RowShiftMismatch(const Picture& p, int shift, int x0, int x1) {
  int n = 0;
  for (int y = 0; y + shift < 600; ++y)
    for (int x = x0; x < x1; ++x) n += Differs(p, x, y, x, y + shift);
  return n;
}

int MirrorMismatch(const Picture& p, int x0, int x1) {
  int n = 0;
  for (int y = 0; y < 300; ++y)
    for (int x = x0; x < x1; ++x) n += Differs(p, x, y, x, 599 - y);
  return n;
}

int MinChannel(const Picture& p, int channel, int x0, int y0, int x1, int y1) {
  int m = 255;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      Rgb c = p.At(x, y);
      m = std::min(m, channel == 0 ? c.r : channel == 1 ? c.g : c.b);
    }
  return m;
}
