// The real executable on a real X display (Xvfb, Mesa, SDL's x11 driver) and
// the real clock: ended by Escape, left to play to its end, ended by the
// desktop, and started with no display at all.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "draw/sound_decode.h"

// Ask every top-level window on the display to close, as a window manager
// does for Alt+F4 or the close button. False when the display cannot be opened.
bool CloseWindows(const std::string& display);

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// An X server of our own for the length of one test.
class Xvfb {
 public:
  Xvfb() {
    int fds[2];
    if (pipe(fds) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      dup2(fds[1], 3);
      execlp("Xvfb", "Xvfb", "-displayfd", "3", "-screen", "0", "1024x768x24", "-nolisten", "tcp", (char*)nullptr);
      _exit(127);
    }
    close(fds[1]);
    // The server writes the number and then a newline; reading only the number
    // and closing the pipe would make that second write fail and end it.
    std::string number;
    char c = 0;
    while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    if (!number.empty()) display_ = ":" + number;
  }
  ~Xvfb() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
  }
  const std::string& display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::string display_;
};

// The demo as a child process with the environment given.
class Demo {
 public:
  explicit Demo(const std::vector<std::string>& env) {
    start_ = Clock::now();
    pid_ = fork();
    if (pid_ == 0) {
      unsetenv("DISPLAY");
      unsetenv("WAYLAND_DISPLAY");
      unsetenv("SDL_VIDEODRIVER");
      for (const std::string& e : env) putenv(const_cast<char*>(e.c_str()));
      std::freopen(StderrPath(getpid()).c_str(), "w", stderr);
      execl(DEMO_BUILD_DIR "/demo", "demo", (char*)nullptr);
      _exit(127);
    }
  }
  ~Demo() {
    if (pid_ > 0 && !exited_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    if (pid_ > 0) std::remove(StderrPath(pid_).c_str());
  }
  // The exit status, or -1 if still running after the given seconds.
  int Wait(double seconds) {
    const auto until = Clock::now() + std::chrono::duration<double>(seconds);
    for (;;) {
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        exited_ = true;
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        ran_ = Since(start_);
        break;
      }
      if (Clock::now() >= until) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return exited_ ? status_ : -1;
  }
  bool Running() { return Wait(0) == -1; }
  double ran() const { return ran_; }
  pid_t pid() const { return pid_; }
  std::string Stderr() const {
    std::ifstream in(StderrPath(pid_));
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  static std::string StderrPath(pid_t pid) {
    return std::string(DEMO_BUILD_DIR) + "/system-test-stderr-" + std::to_string(pid) + ".txt";
  }
  pid_t pid_ = -1;
  Clock::time_point start_;
  bool exited_ = false;
  int status_ = -1;
  double ran_ = 0;
};

int X(const Xvfb& x, const std::string& command) {
  return std::system(("DISPLAY=" + x.display() + " " + command + " >/dev/null 2>&1").c_str());
}

// Wait until the demo's window exists and start-up has had time to finish, so
// keys reach a scene: presses made while it loads all wait for the first poll,
// which counts them as one.
void AwaitWindow(const Xvfb& x) {
  for (int i = 0; i < 200 && X(x, "xdotool search --name '^demo$'") != 0; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  std::this_thread::sleep_for(std::chrono::milliseconds(2000));
}

std::vector<std::string> DesktopEnv(const Xvfb& x, const std::string& audio = "dummy") {
  return {"DISPLAY=" + x.display(), "SDL_VIDEODRIVER=x11", "SDL_AUDIODRIVER=" + audio};
}

TEST(System, TenEscapesEndTheDemoWithinSeconds) {
  Xvfb x;
  ASSERT_FALSE(x.display().empty()) << "Xvfb did not start";
  Demo demo(DesktopEnv(x));
  AwaitWindow(x);
  for (int i = 0; i < 10; ++i) {
    X(x, "xdotool key Escape");
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
  }
  EXPECT_EQ(demo.Wait(15), 0) << demo.Stderr();
}

TEST(System, WithoutAnAudioDeviceItRunsSilentAfterOneNotice) {
  Xvfb x;
  ASSERT_FALSE(x.display().empty());
  Demo demo(DesktopEnv(x, "no-such-audio-driver"));
  AwaitWindow(x);
  for (int i = 0; i < 10; ++i) {
    X(x, "xdotool key Escape");
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
  }
  EXPECT_EQ(demo.Wait(15), 0) << demo.Stderr();
  const std::string err = demo.Stderr();
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  EXPECT_NE(err.find("silent"), std::string::npos) << err;
}

TEST(System, EscapeHeldDownOrHammeredEndsOneSceneAPoll) {
  Xvfb x;
  ASSERT_FALSE(x.display().empty());
  Demo demo(DesktopEnv(x));
  AwaitWindow(x);
  // Held for a second, with the server's auto-repeat running: one scene.
  X(x, "xdotool keydown Escape");
  std::this_thread::sleep_for(std::chrono::milliseconds(1000));
  X(x, "xdotool keyup Escape");
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  // Eight separate presses end scenes 2 to 9; a burst of presses within one
  // frame then counts once and leaves scene 10 playing.
  for (int i = 0; i < 8; ++i) {
    X(x, "xdotool key Escape");
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  EXPECT_TRUE(demo.Running()) << "the held key counted more than once";
  X(x, "xdotool key --delay 0 Escape Escape Escape");
  EXPECT_EQ(demo.Wait(10), 0) << demo.Stderr();
}

TEST(System, TerminationRequestEndsTheDemoAtOnceAndCleanly) {
  for (int sig : {SIGTERM, SIGINT}) {
    Xvfb x;
    ASSERT_FALSE(x.display().empty());
    Demo demo(DesktopEnv(x));
    AwaitWindow(x);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    kill(demo.pid(), sig);
    auto asked = Clock::now();
    EXPECT_EQ(demo.Wait(10), 0) << "signal " << sig << ": " << demo.Stderr();
    EXPECT_LT(Since(asked), 2.0) << "signal " << sig;
  }
}

TEST(System, ClosingTheWindowEndsTheDemoAtOnceAndCleanly) {
  Xvfb x;
  ASSERT_FALSE(x.display().empty());
  Demo demo(DesktopEnv(x));
  AwaitWindow(x);
  ASSERT_TRUE(CloseWindows(x.display()));
  EXPECT_EQ(demo.Wait(5), 0) << demo.Stderr();
}

TEST(System, NoDisplayIsOneClearLineAndStatusOne) {
  Demo demo({"SDL_AUDIODRIVER=dummy"});
  EXPECT_EQ(demo.Wait(20), 1);
  std::string err = demo.Stderr();
  EXPECT_NE(err.find("no display"), std::string::npos) << err;
}

// Left alone, it plays to the end of its last scene, 120 s after the music
// started, and the audio it plays is the music from its first sample.
TEST(System, LeftAlonePlaysTwoMinutesInTimeWithItsMusic) {
  Xvfb x;
  ASSERT_FALSE(x.display().empty());
  std::string audio = std::string(DEMO_BUILD_DIR) + "/system-test-audio-" + std::to_string(getpid()) + ".raw";
  std::vector<std::string> env = DesktopEnv(x, "disk");
  env.push_back("SDL_DISKAUDIOFILE=" + audio);
  Demo demo(env);
  AwaitWindow(x);
  // The window hidden for a while: the demo keeps its timing and draws again after.
  std::this_thread::sleep_for(std::chrono::seconds(20));
  X(x, "xdotool search --name '^demo$' windowunmap");
  std::this_thread::sleep_for(std::chrono::seconds(3));
  X(x, "xdotool search --name '^demo$' windowmap");
  EXPECT_EQ(demo.Wait(150), 0) << demo.Stderr();
  EXPECT_GE(demo.ran(), 120.0);
  EXPECT_LT(demo.ran(), 126.0) << "the scenes fell behind the clock";

  PcmData music;
  std::string error;
  ASSERT_TRUE(DecodeOggVorbisFile(std::string(DEMO_BUILD_DIR) + "/data/tusmu.ogg", music, error)) << error;
  std::ifstream raw(audio, std::ios::binary);
  std::vector<char> bytes((std::istreambuf_iterator<char>(raw)), {});
  raw.close();
  std::remove(audio.c_str());
  std::vector<int16_t> samples(bytes.size() / 2);
  std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
  // The device plays silence while paused between start-up and the music's start.
  size_t lead = 0;
  while (lead < samples.size() && samples[lead] == 0) ++lead;
  size_t musicLead = 0;
  while (musicLead < music.samples.size() && music.samples[musicLead] == 0) ++musicLead;
  ASSERT_GT(samples.size(), lead + 44100 * 2) << "too little audio was played";
  EXPECT_LT(lead, size_t(44100 * 2)) << "the music started more than a second late";
  for (size_t i = 0; i < size_t(44100 * 2); ++i)
    ASSERT_EQ(samples[lead + i], music.samples[musicLead + i]) << "sample " << i;
}

}  // namespace
