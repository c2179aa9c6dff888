// gen-music: synthesises the demo's soundtrack and writes it as Ogg Vorbis.
//   gen-music OUTPUT.ogg
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>

#include "encoder.h"
#include "mixer.h"
#include "song.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.ogg\n", argv[0]);
    return 2;
  }
  const auto begin = std::chrono::steady_clock::now();
  const music::Score score = music::Arrange();
  music::MixReport report;
  const music::Stereo mix = music::MixSong(score, report);
  const auto mixed = std::chrono::steady_clock::now();

  std::string error;
  if (!music::WriteOggVorbis(argv[1], mix, 0.5f, error)) {
    std::fprintf(stderr, "gen-music: %s\n", error.c_str());
    return 1;
  }
  const auto done = std::chrono::steady_clock::now();
  auto seconds = [](auto a, auto b) { return std::chrono::duration<double>(b - a).count(); };
  std::printf("gen-music: %.1f s of audio, peak %.2f dBFS, limiter %.2f dB; mix %.2f s, encode %.2f s\n",
              double(mix.Frames()) / music::kRate, 20.0 * std::log10(report.peak), report.limiterDb,
              seconds(begin, mixed), seconds(mixed, done));
  return 0;
}
