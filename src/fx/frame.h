// The frame every effect wraps around its drawing: save all attribute groups
// and both matrices, texturing on, depth test off, and restore it all after.
#pragma once

#include <GL/gl.h>

#include "draw/frames.h"
#include "fx/fx.h"

namespace fx {

// Save the attribute groups, enable texturing, set blending, disable the depth
// test, and push and reset the projection matrix (left selected).
void BeginEffect(bool blend);
// Bind feedbackTex and copy the whole screen into it.
void CopyScreen();
// Push and reset the model-view matrix (left selected).
void BeginModelView();
// Pop both matrices and restore the attribute groups.
void EndEffect();

// The texture coordinates of the far corner of a whole-screen copy.
inline float CopyS() { return feedback.screenW / float(feedback.texW); }
inline float CopyT() { return feedback.screenH / float(feedback.texH); }

// The copy drawn upright over the whole screen, in normalised device coordinates.
void DrawScreenQuad();

}  // namespace fx
