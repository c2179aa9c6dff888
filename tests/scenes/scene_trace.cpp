// Scripted scene runs and their feedback-mode read-back.
#include "scenes/scene_trace.h"

#include <GL/gl.h>

#include <cmath>
#include <memory>

#include "fx/fx.h"

namespace {

// Nothing the scenes draw lies this far off screen, so nothing is clipped. The
// margins keep the screen's 4:3, so the effects' quads keep their shape.
constexpr float kMarginX = 2000.0f, kMarginY = 1500.0f;
constexpr size_t kVertexFloats = 11;  // GL_3D_COLOR_TEXTURE in RGBA mode: x y z, r g b a, s t r q

TraceVertex ReadVertex(const GLfloat* f) {
  // Window coordinates count y up from the bottom of the 600-row target.
  return TraceVertex{f[0], 600.0f - f[1], f[3], f[4], f[5], f[6], f[7], f[8]};
}

bool SameVertex(const TraceVertex& a, const TraceVertex& b) {
  return a.x == b.x && a.y == b.y && a.s == b.s && a.t == b.t;
}

bool SameColour(const TraceVertex& a, const TraceVertex& b) {
  return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}

void AddVertexOnce(std::vector<TraceVertex>& v, const TraceVertex& x) {
  for (const TraceVertex& y : v)
    if (SameVertex(x, y)) return;
  v.push_back(x);
}

// Screen change per unit of s and of t over a textured polygon.
struct TextureAxes {
  double xs, ys, xt, yt;
};

TextureAxes AxesOf(const TracePolygon& polygon) {
  const std::vector<TraceVertex>& v = polygon.v;
  double best = 0;
  size_t a = 0, b = 1, c = 2;
  for (size_t i = 0; i < v.size(); ++i)
    for (size_t j = i + 1; j < v.size(); ++j)
      for (size_t k = j + 1; k < v.size(); ++k) {
        double det =
            std::fabs(double(v[j].s - v[i].s) * (v[k].t - v[i].t) - double(v[k].s - v[i].s) * (v[j].t - v[i].t));
        if (det > best) best = det, a = i, b = j, c = k;
      }
  if (best == 0) {
    ADD_FAILURE() << "polygon has no texture extent";
    return TextureAxes{};
  }
  const double ds1 = v[b].s - v[a].s, dt1 = v[b].t - v[a].t, ds2 = v[c].s - v[a].s, dt2 = v[c].t - v[a].t;
  const double det = ds1 * dt2 - ds2 * dt1;
  return TextureAxes{((v[b].x - v[a].x) * dt2 - (v[c].x - v[a].x) * dt1) / det,
                     ((v[b].y - v[a].y) * dt2 - (v[c].y - v[a].y) * dt1) / det,
                     ((v[c].x - v[a].x) * ds1 - (v[b].x - v[a].x) * ds2) / det,
                     ((v[c].y - v[a].y) * ds1 - (v[b].y - v[a].y) * ds2) / det};
}

// Where a texture coordinate lands on the screen.
void MapTexture(const TracePolygon& p, const TextureAxes& axes, double s, double t, double& x, double& y) {
  const TraceVertex& v = p.v.front();
  x = v.x + axes.xs * (s - v.s) + axes.xt * (t - v.t);
  y = v.y + axes.ys * (s - v.s) + axes.yt * (t - v.t);
}

// Two textured polygons lie in one plane of one texture mapping: the parts
// of one quad that clipping cut apart.
bool SameMapping(const TracePolygon& a, const TracePolygon& b) {
  const TextureAxes p = AxesOf(a), q = AxesOf(b);
  for (double corner : {0.0, 1.0}) {
    double ax, ay, bx, by;
    MapTexture(a, p, corner, corner, ax, ay);
    MapTexture(b, q, corner, corner, bx, by);
    if (std::fabs(ax - bx) > 1e-2 || std::fabs(ay - by) > 1e-2) return false;
    MapTexture(a, p, corner, 1 - corner, ax, ay);
    MapTexture(b, q, corner, 1 - corner, bx, by);
    if (std::fabs(ax - bx) > 1e-2 || std::fabs(ay - by) > 1e-2) return false;
  }
  return true;
}

// Mesa hands a polygon back as triangles that all end on the same vertex
// (a quad as (0, 1, 3), (1, 2, 3), a polygon as a fan about vertex 0);
// consecutive triangles of one colour that share their last vertex are
// put back together into one polygon.
FrameTrace Parse(const std::vector<GLfloat>& buffer, GLint used) {
  FrameTrace trace;
  TraceVertex pivot{};
  bool open = false;
  for (GLint i = 0; i < used;) {
    const GLint token = GLint(buffer[size_t(i)]);
    const GLfloat* data = &buffer[size_t(i) + 1];
    if (token == GL_POLYGON_TOKEN) {
      const int n = int(data[0]);
      std::vector<TraceVertex> v;
      for (int k = 0; k < n; ++k) v.push_back(ReadVertex(data + 1 + size_t(k) * kVertexFloats));
      const TraceVertex& last = v.back();
      if (open && SameVertex(last, pivot) && SameColour(last, trace.polygons.back().v.front())) {
        for (const TraceVertex& x : v) AddVertexOnce(trace.polygons.back().v, x);
      } else {
        trace.polygons.push_back(TracePolygon{false, {}});
        for (const TraceVertex& x : v) AddVertexOnce(trace.polygons.back().v, x);
      }
      pivot = last;
      open = true;
      i += 2 + n * GLint(kVertexFloats);
      continue;
    }
    open = false;
    if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
      trace.lines.push_back(TraceLine{ReadVertex(data), ReadVertex(data + kVertexFloats)});
      i += 1 + 2 * GLint(kVertexFloats);
    } else if (token == GL_POINT_TOKEN) {
      trace.points.push_back(ReadVertex(data));
      i += 1 + GLint(kVertexFloats);
    } else if (token == GL_BITMAP_TOKEN || token == GL_DRAW_PIXEL_TOKEN || token == GL_COPY_PIXEL_TOKEN) {
      i += 1 + GLint(kVertexFloats);
    } else if (token == GL_PASS_THROUGH_TOKEN) {
      i += 2;
    } else {
      ADD_FAILURE() << "unknown feedback token " << token;
      break;
    }
  }
  for (TracePolygon& p : trace.polygons)
    for (const TraceVertex& x : p.v)
      if (x.s != p.v.front().s || x.t != p.v.front().t) p.textured = true;
  // A quad that the effects' own view clipped comes back as pieces that do
  // not share a last vertex; they share one texture mapping.
  std::vector<TracePolygon> merged;
  for (TracePolygon& p : trace.polygons) {
    if (!merged.empty() && p.textured && merged.back().textured && SameColour(p.v.front(), merged.back().v.front()) &&
        SameMapping(p, merged.back())) {
      for (const TraceVertex& x : p.v) AddVertexOnce(merged.back().v, x);
    } else {
      merged.push_back(std::move(p));
    }
  }
  trace.polygons = std::move(merged);
  return trace;
}

struct Tracer {
  std::vector<GLfloat> buffer = std::vector<GLfloat>(4u << 20);
  GLint viewport[4] = {};
  GLint matrixMode = GL_MODELVIEW;
  bool on = false;

  void Start() {
    glFeedbackBuffer(GLsizei(buffer.size()), GL_3D_COLOR_TEXTURE, buffer.data());
    glRenderMode(GL_FEEDBACK);
    // The same pixel coordinates over a far larger view, so nothing is clipped.
    glGetIntegerv(GL_VIEWPORT, viewport);
    glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
    glViewport(GLint(-kMarginX), GLint(-kMarginY), GLsizei(800 + 2 * kMarginX), GLsizei(600 + 2 * kMarginY));
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-kMarginX, 800 + kMarginX, 600 + kMarginY, -kMarginY, -1, 1);
    glMatrixMode(GLenum(matrixMode));
    on = true;
  }

  FrameTrace Stop() {
    on = false;
    GLint used = glRenderMode(GL_RENDER);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GLenum(matrixMode));
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
    EXPECT_GE(used, 0) << "feedback buffer overflowed";
    return Parse(buffer, used);
  }
};

}  // namespace

std::vector<FrameAfter> RunFrames(void (*scene)(), const std::vector<int>& elapsed, const std::set<size_t>& traced) {
  struct Run {
    std::vector<int> readings;
    std::set<size_t> traced;
    std::vector<FrameAfter> frames;
    Tracer tracer;
    size_t next = 0;

    // The frame before has ended: keep what it left.
    void Close() {
      FrameAfter after;
      after.state = DrawState();
      after.demo = demo;
      if (tracer.on) {
        after.traced = true;
        after.trace = tracer.Stop();
      }
      frames.push_back(std::move(after));
    }
  };
  auto run = std::make_shared<Run>();
  for (int e : elapsed) run->readings.push_back(int(demo.startTime) + e);
  run->traced = traced;

  SetClockSource([run] {
    if (run->next > 0) run->Close();
    if (run->next >= run->readings.size()) {
      ADD_FAILURE() << "the scene read the clock past its script";
      return 1000000000;
    }
    if (run->traced.count(run->next)) run->tracer.Start();
    return run->readings[run->next++];
  });
  SetEscapeSource([run] { return run->next >= run->readings.size() ? 1 : 0; });
  scene();
  if (run->next > 0) run->Close();
  SetClockSource(nullptr);
  SetEscapeSource(nullptr);
  return std::move(run->frames);
}

FrameTrace TraceDrawing(const std::function<void()>& draw) {
  auto tracer = std::make_unique<Tracer>();
  tracer->Start();
  draw();
  return tracer->Stop();
}

std::vector<TracePolygon> PolygonsIn(const FrameTrace& trace, bool textured, Rgb colour, float alpha) {
  std::vector<TracePolygon> out;
  for (const TracePolygon& p : trace.polygons) {
    const TraceVertex& v = p.v.front();
    if (p.textured == textured && std::lround(v.r * 255) == colour.r && std::lround(v.g * 255) == colour.g &&
        std::lround(v.b * 255) == colour.b && std::fabs(v.a - alpha) < 0.5f / 255)
      out.push_back(p);
  }
  return out;
}

Placement PlaceImage(const TracePolygon& polygon, const TImage& image) {
  // The screen position is an affine function of the texture coordinate.
  const std::vector<TraceVertex>& v = polygon.v;
  const TextureAxes axes = AxesOf(polygon);
  const double xs = axes.xs, ys = axes.ys, xt = axes.xt, yt = axes.yt;
  // The handle sits at s = handle_x * u / width, t = handle_y * v / height.
  const double hs = image.handle_x * image.u / image.width, ht = image.handle_y * image.v / image.height;
  const double x = v[0].x + xs * (hs - v[0].s) + xt * (ht - v[0].t);
  const double y = v[0].y + ys * (hs - v[0].s) + yt * (ht - v[0].t);
  // One image pixel along each of its own axes.
  const double ix = xs * image.u / image.width, jx = ys * image.u / image.width;
  const double iy = xt * image.v / image.height, jy = yt * image.v / image.height;
  return Placement{float(x), float(y), float(std::atan2(jx, ix) * 180 / M_PI), float(std::hypot(ix, jx)),
                   float(std::hypot(iy, jy))};
}

Bounds BoundsOf(const TracePolygon& polygon) {
  Bounds b{1e9f, 1e9f, -1e9f, -1e9f};
  for (const TraceVertex& v : polygon.v) {
    b.x0 = std::min(b.x0, v.x), b.y0 = std::min(b.y0, v.y);
    b.x1 = std::max(b.x1, v.x), b.y1 = std::max(b.y1, v.y);
  }
  return b;
}

void SceneTest::SetUp() {
  DisplayTest::SetUp();
  static bool feedbackMade = false;
  if (!feedbackMade) InitFeedback(800, 600);
  feedbackMade = true;
  demo = DemoState();
  SetClsColor(kClearColour.r, kClearColour.g, kClearColour.b);
  SetBlend(3);
  Cls();
}

std::vector<EchoLayer> EchoLayers(const FrameTrace& trace, float r, float g, float b) {
  std::vector<EchoLayer> layers;
  // The traced view is wider on each side: the effects' unit square covers
  // 800 + 2 kMarginX pixels instead of 800.
  const double zoom = (800 + 2 * kMarginX) / 800.0;
  const double plain =
      800.0 / (feedback.screenW / float(feedback.texW));  // screen pixels per unit of s for the copy drawn as it was
  for (const TracePolygon& p : trace.polygons) {
    const TraceVertex& v = p.v.front();
    if (!p.textured || v.r != r || v.g != g || v.b != b) continue;
    const TextureAxes axes = AxesOf(p);
    layers.push_back(
        EchoLayer{-std::atan2(axes.ys, axes.xs) * 180 / M_PI, std::hypot(axes.xs, axes.ys) / zoom / plain});
  }
  return layers;
}

int TileQuads(const FrameTrace& trace) {
  int n = 0;
  for (const TracePolygon& p : trace.polygons) {
    if (!p.textured || p.v.front().r != 1.0f || p.v.front().g != 1.0f || p.v.front().b != 1.0f) continue;
    float s0 = 1, s1 = 0, t0 = 1, t1 = 0;
    for (const TraceVertex& v : p.v) {
      s0 = std::min(s0, v.s), s1 = std::max(s1, v.s);
      t0 = std::min(t0, v.t), t1 = std::max(t1, v.t);
    }
    if (s0 == 0 && t0 == 0 && s1 == (feedback.screenW / float(feedback.texW)) &&
        t1 == (feedback.screenH / float(feedback.texH)))
      ++n;
  }
  return n;
}
