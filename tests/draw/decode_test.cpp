// The picture and music decoders on real files from public test suites and on
// files broken in the ways strangers' data breaks.
#include <zlib.h>

#include <cmath>
#include <filesystem>

#include "draw/image_decode.h"
#include "draw/sound_decode.h"
#include "support/headless.h"
#include "support/ogg.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

std::vector<fs::path> FilesIn(const std::string& folder) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(std::string(TESTDATA_DIR) + "/" + folder))
    if (entry.path().extension() == ".png" || entry.path().extension() == ".jpg") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

TEST(DecodeImage, EveryValidTestFileDecodes) {
  for (const char* folder : {"png", "jpeg"}) {
    auto files = FilesIn(folder);
    ASSERT_FALSE(files.empty()) << folder;
    for (const auto& path : files) {
      Pixmap p;
      std::string error;
      ASSERT_TRUE(DecodeImageFile(path.string(), p, error)) << path << ": " << error;
      EXPECT_GT(p.width, 0);
      EXPECT_TRUE(p.channels == 3 || p.channels == 4) << path;
      EXPECT_EQ(p.pixels.size(), size_t(p.width) * p.height * p.channels) << path;
    }
  }
}

TEST(DecodeImage, PngSuiteColourTypesGiveTheRightChannels) {
  const struct {
    const char* file;
    int channels;
  } cases[] = {{"basn0g01.png", 3}, {"basn0g16.png", 3}, {"basn2c16.png", 3}, {"basn3p04.png", 3},
               {"basn4a08.png", 4}, {"basn6a16.png", 4}, {"ftbbn3p08.png", 4}, {"ftbbn0g04.png", 4}, {"ftp0n0g08.png", 3}};
  for (const auto& c : cases) {
    Pixmap p;
    std::string error;
    ASSERT_TRUE(DecodeImageFile(std::string(TESTDATA_DIR) + "/png/" + c.file, p, error)) << c.file;
    EXPECT_EQ(p.channels, c.channels) << c.file;
    EXPECT_EQ(p.width, 32);
  }
}

TEST(DecodeImage, BrokenFilesAreRefusedOrDecodedButNeverCrash) {
  for (const auto& path : FilesIn("png-bad")) {
    Pixmap p;
    std::string error;
    bool ok = DecodeImageFile(path.string(), p, error);
    if (ok) {
      EXPECT_EQ(p.pixels.size(), size_t(p.width) * p.height * p.channels) << path;
    } else {
      EXPECT_FALSE(error.empty()) << path;
      EXPECT_TRUE(p.pixels.empty());
    }
  }
  for (const auto& path : FilesIn("jpeg-bad")) {
    Pixmap p;
    std::string error;
    EXPECT_FALSE(DecodeImageFile(path.string(), p, error)) << path;
    EXPECT_FALSE(error.empty()) << path;
  }
}

Bytes ReadAll(const std::string& path) {
  Bytes bytes;
  std::string error;
  EXPECT_TRUE(ReadFileBytes(path, bytes, error)) << error;
  return bytes;
}

TEST(DecodeImage, TruncatedAndRandomBytesAreRefused) {
  for (const char* file : {"png/basn6a08.png", "png/ibasn2c08.png", "jpeg/testorig.jpg", "jpeg/testprog.jpg"}) {
    Bytes whole = ReadAll(std::string(TESTDATA_DIR) + "/" + file);
    for (double fraction : {0.0, 0.05, 0.3, 0.6, 0.95}) {
      size_t size = size_t(double(whole.size()) * fraction);
      Pixmap p;
      std::string error;
      EXPECT_FALSE(DecodeImage(whole.data(), size, p, error)) << file << " cut at " << size;
      EXPECT_FALSE(error.empty());
    }
  }
  Bytes noise(4096);
  unsigned state = 12345;
  for (auto& b : noise) b = (unsigned char)((state = state * 1103515245u + 12345u) >> 24);
  Pixmap p;
  std::string error;
  EXPECT_FALSE(DecodeImage(noise.data(), noise.size(), p, error));
}

void PutBigEndian(Bytes& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + size_t(i)] = (unsigned char)(v >> (24 - 8 * i));
}

TEST(DecodeImage, AbsurdDeclaredSizeIsRefusedBeforeDecoding) {
  std::string small = TempPath("tiny.png");
  WritePng(small, 1, 1, 4, {1, 2, 3, 4});
  const struct {
    uint32_t w, h;
  } cases[] = {{100000, 1}, {1, 20000}, {16000, 16000}};
  for (const auto& c : cases) {
    Bytes png = ReadAll(small);
    PutBigEndian(png, 16, c.w);  // IHDR width and height, then its CRC
    PutBigEndian(png, 20, c.h);
    PutBigEndian(png, 29, uint32_t(crc32(0, png.data() + 12, 17)));
    Pixmap p;
    std::string error;
    EXPECT_FALSE(DecodeImage(png.data(), png.size(), p, error)) << c.w << " x " << c.h;
    EXPECT_NE(error.find("too large"), std::string::npos) << error;
  }
}

TEST(DecodeImage, FormatComesFromTheContentNotTheName) {
  Bytes jpeg = ReadAll(std::string(TESTDATA_DIR) + "/jpeg/testorig.jpg");
  std::string path = TempPath("really-a-jpeg.png");
  std::FILE* f = std::fopen(path.c_str(), "wb");
  std::fwrite(jpeg.data(), 1, jpeg.size(), f);
  std::fclose(f);
  Pixmap p;
  std::string error;
  EXPECT_TRUE(DecodeImageFile(path, p, error)) << error;
  EXPECT_EQ(p.channels, 3);
}

float Tone(long i, int c, int rate) { return 0.5f * std::sin(6.2831853f * float(440 + 220 * c) * float(i) / float(rate)); }

TEST(DecodeSound, RatesAndChannelLayouts) {
  const struct {
    int rate, channels, expectChannels;
  } cases[] = {{44100, 2, 2}, {22050, 1, 1}, {8000, 1, 1}, {48000, 2, 2}, {48000, 6, 2}};
  for (const auto& c : cases) {
    std::string path = TempPath("tone" + std::to_string(c.rate) + "x" + std::to_string(c.channels) + ".ogg");
    WriteOgg(path, c.rate, c.channels, c.rate / 2, [&](long i, int ch) { return Tone(i, ch, c.rate); });
    PcmData pcm;
    std::string error;
    ASSERT_TRUE(DecodeOggVorbisFile(path, pcm, error)) << path << ": " << error;
    EXPECT_EQ(pcm.rate, c.rate);
    EXPECT_EQ(pcm.channels, c.expectChannels);
    EXPECT_EQ(pcm.Frames(), size_t(c.rate / 2)) << path;
    int peak = 0;
    for (int16_t s : pcm.samples) peak = std::max(peak, std::abs(int(s)));
    EXPECT_GT(peak, 3000) << path;
    EXPECT_LT(peak, 32767) << path;
  }
}

TEST(DecodeSound, BrokenFilesAreRefusedWithAReason) {
  std::string path = TempPath("tone.ogg");
  WriteOgg(path, 44100, 2, 3 * 44100, [](long i, int c) { return Tone(i, c, 44100); });
  Bytes whole = ReadAll(path);
  PcmData full;
  std::string none;
  ASSERT_TRUE(DecodeOggVorbis(whole.data(), whole.size(), full, none));
  EXPECT_EQ(none, "") << "a whole file decodes without a warning";
  Bytes png = ReadAll(std::string(TESTDATA_DIR) + "/png/basn6a08.png");
  const struct {
    const char* what;
    const unsigned char* data;
    size_t size;
  } cases[] = {{"empty", whole.data(), 0}, {"headers cut", whole.data(), 60}, {"a picture", png.data(), png.size()}};
  for (const auto& c : cases) {
    PcmData pcm;
    std::string error;
    EXPECT_FALSE(DecodeOggVorbis(c.data, c.size, pcm, error)) << c.what;
    EXPECT_FALSE(error.empty()) << c.what;
  }
  PcmData half;
  std::string warning;
  ASSERT_TRUE(DecodeOggVorbis(whole.data(), whole.size() * 4 / 5, half, warning)) << warning;
  EXPECT_NE(warning.find("cut short"), std::string::npos) << warning;
  EXPECT_GT(half.Frames(), 0u);
  EXPECT_LT(half.Frames(), full.Frames());
}

}  // namespace
