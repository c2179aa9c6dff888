// The generated soundtrack, data/tusmu.ogg, read back through the demo's own
// decoder: its format and length, its level, that it ends in silence, that
// the generator makes the same bytes every time, and that the music changes
// on the bar lines where the picture changes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "draw/sound_decode.h"

namespace {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;
constexpr double kBarSeconds = 1.75;  // four beats at 960/7 beats per minute

std::string MusicPath() { return std::string(DEMO_BUILD_DIR) + "/data/tusmu.ogg"; }

double ToDb(double amplitude) { return 20.0 * std::log10(std::max(amplitude, 1e-10)); }

class MusicFile : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { decoded_ = DecodeOggVorbisFile(MusicPath(), pcm_, error_); }

  void SetUp() override {
    ASSERT_TRUE(decoded_) << MusicPath() << ": " << error_;
    ASSERT_EQ(pcm_.channels, 2);
    ASSERT_EQ(pcm_.rate, kRate);
  }

  static const PcmData& Pcm() { return pcm_; }

  // Frame range [from, to) seconds, clipped to the file.
  static void Frames(double from, double to, size_t& begin, size_t& end) {
    const size_t n = pcm_.Frames();
    begin = std::min(n, size_t(std::lround(from * kRate)));
    end = std::min(n, size_t(std::lround(to * kRate)));
  }

  // RMS of both channels over [from, to) seconds, in dB relative to full scale.
  static double RmsDb(double from, double to) {
    size_t begin, end;
    Frames(from, to, begin, end);
    double sum = 0.0;
    for (size_t i = 2 * begin; i < 2 * end; ++i) sum += double(pcm_.samples[i]) * pcm_.samples[i];
    const double count = 2.0 * double(end - begin);
    return count > 0 ? ToDb(std::sqrt(sum / count) / 32768.0) : ToDb(0.0);
  }

  static double PeakDb(double from, double to) {
    size_t begin, end;
    Frames(from, to, begin, end);
    int peak = 0;
    for (size_t i = 2 * begin; i < 2 * end; ++i) peak = std::max(peak, std::abs(int(pcm_.samples[i])));
    return ToDb(peak / 32768.0);
  }

 private:
  static PcmData pcm_;
  static bool decoded_;
  static std::string error_;
};

PcmData MusicFile::pcm_;
bool MusicFile::decoded_ = false;
std::string MusicFile::error_;

TEST_F(MusicFile, LastsTheWholeDemo) {
  EXPECT_GE(double(Pcm().Frames()) / kRate, 120.5);
  EXPECT_LE(double(Pcm().Frames()) / kRate, 125.0);
}

TEST_F(MusicFile, PeaksStayBelowMinusOneDbfsButTheMixIsNotQuiet) {
  const double peak = PeakDb(0.0, 1e9);
  EXPECT_LT(peak, -1.0);
  EXPECT_GT(peak, -4.0);
  EXPECT_GT(RmsDb(0.0, 116.6), -24.0);
}

TEST_F(MusicFile, FadesOutToSilence) {
  // Still playing just before the fade at 116.6 s, then falling every half
  // second, far down before 120 s, and silent for the last second.
  const double before = RmsDb(116.1, 116.6);
  EXPECT_GT(before, -35.0);
  double previous = before;
  for (double t = 116.6; t < 120.0; t += 0.5) {
    const double level = RmsDb(t, t + 0.5);
    EXPECT_LT(level, previous + 0.5) << "at " << t << " s";
    previous = level;
  }
  EXPECT_LT(RmsDb(119.0, 119.5), before - 20.0);
  const double end = double(Pcm().Frames()) / kRate;
  EXPECT_LT(PeakDb(end - 1.0, end), -60.0);
}

TEST_F(MusicFile, KickAndBassStayCentredAndTheMixFoldsToMono) {
  // Energy of the side signal (L-R) against the mid (L+R), overall and
  // below about 150 Hz where the kick and bass live.
  const double a = 1.0 - std::exp(-2.0 * kPi * 150.0 / kRate);
  double mid = 0.0, side = 0.0, lowMid = 0.0, lowSide = 0.0, lm = 0.0, ls = 0.0;
  const std::vector<int16_t>& s = Pcm().samples;
  for (size_t i = 0; i + 1 < s.size(); i += 2) {
    const double m = (double(s[i]) + s[i + 1]) * 0.5, d = (double(s[i]) - s[i + 1]) * 0.5;
    mid += m * m;
    side += d * d;
    lm += a * (m - lm);
    ls += a * (d - ls);
    lowMid += lm * lm;
    lowSide += ls * ls;
  }
  EXPECT_LT(10.0 * std::log10(side / mid), -8.0);
  EXPECT_LT(10.0 * std::log10(lowSide / lowMid), -15.0);
}

// The picture changes on these bar lines (bar n starts at n * 1.75 s), and
// the music has to change audibly there too: a section starting, a layer
// coming in, a build stepping up, a break. The 37.5 break is a half bar.
TEST_F(MusicFile, LoudnessStepsWhereThePictureChanges) {
  struct Change {
    double bar;
    const char* what;
  };
  const Change kChanges[] = {
      {4, "vortex: kick and bass come in"},     {8, "orbiting discs: the groove"},
      {16, "twisting bar: main beat"},          {24, "sliding trains: build-up starts"},
      {25, "2x2 tiles"},                        {26, "3x3 tiles"},
      {27, "4x4 tiles"},                        {28, "strobe"},
      {30, "kaleidoscopes: back to pads"},      {32, "kick enters"},
      {33, "bass enters"},                      {34, "hats and claps enter"},
      {36, "lead enters"},                      {37.5, "break before the second strobe"},
      {40, "second twister"},                   {42, "tiles grow"},
      {44, "overlay"},                          {46, "colour split"},
      {48, "echo: the beat drops out"},         {50, "finale"},
      {56, "finale lifts a tone"},              {62, "breakdown"},
      {66, "last chord"},
  };
  for (const Change& c : kChanges) {
    // A whole bar on each side, or half a bar where the change is mid-bar.
    const double span = c.bar == std::floor(c.bar) ? 1.0 : 0.5;
    const double t = c.bar * kBarSeconds, w = span * kBarSeconds;
    const double before = RmsDb(t - w, t), after = RmsDb(t, t + w);
    EXPECT_GT(std::fabs(after - before), 1.5)
        << "bar " << c.bar << " (" << c.what << "): " << before << " dB before, " << after << " dB after";
  }
}

std::vector<char> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(MusicGenerator, RerunWritesIdenticalBytes) {
  std::ostringstream name;
  name << ::testing::TempDir() << "tusmu_rerun_" << getpid() << ".ogg";
  const std::string path = name.str();
  const std::string command = std::string("\"") + GEN_MUSIC_EXE + "\" \"" + path + "\" > /dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  const std::vector<char> again = ReadAll(path), built = ReadAll(MusicPath());
  std::remove(path.c_str());
  ASSERT_FALSE(built.empty()) << MusicPath();
  EXPECT_EQ(again.size(), built.size());
  EXPECT_TRUE(again == built) << "a second run of the generator wrote different bytes";
}

}  // namespace
