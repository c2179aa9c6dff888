// Whatever is in data/: every bad picture or music file gives one warning on
// stderr that names it and nothing to draw or play; every good one, whatever
// its kind, loads without a word.
#include <cmath>
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>
#include <zlib.h>

#include "support/headless.h"
#include "support/ogg.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes ReadTestFile(const std::string& name) {
  Bytes bytes;
  std::FILE* f = std::fopen((std::string(TESTDATA_DIR) + "/" + name).c_str(), "rb");
  if (!f) return bytes;
  int c;
  while ((c = std::fgetc(f)) != EOF) bytes.push_back((unsigned char)c);
  std::fclose(f);
  return bytes;
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

Bytes Cut(Bytes bytes, double fraction) {
  bytes.resize(size_t(double(bytes.size()) * fraction));
  return bytes;
}

Bytes AbsurdlyLargePng() {
  Bytes png = ReadTestFile("png/basn6a08.png");
  auto put = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) png[at + size_t(i)] = (unsigned char)(v >> (24 - 8 * i));
  };
  put(16, 30000);  // width and height in the header, then the header's CRC
  put(20, 30000);
  put(29, uint32_t(crc32(0, png.data() + 12, 17)));
  return png;
}

int Lines(const std::string& text) { return int(std::count(text.begin(), text.end(), '\n')); }

struct FileCase {
  const char* name;  // the file's name in data/ (its ending need not match its content)
  Bytes content;     // written unless the case is of a missing file
  bool loads;
  bool missing = false;
};

class RobustnessTest : public DisplayTest {};

TEST_F(RobustnessTest, PicturesLoadOrWarnOnceNamingTheFile) {
  Bytes noise(3000);
  for (size_t i = 0; i < noise.size(); ++i) noise[i] = (unsigned char)((i * 2654435761u) >> 13);
  const Bytes png = ReadTestFile("png/basn6a08.png"), jpeg = ReadTestFile("jpeg/testorig.jpg");
  const FileCase cases[] = {
      {"missing.png", {}, false, true},
      {"empty.png", {}, false},
      {"cut-early.png", Cut(png, 0.1), false},
      {"cut-halfway.png", Cut(png, 0.5), false},
      {"cut-late.png", Cut(png, 0.95), false},
      {"cut-halfway.jpg", Cut(jpeg, 0.5), false},
      {"noise.png", noise, false},
      {"bad-crc.png", ReadTestFile("png-bad/badcrc.png"), false},
      {"huge.png", AbsurdlyLargePng(), false},
      {"twelve-bit.jpg", ReadTestFile("jpeg-bad/monkey12.jpg"), false},
      {"lossless.jpg", ReadTestFile("jpeg-bad/testimgl.jpg"), false},
      {"a-jpeg.png", jpeg, true},
      {"a-png.jpg", png, true},
      {"sixteen-bit.png", ReadTestFile("png/basn6a16.png"), true},
      {"grey.png", ReadTestFile("png/basn0g08.png"), true},
      {"grey-alpha.png", ReadTestFile("png/basn4a08.png"), true},
      {"palette.png", ReadTestFile("png/basn3p08.png"), true},
      {"palette-trns.png", ReadTestFile("png/ftbbn3p08.png"), true},
      {"interlaced.png", ReadTestFile("png/ibasn2c08.png"), true},
      {"progressive.jpg", ReadTestFile("jpeg/testprog.jpg"), true},
      {"grey.jpg", ReadTestFile("jpeg/testimggray.jpg"), true},
  };
  for (const FileCase& c : cases) {
    const std::string path = TempPath(c.name);
    if (!c.missing) WriteBytes(path, c.content);
    testing::internal::CaptureStderr();
    TImage* image = LoadImage(path, -1);
    const std::string err = testing::internal::GetCapturedStderr();
    if (c.loads) {
      EXPECT_NE(image, nullptr) << c.name << ": " << err;
      EXPECT_EQ(err, "") << c.name;
    } else {
      EXPECT_EQ(image, nullptr) << c.name;
      EXPECT_EQ(Lines(err), 1) << c.name << ": " << err;
      EXPECT_NE(err.find(path), std::string::npos) << c.name << ": " << err;
    }
    DrawImage(image, 400, 300, 0);  // harmless either way
  }
}

// CMYK and YCCK JPEGs are converted to RGB. Adobe's CMYK files store their
// inks inverted, as libjpeg writes them with its Adobe marker.
TEST_F(RobustnessTest, CmykJpegIsConvertedToRgb) {
  const std::string path = TempPath("cmyk.jpg");
  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  jpeg_compress_struct cinfo;
  jpeg_error_mgr errors;
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, file);
  cinfo.image_width = 16;
  cinfo.image_height = 16;
  cinfo.input_components = 4;
  cinfo.in_color_space = JCS_CMYK;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 100, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  // No cyan, full magenta and yellow, no black, stored inverted: red.
  std::vector<JSAMPLE> row(16 * 4);
  for (int x = 0; x < 16; ++x) row[size_t(x) * 4] = 255, row[size_t(x) * 4 + 3] = 255;
  while (cinfo.next_scanline < 16) {
    JSAMPROW p = row.data();
    jpeg_write_scanlines(&cinfo, &p, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::fclose(file);

  TImage* image = LoadImage(path, -1);
  ASSERT_NE(image, nullptr);
  EXPECT_NEAR(image->pixels[0], 255, 3);
  EXPECT_NEAR(image->pixels[1], 0, 3);
  EXPECT_NEAR(image->pixels[2], 0, 3);
  EXPECT_EQ(image->pixels[3], 255);
}

// A tone with a little noise on it, so the encoder spends bytes on every second.
float Tone(long i, int c, int rate) {
  const unsigned hash = unsigned(i * 2654435761u + unsigned(c) * 40503u) >> 16;
  return 0.3f * std::sin(6.2831853f * float(330 + 110 * c) * float(i) / float(rate)) +
         0.1f * (float(hash & 0xFFFF) / 32768.0f - 1.0f);
}

TEST_F(RobustnessTest, MusicLoadsOrWarnsOnceNamingTheFile) {
  struct Made {
    const char* name;
    int rate, channels;
  };
  const Made made[] = {{"stereo.ogg", 44100, 2}, {"six.ogg", 48000, 6}, {"low.ogg", 8000, 1},
                       {"half.ogg", 22050, 2}, {"high.ogg", 48000, 2}};
  for (const Made& m : made)
    WriteOgg(TempPath(m.name), m.rate, m.channels, 2 * m.rate, [&](long i, int c) { return Tone(i, c, m.rate); });
  Bytes stereo;
  {
    std::FILE* f = std::fopen(TempPath("stereo.ogg").c_str(), "rb");
    int c;
    while ((c = std::fgetc(f)) != EOF) stereo.push_back((unsigned char)c);
    std::fclose(f);
  }
  WriteBytes(TempPath("cut.ogg"), Cut(stereo, 0.7));
  WriteBytes(TempPath("headers-cut.ogg"), Cut(stereo, 0.01));
  WriteBytes(TempPath("empty.ogg"), {});
  WriteBytes(TempPath("picture.ogg"), ReadTestFile("png/basn6a08.png"));

  const struct {
    const char* name;
    bool loads;
    int warnings;
    int rate, channels;
  } cases[] = {{"missing.ogg", false, 1, 0, 0},     {"empty.ogg", false, 1, 0, 0},
               {"picture.ogg", false, 1, 0, 0},     {"headers-cut.ogg", false, 1, 0, 0},
               {"cut.ogg", true, 1, 44100, 2},      {"stereo.ogg", true, 0, 44100, 2},
               {"six.ogg", true, 0, 48000, 2},      {"low.ogg", true, 0, 8000, 1},
               {"half.ogg", true, 0, 22050, 2},     {"high.ogg", true, 0, 48000, 2}};
  for (const auto& c : cases) {
    const std::string path = TempPath(c.name);
    testing::internal::CaptureStderr();
    TSound* sound = LoadSound(path, 0);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(sound != nullptr, c.loads) << c.name << ": " << err;
    EXPECT_EQ(Lines(err), c.warnings) << c.name << ": " << err;
    if (c.warnings) {
      EXPECT_NE(err.find(path), std::string::npos) << c.name << ": " << err;
    }
    if (sound) {
      EXPECT_EQ(sound->pcm.rate, c.rate) << c.name;
      EXPECT_EQ(sound->pcm.channels, c.channels) << c.name;
    }
    EXPECT_EQ(Play(sound) != nullptr, c.loads) << c.name;  // playing nothing is harmless
  }
}

}  // namespace
