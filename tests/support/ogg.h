// Test support: small OGG Vorbis files written by the tests themselves.
#pragma once

#include <functional>
#include <string>

// Encode frames of a signal (sample value in -1..1 for frame i, channel c) at
// the given rate and channel count into an OGG Vorbis file.
void WriteOgg(const std::string& path, int rate, int channels, long frames,
              const std::function<float(long i, int c)>& signal);
