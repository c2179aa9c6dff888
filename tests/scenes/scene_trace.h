// Test support for the scenes: a scene run on a scripted clock, frame by
// frame, with the drawing state and the scene record read back after each
// frame and, for chosen frames, every polygon, line and point the frame hands
// to OpenGL, read back through GL feedback mode instead of being drawn.
//
//   std::vector<FrameAfter> f = RunFrames(Scene1, {0, 450}, {1});
//   f[0].state.tform_rot ...  f[1].trace.polygons ...
#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "scenes/scene_state.h"
#include "support/headless.h"

// One vertex in the layer's screen coordinates (origin top-left, y down), with
// the current colour (0 to 1) and texture coordinate it was sent with.
struct TraceVertex {
  float x, y;
  float r, g, b, a;
  float s, t;
};

struct TracePolygon {
  bool textured;  // the texture coordinate varies over its vertices
  std::vector<TraceVertex> v;
};

struct TraceLine {
  TraceVertex from, to;
};

struct FrameTrace {
  std::vector<TracePolygon> polygons;  // in drawing order
  std::vector<TraceLine> lines;
  std::vector<TraceVertex> points;
};

struct FrameAfter {
  TDrawState state;  // the drawing state when the frame ended
  DemoState demo;    // the scene record when the frame ended
  bool traced = false;
  FrameTrace trace;
};

// Run the scene with frame i reading demo.startTime + elapsed[i]; Escape is hit
// in the last frame, so the scene draws exactly elapsed.size() frames unless
// its end time passes first. Frames whose index is in `traced` are read back
// through feedback mode (they draw nothing) over a view wide enough that
// nothing within 1500 pixels of the screen is clipped.
std::vector<FrameAfter> RunFrames(void (*scene)(), const std::vector<int>& elapsed,
                                  const std::set<size_t>& traced = {});

// What the drawing calls hand to OpenGL, read back the same way.
FrameTrace TraceDrawing(const std::function<void()>& draw);

// The polygons drawn in the given colour (bytes, alpha 0 to 1), textured or not.
std::vector<TracePolygon> PolygonsIn(const FrameTrace& trace, bool textured, Rgb colour, float alpha);

// Where a textured polygon put the image: its handle's position, the rotation
// in degrees and the scale along the image's own axes.
struct Placement {
  float x, y, rotation, scaleX, scaleY;
};
Placement PlaceImage(const TracePolygon& polygon, const TImage& image);

// One layer of a zoom echo, read from its textured quad: how far it is turned
// (degrees, counter-clockwise on screen, about the screen centre) and magnified
// relative to the plain screen. Layer i of FxZoomEcho(.., dz, angle) is turned
// by i x angle and magnified by 1 / (1 - i x dz).
struct EchoLayer {
  double turn, magnification;
};
// The layers drawn in the echo's colour (r, g, b), in drawing order; layers
// that fall behind the eye are not drawn.
std::vector<EchoLayer> EchoLayers(const FrameTrace& trace, float r, float g, float b);

// How many tiles of the whole-screen copy FxTiles drew (count x count).
int TileQuads(const FrameTrace& trace);

// The bounding box of a polygon's vertices.
struct Bounds {
  float x0, y0, x1, y1;
};
Bounds BoundsOf(const TracePolygon& polygon);


// Scenes start on an open display with the drawing state as start-up leaves
// it (blend mode 3, clear colour 1, 1, 10), a fresh scene record, the feedback
// textures made and a cleared target.
class SceneTest : public DisplayTest {
 protected:
  void SetUp() override;
};

// The clear colour start-up sets.
constexpr Rgb kClearColour{1, 1, 10};
