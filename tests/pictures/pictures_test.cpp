// The picture generator's contract with the demo: every file is there and
// decodes with the demo's own loader at its intended size, runs repeat byte
// for byte, and the pictures keep the promises the scenes rely on (a seamless
// panorama, opaque JPEGs, sprites that do not touch their edges, an empty top
// on the scroller).
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "draw/image_decode.h"

namespace fs = std::filesystem;

namespace {

struct Expected {
  const char* file;
  int width, height, channels;
};

const Expected kPictures[] = {
    {"kivvi.png", 1000, 1000, 4},
    {"vortex.png", 512, 512, 4},
    {"zorvolasit.png", 300, 450, 4},
    {"stara.png", 128, 128, 4},
    {"tanssija.png", 220, 400, 4},
    {"juna.png", 600, 150, 4},
    {"kepra.jpg", 1600, 900, 3},
    {"lentaja.png", 300, 220, 4},
    {"lennattaja.png", 300, 220, 4},
    {"no.png", 160, 100, 4},
    {"yes.png", 160, 100, 4},
    {"zorvoanim_0000.png", 260, 420, 4},
    {"zorvoanim_0001.png", 260, 420, 4},
    {"zorvoanim_0002.png", 260, 420, 4},
    {"zorvoanim_0003.png", 260, 420, 4},
    {"mekkoanim_0000.png", 260, 420, 4},
    {"mekkoanim_0001.png", 260, 420, 4},
    {"mekkoanim_0002.png", 260, 420, 4},
    {"mekkoanim_0003.png", 260, 420, 4},
    {"kivviw.jpg", 800, 600, 3},
    {"kivvib.jpg", 800, 600, 3},
    {"fonka.jpg", 900, 300, 3},
    {"skroll.png", 640, 2400, 4},
};

std::string DataPath(const std::string& file) {
  return std::string(DEMO_BUILD_DIR) + "/data/" + file;
}

bool IsJpeg(const std::string& file) {
  return file.size() > 4 && file.substr(file.size() - 4) == ".jpg";
}

Pixmap Load(const std::string& path) {
  Pixmap p;
  std::string error;
  EXPECT_TRUE(DecodeImageFile(path, p, error)) << path << ": " << error;
  return p;
}

const unsigned char* At(const Pixmap& p, int x, int y) {
  return &p.pixels[(size_t(y) * p.width + x) * p.channels];
}

std::vector<char> Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(Pictures, EveryFileDecodesAtItsSizeWithItsChannels) {
  for (const Expected& e : kPictures) {
    SCOPED_TRACE(e.file);
    const Pixmap p = Load(DataPath(e.file));
    EXPECT_EQ(p.width, e.width);
    EXPECT_EQ(p.height, e.height);
    EXPECT_EQ(p.channels, e.channels);
  }
}

TEST(Pictures, ASecondRunWritesTheSameFilesByteForByte) {
  char pattern[] = "/tmp/gen-pictures-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const fs::path dir = pattern;
  const std::string command = std::string("\"") + GEN_PICTURES_EXE + "\" \"" + dir.string() + "\"";
  const int status = std::system(command.c_str());

  std::set<std::string> written, expected;
  for (const auto& entry : fs::directory_iterator(dir)) written.insert(entry.path().filename());
  for (const Expected& e : kPictures) {
    expected.insert(e.file);
    SCOPED_TRACE(e.file);
    if (written.count(e.file)) {
      EXPECT_TRUE(Bytes(dir / e.file) == Bytes(DataPath(e.file)));
    }
  }
  fs::remove_all(dir);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(written, expected);
}

TEST(Pictures, OpaqueJpegsHaveNoPureBlackPixel) {
  // The loader turns pure black into transparency, which would punch holes.
  for (const Expected& e : kPictures) {
    if (!IsJpeg(e.file)) continue;
    SCOPED_TRACE(e.file);
    const Pixmap p = Load(DataPath(e.file));
    long black = 0;
    for (size_t i = 0; i + 2 < p.pixels.size(); i += p.channels)
      black += p.pixels[i] == 0 && p.pixels[i + 1] == 0 && p.pixels[i + 2] == 0;
    EXPECT_EQ(black, 0);
  }
}

TEST(Pictures, SpritesHaveContentAndClearEdges) {
  // A sprite that reaches its border would show a cut edge when it moves or
  // turns; one that is nearly empty has lost its drawing.
  for (const Expected& e : kPictures) {
    if (IsJpeg(e.file)) continue;
    SCOPED_TRACE(e.file);
    const Pixmap p = Load(DataPath(e.file));
    if (p.channels != 4) continue;  // reported by the size test
    int edge = 0;
    for (int x = 0; x < p.width; ++x)
      edge = std::max({edge, int(At(p, x, 0)[3]), int(At(p, x, p.height - 1)[3])});
    for (int y = 0; y < p.height; ++y)
      edge = std::max({edge, int(At(p, 0, y)[3]), int(At(p, p.width - 1, y)[3])});
    EXPECT_EQ(edge, 0);
    long opaque = 0;
    for (size_t i = 3; i < p.pixels.size(); i += 4) opaque += p.pixels[i] == 255;
    EXPECT_GT(opaque, long(p.width) * p.height / 50);
  }
}

TEST(Pictures, PanoramaJoinsWithoutASeam) {
  // Shown as copies side by side: the first and last columns are the same
  // column of the repeating picture, up to JPEG noise.
  const Pixmap p = Load(DataPath("fonka.jpg"));
  ASSERT_EQ(p.channels, 3);
  double sum = 0;
  int worst = 0;
  for (int y = 0; y < p.height; ++y) {
    for (int c = 0; c < 3; ++c) {
      const int d = std::abs(int(At(p, 0, y)[c]) - int(At(p, p.width - 1, y)[c]));
      sum += d;
      worst = std::max(worst, d);
    }
  }
  EXPECT_LT(sum / (p.height * 3), 3.0);
  EXPECT_LE(worst, 40);
}

TEST(Pictures, CreditsStartBelowAnEmptyTop) {
  // The scroller enters from below the screen; anything in its top rows would
  // be on screen from the first frame.
  const Pixmap p = Load(DataPath("skroll.png"));
  ASSERT_EQ(p.channels, 4);
  int topAlpha = 0;
  for (int y = 0; y < 450; ++y)
    for (int x = 0; x < p.width; ++x) topAlpha = std::max(topAlpha, int(At(p, x, y)[3]));
  EXPECT_EQ(topAlpha, 0);
  long white = 0;
  for (size_t i = 0; i < p.pixels.size(); i += 4)
    white += p.pixels[i] == 255 && p.pixels[i + 1] == 255 && p.pixels[i + 2] == 255 &&
             p.pixels[i + 3] == 255;
  EXPECT_GT(white, 10000);
}

TEST(Pictures, DanceLoopFramesAreDifferentPoses) {
  for (const char* name : {"zorvoanim", "mekkoanim"}) {
    std::vector<Pixmap> frames;
    for (int i = 0; i < 4; ++i)
      frames.push_back(Load(DataPath(name + std::string("_000") + std::to_string(i) + ".png")));
    for (int i = 0; i < 4; ++i) {
      SCOPED_TRACE(std::string(name) + " frame " + std::to_string(i));
      EXPECT_NE(frames[i].pixels, frames[(i + 1) % 4].pixels);
    }
  }
}

}  // namespace
