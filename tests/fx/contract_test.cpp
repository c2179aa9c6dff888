// What every effect promises the 2D layer: OpenGL is left as the layer left it,
// so the layer's next draws come out exactly as they would have without the
// effect; and an effect allocates nothing once it has run.
#include <functional>

#include "fx_fixture.h"
#include "support/allocations.h"


namespace {

// The OpenGL state the layer relies on between its calls.
struct LayerGLState {
  GLboolean blend, alphaTest, texturing;
  GLint blendSrc, blendDst, texture, matrixMode;
  GLfloat color[4], clearColor[4], projection[16], modelview[16];

  static LayerGLState Now() {
    LayerGLState s{};
    s.blend = glIsEnabled(GL_BLEND);
    s.alphaTest = glIsEnabled(GL_ALPHA_TEST);
    s.texturing = glIsEnabled(GL_TEXTURE_2D);
    glGetIntegerv(GL_BLEND_SRC, &s.blendSrc);
    glGetIntegerv(GL_BLEND_DST, &s.blendDst);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &s.texture);
    glGetIntegerv(GL_MATRIX_MODE, &s.matrixMode);
    glGetFloatv(GL_CURRENT_COLOR, s.color);
    glGetFloatv(GL_COLOR_CLEAR_VALUE, s.clearColor);
    glGetFloatv(GL_PROJECTION_MATRIX, s.projection);
    glGetFloatv(GL_MODELVIEW_MATRIX, s.modelview);
    return s;
  }

  void ExpectEqual(const LayerGLState& o) const {
    EXPECT_EQ(blend, o.blend);
    EXPECT_EQ(alphaTest, o.alphaTest);
    EXPECT_EQ(texturing, o.texturing);
    EXPECT_EQ(blendSrc, o.blendSrc);
    EXPECT_EQ(blendDst, o.blendDst);
    EXPECT_EQ(texture, o.texture);
    EXPECT_EQ(matrixMode, o.matrixMode);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(color[i], o.color[i]) << "current colour " << i;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(clearColor[i], o.clearColor[i]) << "clear colour " << i;
    for (int i = 0; i < 16; ++i) EXPECT_EQ(projection[i], o.projection[i]) << "projection " << i;
    for (int i = 0; i < 16; ++i) EXPECT_EQ(modelview[i], o.modelview[i]) << "model-view " << i;
  }
};

class ContractTest : public FxTest {
 protected:
  void SetUp() override {
    FxTest::SetUp();
    if (!sprite) sprite = LoadRamp();
    ASSERT_NE(sprite, nullptr);
  }

  // A sprite with an alpha ramp, so a wrong blend function shows; loaded once
  // and kept, as the demo keeps its pictures.
  static TImage* LoadRamp() {
    std::vector<unsigned char> rgba(32 * 32 * 4);
    for (int i = 0; i < 32 * 32; ++i) {
      rgba[i * 4 + 0] = (unsigned char)(i % 32 * 8);
      rgba[i * 4 + 1] = 200;
      rgba[i * 4 + 2] = (unsigned char)(i / 32 * 8);
      rgba[i * 4 + 3] = (unsigned char)(i % 32 * 8 + 7);
    }
    const std::string path = TempPath("ramp.png");
    WritePng(path, 32, 32, 4, rgba);
    AutoMidHandle(true);
    TImage* image = LoadImage(path, -1);
    AutoMidHandle(false);
    return image;
  }

  // A frame for the effect to work on, then the drawing state of a scene,
  // ending with an image or with a rectangle.
  void DrawBefore(bool endWithImage) {
    Cls();
    DrawQuarters();
    SetColor(200, 120, 60);
    SetAlpha(0.6f);
    SetRotation(30.0f);
    SetScale(1.5f, 0.75f);
    if (endWithImage) {
      DrawImage(sprite, 600, 450, 0);
    } else {
      DrawRect(600, 450, 20, 20);
    }
  }

  // The layer's next draws, on a fresh frame.
  std::vector<unsigned char> DrawAfter() {
    Cls();
    DrawImage(sprite, 200, 150, 0);
    DrawRect(300, 300, 60, 30);
    SetBlend(3);
    DrawImage(sprite, 420, 330, 0);
    DrawRect(100, 400, 30, 30);
    return Snapshot();
  }

  static inline TImage* sprite = nullptr;
};

TEST_F(ContractTest, EffectsLeaveTheLayersStateAlone) {
  const struct {
    const char* name;
    std::function<void()> run;
  } effects[] = {
      {"zoom echo", [] { FxZoomEcho(0.15f, 0.1f, 0.1f, 0.1f, 3.0f); }},
      {"tiles", [] { FxTiles(3); }},
      {"no tiles", [] { FxTiles(0); }},
      {"opaque thumbnails", [] { FxThumbColumn(0, 0, 1.0f, 0.6f); }},
      {"added thumbnails of a fresh copy", [] { FxThumbColumn(1, 1, 1.0f, 0.6f); }},
      {"opaque kaleidoscope", [] { FxKaleido(0, 1.0f); }},
      {"added kaleidoscope", [] { FxKaleido(1, 2.0f); }},
      {"added hard mosaic", [] { FxPixelate(40.0f, 1, 1, 1.0f, 1.0f, 1.0f); }},
      {"smooth mosaic alone", [] { FxPixelate(40.0f, 0, 0, 1.0f, 0.5f, 1.0f); }},
      {"colour split", [] { FxRgbSplit(0.05f, 0.0f); }},
  };
  for (bool endWithImage : {true, false}) {
    DrawBefore(endWithImage);
    const std::vector<unsigned char> reference = DrawAfter();
    for (const auto& effect : effects) {
      SCOPED_TRACE(testing::Message() << effect.name << (endWithImage ? ", after an image" : ", after a rectangle"));
      DrawBefore(endWithImage);
      const LayerGLState before = LayerGLState::Now();
      const long allocated = AllocationsSoFar();
      effect.run();
      if (!endWithImage) {
        EXPECT_EQ(AllocationsSoFar() - allocated, 0) << "allocations in the second call";
      }
      LayerGLState::Now().ExpectEqual(before);
      EXPECT_TRUE(DrawAfter() == reference) << "the next draws differ";
    }
  }
}

}  // namespace
