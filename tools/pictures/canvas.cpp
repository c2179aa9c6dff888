// Shared drawing kit: random source, canvas, shape and text helpers, blur and
// the file writers used by every picture.
#include "canvas.h"

#include <fontconfig/fontconfig.h>
#include <jpeglib.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

Rgb Mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

uint32_t Rng::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

double Rng::Uniform(double lo, double hi) { return lo + (hi - lo) * (Next() >> 8) / 16777216.0; }

int Rng::Below(int n) { return int((uint64_t(Next()) * uint64_t(n)) >> 32); }

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
}

Canvas::~Canvas() {
  if (cr_) cairo_destroy(cr_);
  if (surface_) cairo_surface_destroy(surface_);
}

Canvas::Canvas(Canvas&& other) noexcept
    : width_(other.width_), height_(other.height_), surface_(other.surface_), cr_(other.cr_) {
  other.surface_ = nullptr;
  other.cr_ = nullptr;
}

void SetColor(cairo_t* cr, Rgb c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

void Circle(cairo_t* cr, double x, double y, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_close_path(cr);
}

void Ellipse(cairo_t* cr, double x, double y, double rx, double ry, double angle) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_close_path(cr);
  cairo_restore(cr);
}

void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min({r, w / 2, h / 2});
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
  cairo_close_path(cr);
}

void FillOutline(cairo_t* cr, Rgb fill, Rgb ink, double lineWidth) {
  SetColor(cr, fill);
  cairo_fill_preserve(cr);
  SetColor(cr, ink);
  cairo_set_line_width(cr, lineWidth);
  cairo_stroke(cr);
}

void StrokeOutlined(cairo_t* cr, Rgb color, double width, Rgb ink, double outline) {
  SetColor(cr, ink);
  cairo_set_line_width(cr, width + 2 * outline);
  cairo_stroke_preserve(cr);
  SetColor(cr, color);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void FillTint(cairo_t* cr, Rgb c, double alpha) {
  SetColor(cr, c, alpha);
  cairo_fill(cr);
}

void FillVerticalGradient(cairo_t* cr, double y0, double y1,
                          std::initializer_list<std::pair<double, Rgb>> stops, double x, double y,
                          double w, double h) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
  for (const auto& [at, c] : stops) cairo_pattern_add_color_stop_rgb(g, at, c.r, c.g, c.b);
  cairo_rectangle(cr, x, y, w, h);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void RidgePath(cairo_t* cr, double x0, double x1, double bottom,
               const std::function<double(double)>& height) {
  cairo_move_to(cr, x0, bottom);
  for (double x = x0; x <= x1 + 0.01; x += 4) cairo_line_to(cr, x, height(x));
  cairo_line_to(cr, x1, bottom);
  cairo_close_path(cr);
}

namespace {

// A layout with hinting switched off, so glyph shapes do not depend on the
// font configuration of the machine beyond the font files themselves.
PangoLayout* MakeLayout(cairo_t* cr, const std::string& text, const char* family, bool bold,
                        double px) {
  PangoContext* context = pango_cairo_create_context(cr);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  pango_cairo_context_set_font_options(context, options);
  cairo_font_options_destroy(options);

  PangoLayout* layout = pango_layout_new(context);
  g_object_unref(context);
  PangoFontDescription* desc = pango_font_description_new();
  pango_font_description_set_family(desc, family);
  pango_font_description_set_weight(desc, bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_absolute_size(desc, px * PANGO_SCALE);
  pango_layout_set_font_description(layout, desc);
  pango_font_description_free(desc);
  pango_layout_set_text(layout, text.c_str(), -1);
  return layout;
}

}  // namespace

void TextPath(cairo_t* cr, const std::string& text, const char* family, bool bold, double px,
              double cx, double cy) {
  PangoLayout* layout = MakeLayout(cr, text, family, bold, px);
  PangoRectangle ink, logical;
  pango_layout_get_extents(layout, &ink, &logical);
  double x = ink.x / double(PANGO_SCALE), y = ink.y / double(PANGO_SCALE);
  double w = ink.width / double(PANGO_SCALE), h = ink.height / double(PANGO_SCALE);
  cairo_move_to(cr, cx - x - w / 2, cy - y - h / 2);
  pango_cairo_layout_path(cr, layout);
  g_object_unref(layout);
}

void ReleaseFontCaches() {
  pango_cairo_font_map_set_default(nullptr);
  cairo_debug_reset_static_data();
  FcFini();
}

namespace {

// One box-blur pass along a line of `count` pixels `step` words apart, for
// each of the four 8-bit channels packed in a word. Edges repeat the pixel.
void BlurLine(uint32_t* line, int count, int step, int radius, std::vector<uint32_t>& copy) {
  copy.resize(count);
  for (int i = 0; i < count; ++i) copy[i] = line[i * step];
  const int window = 2 * radius + 1;
  for (int shift = 0; shift < 32; shift += 8) {
    auto at = [&](int i) { return int((copy[std::clamp(i, 0, count - 1)] >> shift) & 0xff); };
    int sum = 0;
    for (int i = -radius; i <= radius; ++i) sum += at(i);
    for (int i = 0; i < count; ++i) {
      uint32_t v = uint32_t((sum + window / 2) / window);
      uint32_t& px = line[i * step];
      px = (px & ~(0xffu << shift)) | (v << shift);
      sum += at(i + radius + 1) - at(i - radius);
    }
  }
}

}  // namespace

void BoxBlur(cairo_surface_t* surface, int radius, int passes) {
  cairo_surface_flush(surface);
  uint32_t* data = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface));
  const int w = cairo_image_surface_get_width(surface);
  const int h = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface) / 4;
  std::vector<uint32_t> copy;
  for (int p = 0; p < passes; ++p) {
    for (int y = 0; y < h; ++y) BlurLine(data + y * stride, w, 1, radius, copy);
    for (int x = 0; x < w; ++x) BlurLine(data + x, h, stride, radius, copy);
  }
  cairo_surface_mark_dirty(surface);
}

bool WritePng(const Canvas& canvas, const std::string& path, std::string& error) {
  cairo_surface_flush(canvas.surface());
  cairo_status_t status = cairo_surface_write_to_png(canvas.surface(), path.c_str());
  if (status != CAIRO_STATUS_SUCCESS) {
    error = path + ": " + cairo_status_to_string(status);
    return false;
  }
  return true;
}

namespace {

struct JpegError {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnJpegError(j_common_ptr info) {
  JpegError* err = reinterpret_cast<JpegError*>(info->err);
  err->mgr.format_message(info, err->message);
  std::longjmp(err->jump, 1);
}

// Encodes RGB rows; the result is malloc'ed by libjpeg and owned by the caller.
bool EncodeJpeg(const std::vector<unsigned char>& rgb, int w, int h, int quality,
                unsigned char** out, unsigned long* size, std::string& error) {
  jpeg_compress_struct info;
  JpegError err;
  info.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = OnJpegError;
  if (setjmp(err.jump)) {
    error = err.message;
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, out, size);
  info.image_width = JDIMENSION(w);
  info.image_height = JDIMENSION(h);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  // Full-resolution colour: the pictures are flat colours with sharp edges,
  // which halved chroma would smear.
  for (int c = 0; c < info.num_components; ++c) {
    info.comp_info[c].h_samp_factor = 1;
    info.comp_info[c].v_samp_factor = 1;
  }
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<unsigned char*>(&rgb[size_t(info.next_scanline) * w * 3]);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

// Decodes the encoded bytes again and counts pixels that came out pure black.
bool CountBlack(unsigned char* bytes, unsigned long size, long& black, std::string& error) {
  jpeg_decompress_struct info;
  JpegError err;
  std::vector<unsigned char> row;  // declared before setjmp: longjmp must skip no destructor
  info.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = OnJpegError;
  if (setjmp(err.jump)) {
    error = err.message;
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes, size);
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  row.resize(size_t(info.output_width) * 3);
  black = 0;
  while (info.output_scanline < info.output_height) {
    JSAMPROW p = row.data();
    jpeg_read_scanlines(&info, &p, 1);
    for (size_t i = 0; i < row.size(); i += 3)
      if (row[i] == 0 && row[i + 1] == 0 && row[i + 2] == 0) ++black;
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

bool WriteJpeg(const Canvas& canvas, const std::string& path, int quality, std::string& error) {
  cairo_surface_flush(canvas.surface());
  const int w = canvas.width(), h = canvas.height();
  const unsigned char* data = cairo_image_surface_get_data(canvas.surface());
  const int stride = cairo_image_surface_get_stride(canvas.surface());

  // Cairo keeps premultiplied native-endian ARGB words; the picture is meant to
  // be opaque, so anything translucent is shown over black here.
  std::vector<unsigned char> source(size_t(w) * h * 3);
  for (int y = 0; y < h; ++y) {
    const uint32_t* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * stride);
    for (int x = 0; x < w; ++x) {
      unsigned char* px = &source[(size_t(y) * w + x) * 3];
      px[0] = (row[x] >> 16) & 0xff;
      px[1] = (row[x] >> 8) & 0xff;
      px[2] = row[x] & 0xff;
    }
  }

  // Lift the darkest pixels a little, and more on each retry, until no pixel
  // decodes to pure black.
  for (int floor = 4; floor <= 24; floor += 4) {
    std::vector<unsigned char> rgb = source;
    for (size_t i = 0; i < rgb.size(); i += 3) {
      if (rgb[i] + rgb[i + 1] + rgb[i + 2] < 3 * floor) {
        rgb[i] = std::max<unsigned char>(rgb[i], floor);
        rgb[i + 1] = std::max<unsigned char>(rgb[i + 1], floor);
        rgb[i + 2] = std::max<unsigned char>(rgb[i + 2], 2 * floor);
      }
    }
    unsigned char* bytes = nullptr;
    unsigned long size = 0;
    long black = 0;
    bool ok = EncodeJpeg(rgb, w, h, quality, &bytes, &size, error) &&
              CountBlack(bytes, size, black, error);
    if (ok && black == 0) {
      FILE* f = std::fopen(path.c_str(), "wb");
      ok = f && std::fwrite(bytes, 1, size, f) == size;
      if (f && std::fclose(f) != 0) ok = false;
      if (!ok) error = path + ": cannot write the file";
    }
    std::free(bytes);
    if (!ok) {
      if (error.find(path) == std::string::npos) error = path + ": " + error;
      return false;
    }
    if (black == 0) return true;
  }
  error = path + ": dark areas still decode to pure black";
  return false;
}
