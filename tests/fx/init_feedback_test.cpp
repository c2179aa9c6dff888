// The feedback textures: their size follows the screen's, their parameters are
// those the effects rely on, and creating them leaves OpenGL as it was.
#include "fx_fixture.h"

namespace {

struct TextureFacts {
  GLint width, height, level1Width, format, wrapS, wrapT, mag, min;
};

TextureFacts Facts(unsigned texture) {
  TextureFacts f{};
  glPushAttrib(GL_TEXTURE_BIT);
  glBindTexture(GL_TEXTURE_2D, texture);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &f.width);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &f.height);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &f.level1Width);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &f.format);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &f.wrapS);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &f.wrapT);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &f.mag);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &f.min);
  glPopAttrib();
  return f;
}

class InitFeedbackTest : public FxTest {};

TEST_F(InitFeedbackTest, TexturesTakeTheSmallestFittingPowerOfTwo) {
  const FeedbackState demoTextures = feedback;
  const struct {
    int width, height, texW, texH;
  } cases[] = {{800, 600, 1024, 1024}, {256, 256, 256, 256},    {257, 100, 512, 256},
               {2048, 2048, 2048, 2048}, {0, 0, 256, 256},      {2049, 600, -1, 1024},
               {600, 2049, 1024, -1},   {-5, 300, 256, 512}};
  GLuint bound = 0;
  glGenTextures(1, &bound);
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "InitFeedback " << c.width << ", " << c.height);
    glBindTexture(GL_TEXTURE_2D, bound);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    while (glGetError() != GL_NO_ERROR) {
    }
    EXPECT_EQ(InitFeedback(c.width, c.height), 0);
    // Without a size OpenGL refuses the storage; that is the only error.
    const bool fits = c.texW > 0 && c.texH > 0;
    EXPECT_EQ(glGetError(), GLenum(fits ? GL_NO_ERROR : GL_INVALID_VALUE));
    EXPECT_EQ(feedback.screenW, float(c.width));
    EXPECT_EQ(feedback.screenH, float(c.height));
    EXPECT_EQ(feedback.texW, c.texW);
    EXPECT_EQ(feedback.texH, c.texH);
    EXPECT_NE(feedback.feedbackTex, feedback.feedbackTex2);
    for (unsigned texture : {feedback.feedbackTex, feedback.feedbackTex2}) {
      TextureFacts f = Facts(texture);
      EXPECT_EQ(f.width, fits ? c.texW : 0);
      EXPECT_EQ(f.height, fits ? c.texH : 0);
      EXPECT_EQ(f.level1Width, 0) << "a mipmap level was allocated";
      if (fits) {
        EXPECT_EQ(f.format, GL_RGBA);
      }
      EXPECT_EQ(f.wrapS, GL_REPEAT);
      EXPECT_EQ(f.wrapT, GL_REPEAT);
      EXPECT_EQ(f.mag, GL_LINEAR);
      EXPECT_EQ(f.min, GL_LINEAR);
    }
    GLint binding = 0, alignment = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &binding);
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(GLuint(binding), bound) << "the texture binding was not restored";
    EXPECT_EQ(alignment, 1) << "the unpack alignment is client state and stays 1";
    const GLuint made[2] = {feedback.feedbackTex, feedback.feedbackTex2};
    glDeleteTextures(2, made);
  }
  glBindTexture(GL_TEXTURE_2D, 0);
  glDeleteTextures(1, &bound);
  feedback = demoTextures;
}

}  // namespace
