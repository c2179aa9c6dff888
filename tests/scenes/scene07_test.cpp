// Scene 7: the effects that pile up after the echo at strict thresholds (the
// kaleidoscope, the thumbnail column, the third kaleidoscope wiping it), and
// the white veil over the first frame.
#include <vector>

#include "scenes/scene_state.h"
#include "scenes/late.h"
#include "support/scripted.h"

namespace {

class Scene7Test : public LateSceneTest {
 protected:
  void SetUp() override {
    LateSceneTest::SetUp();
    // The backdrop, drawn at half alpha, lies in the top-left quarter only.
    demo.kepra = SolidPicture("kepra", 200, 200, Rgb{0, 100, 0});
    demo.juna = SolidPicture("juna", 100, 40, Rgb{120, 0, 0});
  }

  // The second frame of a scene 7 whose frames both fall at this time. The
  // first frame's veil is always drawn; the second one's is made invisible.
  Picture SecondFrameAt(int elapsed) {
    ScriptedClock clock({elapsed, elapsed});
    ScriptedEscape escape({FlipCount() + 2});
    Recorder recorder({2}, [](long flip) {
      if (flip == 1) demo.fadeAlpha = 0.0f;
    });
    Scene7();
    EXPECT_EQ(recorder.flips(), 2);
    return recorder[2];
  }
};

// The kaleidoscope mirrors the top-left quarter into the others, so the picture
// is symmetric about its horizontal centre line, away from the thumbnails.
int Asymmetry(const Picture& p) { return MirrorMismatch(p, 0, 620); }
// The thumbnails stand in columns 640 to 772, in no mirrored order.
int ThumbAsymmetry(const Picture& p) { return MirrorMismatch(p, 640, 772); }

TEST_F(Scene7Test, EffectsPileUpAfterStrictThresholds) {
  // The second kaleidoscope (bright 2.0, clamped to 1.0) redraws a picture
  // that is already symmetric and leaves it unchanged, so it has no case here.
  const struct {
    int elapsed;
    bool mirrored, thumbnails;
  } cases[] = {
      {56060, false, false}, {56061, true, false}, {57811, true, false}, {59560, true, false},
      {59561, true, true},   {63060, true, true},  {63061, true, false},
  };
  for (const auto& c : cases) {
    const Picture p = SecondFrameAt(c.elapsed);
    if (c.mirrored) {
      EXPECT_LT(Asymmetry(p), 100) << c.elapsed;
    } else {
      EXPECT_GT(Asymmetry(p), 10000) << c.elapsed;
    }
    if (c.thumbnails) {
      EXPECT_GT(ThumbAsymmetry(p), 2000) << c.elapsed;
    } else {
      EXPECT_LT(ThumbAsymmetry(p), 100) << c.elapsed;
    }
  }
}

TEST_F(Scene7Test, FirstFrameIsUnderAWhiteVeilWhateverColourCameBefore) {
  SetColor(255, 50, 128);
  ScriptedClock clock({57000});
  ScriptedEscape escape({FlipCount() + 1});
  Recorder recorder({1});
  Scene7();
  // Where nothing is drawn the veil at 0.99 covers the clear colour 1, 1, 10.
  EXPECT_EQ(recorder[1].At(700, 550), (Rgb{252, 252, 252}));
}

}  // namespace
