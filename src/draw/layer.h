// Internals shared by the files of the 2D layer: the drawing state record, the
// memories of the OpenGL state last applied, and the compare-then-set helpers
// that every drawing operation goes through.
#pragma once

#include <GL/gl.h>

#include "draw/draw.h"
#include "draw/platform.h"

namespace layer {

extern TDrawState state;
extern LayerMemory memory;
extern unsigned char colorBytes[4];  // the OpenGL current colour: clamped RGB and alpha byte
extern bool skipping;                // the frame being drawn will not be shown: draw nothing

// Make the OpenGL current colour equal the colour bytes.
void ApplyColor();
// Enable or disable 2D texturing unless the memory says it already is.
void SetTexturing(bool on);
// Bind a texture unless the memory says it already is bound.
void BindTexture(unsigned texture);
// Forget everything applied, so the next calls reach OpenGL (a new context).
void ForgetMemory();

}  // namespace layer
