// Fuzz target: the music decoder on arbitrary bytes (OGG Vorbis seeds).
#include <cstddef>
#include <cstdint>
#include <string>

#include "draw/sound_decode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  PcmData pcm;
  std::string error;
  if (DecodeOggVorbis(data, size, pcm, error) && (pcm.channels < 1 || pcm.channels > 2 || pcm.rate <= 0))
    __builtin_trap();
  return 0;
}
