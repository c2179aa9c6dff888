// Image decoding: PNG through libpng and JPEG through libjpeg, chosen by the
// file's signature. Both libraries report fatal errors through longjmp into
// handlers installed here, so a broken file never ends the process.
#include "draw/image_decode.h"

#include <sys/stat.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>

#include <jpeglib.h>
#include <jerror.h>
#include <png.h>

namespace {

bool SizeAcceptable(unsigned long width, unsigned long height, int channels, std::string& error) {
  if (width == 0 || height == 0) {
    error = "the picture has no pixels";
    return false;
  }
  if (width > unsigned(kMaxImageSide) || height > unsigned(kMaxImageSide) ||
      size_t(width) * size_t(height) * size_t(channels) > kMaxImageBytes) {
    error = "declared size " + std::to_string(width) + " x " + std::to_string(height) +
            " is too large (at most " + std::to_string(kMaxImageSide) + " per side and " +
            std::to_string(kMaxImageBytes >> 20) + " MiB decoded)";
    return false;
  }
  return true;
}

// ---- PNG -------------------------------------------------------------------

struct PngInput {
  const unsigned char* data;
  size_t size;
  size_t pos;
  char message[200];
};

void PngRead(png_structp png, png_bytep out, png_size_t count) {
  auto* in = static_cast<PngInput*>(png_get_io_ptr(png));
  if (count > in->size - in->pos) png_error(png, "file ends early");
  std::memcpy(out, in->data + in->pos, count);
  in->pos += count;
}

void PngError(png_structp png, png_const_charp message) {
  auto* in = static_cast<PngInput*>(png_get_io_ptr(png));
  if (in) std::snprintf(in->message, sizeof in->message, "%s", message);
  png_longjmp(png, 1);
}

void PngWarning(png_structp, png_const_charp) {}

// Everything that must survive a longjmp lives behind this pointer, in memory
// that the jump cannot leave in an indeterminate state.
struct PngJob {
  PngInput input;
  Pixmap* out;
  std::vector<png_bytep> rows;
  std::string error;
};

bool DecodePngInto(png_structp png, png_infop info, PngJob* job) {
  if (setjmp(png_jmpbuf(png))) {
    job->error = job->input.message[0] ? job->input.message : "PNG decoding failed";
    return false;
  }
  png_set_read_fn(png, &job->input, PngRead);
  // Text, palette-suggestion and other ancillary chunks mean nothing here, and a
  // hostile file can declare them gigabytes long: skip them unread.
  static const png_byte kIgnored[] = "iTXt\0tEXt\0zTXt\0pCAL\0sCAL\0sPLT\0iCCP\0eXIf\0";
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, 0);
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, kIgnored, int(sizeof kIgnored / 5));
  png_set_chunk_malloc_max(png, 4u << 20);
  png_read_info(png, info);

  png_uint_32 width = 0, height = 0;
  int depth = 0, colorType = 0, interlace = 0;
  png_get_IHDR(png, info, &width, &height, &depth, &colorType, &interlace, nullptr, nullptr);
  bool alpha = (colorType & PNG_COLOR_MASK_ALPHA) || png_get_valid(png, info, PNG_INFO_tRNS);
  if (!SizeAcceptable(width, height, alpha ? 4 : 3, job->error)) return false;

  png_set_expand(png);  // palette to RGB, low-depth grey to 8 bits, tRNS to alpha
  png_set_scale_16(png);
  png_set_gray_to_rgb(png);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);

  int channels = png_get_channels(png, info);
  if ((channels != 3 && channels != 4) || png_get_rowbytes(png, info) != size_t(width) * channels) {
    job->error = "unexpected pixel layout after expansion";
    return false;
  }
  Pixmap& out = *job->out;
  out.width = int(width);
  out.height = int(height);
  out.channels = channels;
  out.pixels.assign(size_t(width) * height * channels, 0);
  job->rows.resize(height);
  for (png_uint_32 y = 0; y < height; ++y) job->rows[y] = out.pixels.data() + size_t(y) * width * channels;
  png_read_image(png, job->rows.data());
  png_read_end(png, nullptr);
  return true;
}

bool DecodePng(const unsigned char* data, size_t size, Pixmap& out, std::string& error) {
  PngJob job{{data, size, 0, {0}}, &out, {}, {}};
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, PngError, PngWarning);
  if (!png) {
    error = "out of memory";
    return false;
  }
  png_infop info = png_create_info_struct(png);
  bool ok = info && DecodePngInto(png, info, &job);
  png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
  if (!ok) {
    out = Pixmap();
    error = job.error.empty() ? "PNG decoding failed" : job.error;
  }
  return ok;
}

// ---- JPEG ------------------------------------------------------------------

struct JpegErrors {
  jpeg_error_mgr base;
  jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
  bool truncated;
};

void JpegErrorExit(j_common_ptr cinfo) {
  auto* errors = reinterpret_cast<JpegErrors*>(cinfo->err);
  errors->base.format_message(cinfo, errors->message);
  std::longjmp(errors->jump, 1);
}

// Warnings are silent, except that running out of data means the file was cut
// short: the picture would be half grey, so it is refused like any broken file.
void JpegEmitMessage(j_common_ptr cinfo, int level) {
  auto* errors = reinterpret_cast<JpegErrors*>(cinfo->err);
  if (level < 0) {
    if (errors->base.msg_code == JWRN_JPEG_EOF) errors->truncated = true;
    errors->base.num_warnings++;
  }
}

struct JpegJob {
  jpeg_decompress_struct cinfo;
  JpegErrors errors;
  Pixmap* out;
  std::vector<unsigned char> row;
  std::string error;
};

void CmykToRgb(const unsigned char* cmyk, unsigned char* rgb, int width, bool inverted) {
  for (int x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
    int k = inverted ? cmyk[3] : 255 - cmyk[3];
    for (int c = 0; c < 3; ++c) {
      int v = inverted ? cmyk[c] : 255 - cmyk[c];
      rgb[c] = (unsigned char)((v * k + 127) / 255);
    }
  }
}

bool DecodeJpegInto(JpegJob* job, const unsigned char* data, size_t size) {
  jpeg_decompress_struct& cinfo = job->cinfo;
  if (setjmp(job->errors.jump)) {
    job->error = job->errors.message;
    return false;
  }
  jpeg_create_decompress(&cinfo);
  cinfo.mem->max_memory_to_use = long(kMaxImageBytes);
  jpeg_mem_src(&cinfo, data, (unsigned long)size);
  jpeg_read_header(&cinfo, TRUE);
  if (!SizeAcceptable(cinfo.image_width, cinfo.image_height, 3, job->error)) return false;

  bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
  cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_start_decompress(&cinfo);

  Pixmap& out = *job->out;
  out.width = int(cinfo.output_width);
  out.height = int(cinfo.output_height);
  out.channels = 3;
  out.pixels.assign(size_t(out.width) * out.height * 3, 0);
  job->row.resize(size_t(out.width) * cinfo.output_components);
  while (cinfo.output_scanline < cinfo.output_height) {
    unsigned char* dest = out.pixels.data() + size_t(cinfo.output_scanline) * out.width * 3;
    JSAMPROW rowPointer = cmyk ? job->row.data() : dest;
    if (jpeg_read_scanlines(&cinfo, &rowPointer, 1) != 1) break;
    if (cmyk) CmykToRgb(job->row.data(), dest, out.width, cinfo.saw_Adobe_marker);
    if (job->errors.truncated) break;
  }
  if (job->errors.truncated || cinfo.output_scanline < cinfo.output_height) {
    job->error = "file ends early";
    return false;
  }
  jpeg_finish_decompress(&cinfo);
  return true;
}

bool DecodeJpeg(const unsigned char* data, size_t size, Pixmap& out, std::string& error) {
  auto job = std::make_unique<JpegJob>();
  job->out = &out;
  job->cinfo.err = jpeg_std_error(&job->errors.base);
  job->errors.base.error_exit = JpegErrorExit;
  job->errors.base.emit_message = JpegEmitMessage;
  job->errors.message[0] = 0;
  job->errors.truncated = false;
  bool ok = DecodeJpegInto(job.get(), data, size);
  jpeg_destroy_decompress(&job->cinfo);
  if (!ok) {
    out = Pixmap();
    error = job->error.empty() ? "JPEG decoding failed" : job->error;
  }
  return ok;
}

}  // namespace

bool DecodeImage(const unsigned char* data, size_t size, Pixmap& out, std::string& error) {
  static const unsigned char kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  out = Pixmap();
  if (size >= 8 && std::memcmp(data, kPngSignature, 8) == 0) return DecodePng(data, size, out, error);
  if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF) return DecodeJpeg(data, size, out, error);
  error = size == 0 ? "the file is empty" : "not a PNG or JPEG file";
  return false;
}

bool ReadFileBytes(const std::string& path, std::vector<unsigned char>& out, std::string& error) {
  constexpr long long kMaxFileBytes = 1ll << 30;
  out.clear();
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    error = std::strerror(errno);
    return false;
  }
  struct stat info {};
  bool ok = fstat(fileno(file), &info) == 0;
  if (!ok || !S_ISREG(info.st_mode)) {
    error = ok ? "not a regular file" : std::strerror(errno);
  } else if (info.st_size > kMaxFileBytes) {
    error = "file is larger than 1 GiB";
  } else {
    out.resize(size_t(info.st_size));
    if (std::fread(out.data(), 1, out.size(), file) == out.size()) {
      std::fclose(file);
      return true;
    }
    error = "read error";
  }
  out.clear();
  std::fclose(file);
  return false;
}

bool DecodeImageFile(const std::string& path, Pixmap& out, std::string& error) {
  std::vector<unsigned char> bytes;
  if (!ReadFileBytes(path, bytes, error)) {
    out = Pixmap();
    return false;
  }
  return DecodeImage(bytes.data(), bytes.size(), out, error);
}
