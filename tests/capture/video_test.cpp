// The video, read back with ffprobe and ffmpeg: frame count, size, rate, the
// codecs each file ending selects, the music as long as the picture and
// starting with it, a black frame 0 and frame k at k / 60 s.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <ostream>

#include "draw/sound_decode.h"
#include "run.h"
#include "support/headless.h"

namespace {

// key=value lines of ffprobe for one stream.
std::map<std::string, std::string> Probe(const std::string& file, const std::string& stream,
                                         const std::string& entries) {
  Outcome run = Shell("ffprobe -v error -count_frames -select_streams " + stream + " -show_entries stream=" +
                      entries + " -of default=noprint_wrappers=1 '" + file + "'");
  std::map<std::string, std::string> values;
  size_t start = 0;
  while (start < run.output.size()) {
    size_t end = run.output.find('\n', start);
    if (end == std::string::npos) end = run.output.size();
    const std::string line = run.output.substr(start, end - start);
    const size_t eq = line.find('=');
    if (eq != std::string::npos) values[line.substr(0, eq)] = line.substr(eq + 1);
    start = end + 1;
  }
  return values;
}

// Frame n (from 0) of the video, decoded to an RGB PNG.
Picture VideoFrame(const std::string& file, int n) {
  const std::string png = TempPath("video-frame-" + std::to_string(n) + ".png");
  Outcome run = Shell("ffmpeg -v error -y -i '" + file + "' -vf 'select=eq(n\\," + std::to_string(n) +
                      ")' -frames:v 1 -pix_fmt rgb24 '" + png + "'");
  EXPECT_EQ(run.status, 0) << run.output;
  return ReadPicture(png);
}

double MeanDifference(const Picture& a, const Picture& b) {
  if (a.pixels.size() != b.pixels.size() || a.pixels.empty()) return 1e9;
  double sum = 0;
  for (size_t i = 0; i < a.pixels.size(); ++i) sum += std::abs(int(a.pixels[i]) - int(b.pixels[i]));
  return sum / double(a.pixels.size());
}

// The time of the first frame of a stream, in seconds.
double FirstFrameTime(const std::string& file, const std::string& stream) {
  Outcome run = Shell("ffprobe -v error -select_streams " + stream +
                      " -read_intervals %+#1 -show_entries frame=pts_time -of csv=p=0 '" + file + "'");
  return std::atof(run.output.c_str());
}

// Where the music's first sample is heard, in milliseconds after the video's
// frame 0: the lag that best lines the video's sound up with the music.
double MusicStartMs(const std::string& file, const PcmData& music) {
  const std::string raw = TempPath("audio.raw");
  Outcome run = Shell("ffmpeg -v error -y -i '" + file + "' -map 0:a -ac 1 -ar " + std::to_string(music.rate) +
                      " -f s16le '" + raw + "'");
  EXPECT_EQ(run.status, 0) << run.output;
  const std::vector<unsigned char> bytes = FileBytes(raw);
  std::vector<double> heard(bytes.size() / 2);
  for (size_t i = 0; i < heard.size(); ++i) heard[i] = double(int16_t(bytes[2 * i] | bytes[2 * i + 1] << 8));
  const long n = long(music.rate) * 4 / 10, maxLag = long(music.rate) * 4 / 100;  // 0.4 s, lags to 40 ms
  std::vector<double> played(static_cast<size_t>(n), 0.0);
  for (long i = 0; i < n && size_t(i) < music.Frames(); ++i) {
    const int16_t* frame = music.samples.data() + size_t(i) * size_t(music.channels);
    played[size_t(i)] = music.channels == 2 ? (frame[0] + frame[1]) / 2.0 : frame[0];
  }
  long best = 0;
  double bestScore = -1e300;
  for (long lag = -maxLag; lag <= maxLag; ++lag) {
    double score = 0;
    for (long i = std::max(0L, -lag); i < n && i + lag < long(heard.size()); ++i)
      score += played[size_t(i)] * heard[size_t(i + lag)];
    if (score > bestScore) bestScore = score, best = lag;
  }
  const double start = FirstFrameTime(file, "a:0") + double(best) / music.rate - FirstFrameTime(file, "v:0");
  return start * 1000;
}

struct VideoCase {
  const char* file;
  const char* videoCodec;
  const char* audioCodec;
  double syncMs;  // how far the music may start from frame 0
};

void PrintTo(const VideoCase& c, std::ostream* os) { *os << c.file; }

class CaptureVideo : public ::testing::TestWithParam<VideoCase> {
 protected:
  void SetUp() override {
    if (!HaveProgram("ffmpeg") || !HaveProgram("ffprobe")) GTEST_SKIP() << "needs ffmpeg and ffprobe";
  }
};

TEST_P(CaptureVideo, ShortRunHasEveryFrameAndTheMusic) {
  const VideoCase& c = GetParam();
  const std::string file = TempPath(c.file);
  // Frames 1 to 30 have times up to 500 ms; with the black frame 0 that makes 31.
  Outcome run = Capture("--video '" + file + "' --until 500");
  ASSERT_EQ(run.status, 0) << run.output;

  auto video = Probe(file, "v:0", "codec_name,width,height,pix_fmt,r_frame_rate,nb_read_frames");
  EXPECT_EQ(video["codec_name"], c.videoCodec);
  EXPECT_EQ(video["width"], "800");
  EXPECT_EQ(video["height"], "600");
  EXPECT_EQ(video["pix_fmt"], "yuv420p");
  EXPECT_EQ(video["r_frame_rate"], "60/1");
  EXPECT_EQ(video["nb_read_frames"], "31");

  auto audio = Probe(file, "a:0", "codec_name,nb_read_frames");
  EXPECT_EQ(audio["codec_name"], c.audioCodec);
  EXPECT_FALSE(audio["nb_read_frames"].empty() || audio["nb_read_frames"] == "0") << "no audio packets";
  Outcome duration = Shell("ffprobe -v error -show_entries format=duration -of csv=p=0 '" + file + "'");
  EXPECT_NEAR(std::atof(duration.output.c_str()), 31.0 / 60.0, 0.05) << "the music is cut to the picture";

  PcmData music;
  std::string error;
  ASSERT_TRUE(DecodeOggVorbisFile(std::string(DEMO_BUILD_DIR) + "/data/tusmu.ogg", music, error)) << error;
  EXPECT_NEAR(MusicStartMs(file, music), 0.0, c.syncMs) << "the music starts with frame 0";

  Picture first = VideoFrame(file, 0);
  ASSERT_EQ(first.width, 800);
  const Picture black{800, 600, 3, 8, 2, std::vector<unsigned char>(800 * 600 * 3, 0)};
  EXPECT_LT(MeanDifference(first, black), 1.0) << "frame 0 is black";

  const std::string frames = TempPath(std::string(c.file) + "-frames");
  ASSERT_EQ(Capture("--frames 1-30 --out '" + frames + "'").status, 0);
  for (int k : {1, 15, 30}) {
    char name[32];
    std::snprintf(name, sizeof name, "/f%05d.png", k);
    EXPECT_LT(MeanDifference(VideoFrame(file, k), ReadPicture(frames + name)), 4.0) << "video frame " << k;
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, CaptureVideo,
                         // WebM keeps times in whole milliseconds and ffmpeg shifts the
                         // picture by the Opus codec delay, 6.5 ms rounded up.
                         ::testing::Values(VideoCase{"short.mp4", "h264", "aac", 1.0},
                                           VideoCase{"short.webm", "vp9", "opus", 8.0}),
                         [](const auto& info) { return std::string(info.param.videoCodec); });

}  // namespace
