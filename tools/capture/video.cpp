// Video through the ffmpeg program: frames go down a popen pipe as raw RGB,
// the music's PCM goes into a temporary WAV that ffmpeg reads as a second
// input. -shortest ends the file with the last frame, as the demo ends.
#include "video.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace {

std::string ShellQuote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

bool EndsWithWebm(const std::string& path) {
  if (path.size() < 5) return false;
  std::string tail = path.substr(path.size() - 5);
  for (char& c : tail) c = char(std::tolower((unsigned char)c));
  return tail == ".webm";
}

void Put32(FILE* f, uint32_t v) {
  const unsigned char b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
  std::fwrite(b, 1, 4, f);
}

void Put16(FILE* f, uint16_t v) {
  const unsigned char b[2] = {uint8_t(v), uint8_t(v >> 8)};
  std::fwrite(b, 1, 2, f);
}

// A canonical 16-bit PCM WAV of the first frames of the music.
bool WriteWav(FILE* f, const PcmData& pcm, size_t frames) {
  const uint32_t channels = uint32_t(pcm.channels), rate = uint32_t(pcm.rate);
  const uint32_t dataBytes = uint32_t(frames * channels * 2);
  std::fwrite("RIFF", 1, 4, f);
  Put32(f, 36 + dataBytes);
  std::fwrite("WAVEfmt ", 1, 8, f);
  Put32(f, 16);
  Put16(f, 1);
  Put16(f, uint16_t(channels));
  Put32(f, rate);
  Put32(f, rate * channels * 2);
  Put16(f, uint16_t(channels * 2));
  Put16(f, 16);
  std::fwrite("data", 1, 4, f);
  Put32(f, dataBytes);
  unsigned char block[8192];
  const size_t count = frames * channels;
  for (size_t i = 0; i < count;) {
    size_t n = 0;
    for (; n + 2 <= sizeof block && i < count; ++i, n += 2) {
      const uint16_t v = uint16_t(pcm.samples[i]);
      block[n] = uint8_t(v), block[n + 1] = uint8_t(v >> 8);
    }
    std::fwrite(block, 1, n, f);
  }
  return std::ferror(f) == 0;
}

}  // namespace

std::string FindOnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
  size_t start = 0;
  for (;;) {
    size_t colon = dirs.find(':', start);
    std::string dir = dirs.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
    std::string candidate = (dir.empty() ? "." : dir) + "/" + program;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
    if (colon == std::string::npos) return "";
    start = colon + 1;
  }
}

VideoWriter::~VideoWriter() { Abandon(); }

void VideoWriter::Open(const std::string& ffmpeg, const std::string& path, int width, int height,
                       const PcmData* music, long maxFrames) {
  frameBytes_ = size_t(width) * size_t(height) * 3;
  std::string audioInput, audioCodec;
  if (music && music->rate > 0 && music->channels > 0) {
    size_t frames = music->Frames();
    if (maxFrames >= 0) frames = std::min(frames, size_t((maxFrames * long(music->rate) + 59) / 60));
    const char* tmp = std::getenv("TMPDIR");
    std::string name = std::string(tmp && *tmp ? tmp : "/tmp") + "/demo-capture-XXXXXX.wav";
    int fd = mkstemps(name.data(), 4);
    if (fd < 0) throw std::runtime_error("cannot create a temporary WAV in " + name + ": " + std::strerror(errno));
    wav_ = name;
    FILE* f = fdopen(fd, "wb");
    if (!f) close(fd);
    bool written = f && WriteWav(f, *music, frames);
    if (f) written = std::fclose(f) == 0 && written;
    if (!written) throw std::runtime_error("cannot write the temporary WAV " + wav_);
    audioInput = " -i " + ShellQuote(wav_);
    audioCodec = EndsWithWebm(path) ? " -map 1:a:0 -c:a libopus -b:a 160k -ar 48000"
                                    : " -map 1:a:0 -c:a aac -b:a 192k";
  } else {
    std::fprintf(stderr, "demo-capture: no music was loaded; the video is silent\n");
  }
  const std::string videoCodec = EndsWithWebm(path)
                                     ? " -c:v libvpx-vp9 -pix_fmt yuv420p -crf 30 -b:v 0 -row-mt 1 -deadline good"
                                       " -cpu-used 4"
                                     : " -c:v libx264 -pix_fmt yuv420p -preset medium -crf 18 -movflags +faststart";
  const std::string command = ShellQuote(ffmpeg) + " -nostdin -hide_banner -loglevel error -y" +
                              " -f rawvideo -pix_fmt rgb24 -video_size " + std::to_string(width) + "x" +
                              std::to_string(height) + " -framerate 60 -i pipe:0" + audioInput +
                              " -map 0:v:0" + videoCodec + audioCodec + " -shortest " + ShellQuote(path);
  // A dead ffmpeg must show up as a failed write, not end this process.
  std::signal(SIGPIPE, SIG_IGN);
  pipe_ = popen(command.c_str(), "w");
  if (!pipe_) throw std::runtime_error(std::string("cannot start ffmpeg: ") + std::strerror(errno));
}

void VideoWriter::Write(const unsigned char* rgb) {
  if (std::fwrite(rgb, 1, frameBytes_, pipe_) != frameBytes_)
    throw std::runtime_error("ffmpeg stopped taking frames (see its message above)");
}

void VideoWriter::Close() {
  FILE* pipe = pipe_;
  pipe_ = nullptr;
  int status = pipe ? pclose(pipe) : -1;
  if (!wav_.empty()) std::remove(wav_.c_str());
  wav_.clear();
  if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    throw std::runtime_error("ffmpeg failed to write the video (see its message above)");
}

void VideoWriter::Abandon() {
  if (pipe_) pclose(pipe_);
  pipe_ = nullptr;
  if (!wav_.empty()) std::remove(wav_.c_str());
  wav_.clear();
}
