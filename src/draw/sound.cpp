// Music: decoded completely at load time (or beforehand, on a second thread
// started by PrefetchSound), played through one SDL audio device that is
// opened, paused, while the sound loads, so that Play starts it within one
// audio buffer. Without an audio device the demo runs silent.
#include <SDL2/SDL.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

#include "draw/draw.h"
#include "draw/pacer.h"
#include "draw/platform.h"

namespace {

struct Output {
  SDL_AudioDeviceID device = 0;
  const TSound* sound = nullptr;
  std::atomic<size_t> position{0};  // in samples (frames x channels)
  bool warned = false;
};

Output output;

// A decode running ahead of its LoadSound; the worker owns every field but
// path until it is joined.
struct Prefetch {
  std::string path;
  std::thread worker;
  PcmData pcm;
  std::string error;
  bool decoded = false;
  double seconds = 0;
  ~Prefetch() {
    if (worker.joinable()) worker.join();
  }
};

Prefetch prefetch;

// Every sound and channel lives until the program ends; they are owned here
// so that they are released then, once the audio output has stopped reading.
struct Loaded {
  std::vector<std::unique_ptr<TSound>> sounds;
  std::vector<std::unique_ptr<TChannel>> channels;
  ~Loaded() {
    if (output.device) SDL_CloseAudioDevice(output.device);
    output.device = 0;
  }
};

Loaded loaded;

void FillAudio(void*, Uint8* stream, int length) {
  auto* out = reinterpret_cast<int16_t*>(stream);
  size_t wanted = size_t(length) / sizeof(int16_t);
  size_t done = 0;
  if (output.sound) {
    const std::vector<int16_t>& samples = output.sound->pcm.samples;
    size_t pos = output.position.load(std::memory_order_relaxed);
    while (done < wanted && pos < samples.size()) {
      size_t n = std::min(wanted - done, samples.size() - pos);
      std::memcpy(out + done, samples.data() + pos, n * sizeof(int16_t));
      done += n;
      pos += n;
      if (pos == samples.size() && output.sound->looped) pos = 0;
    }
    output.position.store(pos, std::memory_order_relaxed);
  }
  std::memset(out + done, 0, (wanted - done) * sizeof(int16_t));
}

void Notice(const char* what) {
  if (output.warned) return;
  output.warned = true;
  std::fprintf(stderr, "notice: %s (%s); the demo runs silent\n", what, SDL_GetError());
}

// Open a paused device in the sound's own format; SDL converts where the
// hardware differs.
void OpenOutputFor(const TSound& sound) {
  if (output.device) {
    SDL_CloseAudioDevice(output.device);
    output.device = 0;
  }
  if (!SDL_WasInit(SDL_INIT_AUDIO) && SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    Notice("no audio output");
    return;
  }
  SDL_AudioSpec want{};
  want.freq = sound.pcm.rate;
  want.format = AUDIO_S16SYS;
  want.channels = Uint8(sound.pcm.channels);
  want.samples = 1024;
  want.callback = FillAudio;
  output.device = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
  if (!output.device) Notice("cannot open the audio output");
}

}  // namespace

void PrefetchSound(const std::string& path) {
  if (prefetch.worker.joinable()) prefetch.worker.join();
  prefetch.path = path;
  prefetch.worker = std::thread([] {
    const double started = MonotonicSeconds();
    prefetch.decoded = DecodeOggVorbisFile(prefetch.path, prefetch.pcm, prefetch.error);
    prefetch.seconds = MonotonicSeconds() - started;
  });
}

TSound* LoadSound(const std::string& path, int flags) {
  auto sound = std::make_unique<TSound>();
  std::string error;
  bool decoded = false;
  const double started = MonotonicSeconds();
  if (prefetch.worker.joinable() && prefetch.path == path) {
    prefetch.worker.join();
    LoadTimes().musicWait += MonotonicSeconds() - started;
    LoadTimes().musicDecode += prefetch.seconds;
    decoded = prefetch.decoded;
    sound->pcm = std::move(prefetch.pcm);
    error = std::move(prefetch.error);
    prefetch.pcm = PcmData();
    prefetch.error.clear();
  } else {
    decoded = DecodeOggVorbisFile(path, sound->pcm, error);
    LoadTimes().musicDecode += MonotonicSeconds() - started;
    LoadTimes().musicWait += MonotonicSeconds() - started;
  }
  if (!decoded) {
    std::fprintf(stderr, "warning: cannot load music %s: %s\n", path.c_str(), error.c_str());
    return nullptr;
  }
  if (!error.empty()) std::fprintf(stderr, "warning: music %s: %s\n", path.c_str(), error.c_str());
  sound->looped = (flags & 1) != 0;
  OpenOutputFor(*sound);
  loaded.sounds.push_back(std::move(sound));
  return loaded.sounds.back().get();
}

TChannel* Play(TSound* sound) {
  if (!sound) return nullptr;
  loaded.channels.push_back(std::make_unique<TChannel>(TChannel{sound}));
  TChannel* channel = loaded.channels.back().get();
  if (!output.device) return channel;
  SDL_LockAudioDevice(output.device);
  output.sound = sound;
  output.position.store(0);
  SDL_UnlockAudioDevice(output.device);
  SDL_PauseAudioDevice(output.device, 0);
  return channel;
}
