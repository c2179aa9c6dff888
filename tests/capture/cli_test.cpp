// The command line: help, bad arguments (exit status 2 with one line and the
// usage), a missing ffmpeg, and the benchmark's report.
#include <gtest/gtest.h>

#include "run.h"
#include "support/headless.h"

namespace {

TEST(CaptureCommandLine, HelpPrintsTheUsage) {
  Outcome run = Capture("--help");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output.rfind("usage: demo-capture", 0), 0u) << run.output;
  for (const char* flag : {"--video", "--stills", "--frames", "--out", "--bench", "--until"})
    EXPECT_NE(run.output.find(flag), std::string::npos) << flag;
}

TEST(CaptureCommandLine, BadArgumentsExitWithStatusTwo) {
  const std::string out = "'" + TempPath("never") + "'";
  const std::string cases[] = {
      "",
      "--bogus",
      "--bench extra",
      "--video",
      "--video movie.avi",
      "--video a.mp4 --video b.mp4",
      "--video a.mp4 --bench",
      "--video a.mp4 --out " + out,
      "--stills 100 ",
      "--stills 100,,200 --out " + out,
      "--stills 1e3 --out " + out,
      "--stills -5 --out " + out,
      "--stills 1000000 --out " + out,
      "--stills 100 --out " + out + " --until 500",
      "--frames 5-2 --out " + out,
      "--frames 0-3 --out " + out,
      "--frames 7 --out " + out,
      "--frames 1-100000 --out " + out,
      "--frames 1-3 --out " + out + " --out " + out,
      "--bench --out " + out,
      "--bench --until",
      "--bench --until soon",
      "--bench --until 10 --until 20",
  };
  for (const std::string& args : cases) {
    Outcome run = Capture(args);
    EXPECT_EQ(run.status, 2) << "'" << args << "': " << run.output;
    const size_t usage = run.output.find("usage: demo-capture");
    ASSERT_NE(usage, std::string::npos) << "'" << args << "': " << run.output;
    const std::string message = run.output.substr(0, usage);
    EXPECT_EQ(message.rfind("demo-capture: ", 0), 0u) << "'" << args << "': " << message;
    EXPECT_EQ(message.find('\n'), message.size() - 1) << "one line before the usage, for '" << args << "'";
  }
  EXPECT_TRUE(FileBytes(TempPath("never")).empty());
}

TEST(CaptureCommandLine, MissingFfmpegIsAClearError) {
  const std::string video = TempPath("no-ffmpeg.mp4");
  Outcome run = Shell("PATH=/nonexistent " + CaptureCommand() + " --video '" + video + "'");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("ffmpeg"), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("usage:"), std::string::npos) << "not a command-line mistake: " << run.output;
}

TEST(CaptureCommandLine, BenchReportsEveryFrameUpToItsLimit) {
  // Frames 1 to 6 have the times 16, 33, 50, 66, 83 and 100 ms: all in scene 1.
  Outcome run = Capture("--bench --until 100");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("\n    1       6  "), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("\n    2       0  "), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("whole run: 6 frames"), std::string::npos) << run.output;
  for (const char* part : {"image decoding", "music decoding", "texture upload", "\nrenderer: "})
    EXPECT_NE(run.output.find(part), std::string::npos) << part << " in " << run.output;
}

}  // namespace
