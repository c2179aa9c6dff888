// Music decoding through vorbisfile, from memory, into 16-bit PCM. Files with
// more than two channels are mixed down to stereo with the usual surround
// weights; every later link of a chained stream is mapped onto the channel
// layout of the first.
#include "draw/sound_decode.h"

#include <cmath>
#include <cstring>

#include <vorbis/vorbisfile.h>

#include "draw/image_decode.h"

namespace {

// Longest stream that is decoded: beyond it the rest is dropped, so a hostile
// file cannot take all memory.
constexpr size_t kMaxFrames = size_t(20) * 60 * 48000;

struct MemoryStream {
  const unsigned char* data;
  size_t size;
  size_t pos;
};

size_t StreamRead(void* out, size_t size, size_t count, void* source) {
  auto* in = static_cast<MemoryStream*>(source);
  if (size == 0) return 0;
  size_t items = std::min(count, (in->size - in->pos) / size);
  std::memcpy(out, in->data + in->pos, items * size);
  in->pos += items * size;
  return items;
}

int StreamSeek(void* source, ogg_int64_t offset, int whence) {
  auto* in = static_cast<MemoryStream*>(source);
  ogg_int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? ogg_int64_t(in->pos) : ogg_int64_t(in->size);
  ogg_int64_t target = base + offset;
  if (target < 0 || target > ogg_int64_t(in->size)) return -1;
  in->pos = size_t(target);
  return 0;
}

long StreamTell(void* source) { return long(static_cast<MemoryStream*>(source)->pos); }

// Weights of each input channel into the left and right output, in the
// channel order that Vorbis defines for one to eight channels.
void MixWeights(int channels, std::vector<float>& left, std::vector<float>& right) {
  const float c = 0.7071f;
  left.assign(size_t(channels), 0.0f);
  right.assign(size_t(channels), 0.0f);
  switch (channels) {
    case 1: left = {1}; right = {1}; break;
    case 2: left = {1, 0}; right = {0, 1}; break;
    case 3: left = {1, c, 0}; right = {0, c, 1}; break;
    case 4: left = {1, 0, c, 0}; right = {0, 1, 0, c}; break;
    case 5: left = {1, c, 0, c, 0}; right = {0, c, 1, 0, c}; break;
    case 6: left = {1, c, 0, c, 0, c}; right = {0, c, 1, 0, c, c}; break;
    case 7: left = {1, c, 0, c, 0, c, c}; right = {0, c, 1, 0, c, c, c}; break;
    case 8: left = {1, c, 0, c, 0, c, 0, c}; right = {0, c, 1, 0, c, 0, c, c}; break;
    default:
      for (int i = 0; i < channels; ++i) (i % 2 ? right : left)[size_t(i)] = 1.0f;
      break;
  }
  float sumL = 0, sumR = 0;
  for (int i = 0; i < channels; ++i) sumL += left[size_t(i)], sumR += right[size_t(i)];
  for (int i = 0; i < channels; ++i) {
    left[size_t(i)] /= sumL;
    right[size_t(i)] /= sumR;
  }
}

int16_t ToSample(float v) {
  float scaled = std::nearbyint(v * 32767.0f);
  if (!(scaled > -32768.0f)) return -32768;
  if (scaled > 32767.0f) return 32767;
  return int16_t(scaled);
}

}  // namespace

namespace {

// One pass of decoding. Seekable, vorbisfile checks the whole file up front and
// knows its length; streaming, it decodes whatever can be read before the data
// stops, which is how a cut-off file still plays.
bool Decode(const unsigned char* data, size_t size, bool seekable, PcmData& out, std::string& error) {
  out = PcmData();
  error.clear();
  MemoryStream stream{data, size, 0};
  ov_callbacks callbacks{StreamRead, seekable ? StreamSeek : nullptr, nullptr, seekable ? StreamTell : nullptr};
  OggVorbis_File file;
  int opened = ov_open_callbacks(&stream, &file, nullptr, 0, callbacks);
  if (opened < 0) {
    error = opened == OV_ENOTVORBIS ? "not an OGG Vorbis file"
            : opened == OV_EVERSION ? "unsupported Vorbis version"
                                    : "broken OGG Vorbis headers";
    return false;
  }
  vorbis_info* first = ov_info(&file, -1);
  out.rate = int(first->rate);
  out.channels = first->channels == 1 ? 1 : 2;
  ogg_int64_t total = seekable ? ov_pcm_total(&file, -1) : 0;
  if (total > 0) out.samples.reserve(size_t(std::min<ogg_int64_t>(total, kMaxFrames)) * out.channels);

  std::vector<float> left, right;
  int weightsFor = 0;
  int section = -1;
  for (;;) {
    float** pcm = nullptr;
    long frames = ov_read_float(&file, &pcm, 4096, &section);
    if (frames == OV_HOLE) continue;  // a gap in the data: skip it and read on
    if (frames < 0) {
      error = "damaged audio data";
      break;
    }
    if (frames == 0) break;
    vorbis_info* info = ov_info(&file, section);
    if (info->rate != first->rate) {
      error = "sample rate changes within the file";
      break;
    }
    if (info->channels != weightsFor) {
      MixWeights(info->channels, left, right);
      weightsFor = info->channels;
    }
    const long room = long(kMaxFrames - out.Frames());
    if (frames > room) frames = room;
    const size_t at = out.samples.size();
    out.samples.resize(at + size_t(frames) * size_t(out.channels));
    int16_t* dest = out.samples.data() + at;
    for (long i = 0; i < frames; ++i) {
      float l = 0, r = 0;
      for (int ch = 0; ch < info->channels; ++ch) {
        l += pcm[ch][i] * left[size_t(ch)];
        r += pcm[ch][i] * right[size_t(ch)];
      }
      if (out.channels == 1) {
        *dest++ = ToSample((l + r) * 0.5f);
      } else {
        *dest++ = ToSample(l);
        *dest++ = ToSample(r);
      }
    }
    if (out.Frames() >= kMaxFrames) {
      error = "longer than 20 minutes; the rest is dropped";
      break;
    }
  }
  ov_clear(&file);
  if (out.samples.empty()) {
    if (error.empty()) error = "no audio in the file";
    out = PcmData();
    return false;
  }
  return true;
}

// Whether the data ends with a whole Ogg page that closes its stream; a file cut
// short ends inside a page or before its last one.
bool EndsWithLastPage(const unsigned char* data, size_t size) {
  if (size < 4) return false;
  for (size_t at = size - 3; at-- > 0;) {
    if (std::memcmp(data + at, "OggS", 4) != 0) continue;
    if (at + 27 > size) return false;
    size_t segments = data[at + 26], length = 27 + segments;
    if (at + length > size) return false;
    for (size_t i = 0; i < segments; ++i) length += data[at + 27 + i];
    return at + length == size && (data[at + 5] & 0x04);
  }
  return false;
}

}  // namespace

bool DecodeOggVorbis(const unsigned char* data, size_t size, PcmData& out, std::string& error) {
  if (size == 0) {
    out = PcmData();
    error = "the file is empty";
    return false;
  }
  if (Decode(data, size, true, out, error) && error.empty()) {
    if (!EndsWithLastPage(data, size)) error = "the file is cut short; playing what could be decoded";
    return true;
  }
  std::string whole = error;
  if (!Decode(data, size, false, out, error)) {
    if (!whole.empty()) error = whole;
    return false;
  }
  if (error.empty()) error = "the file is damaged or cut short; playing what could be decoded";
  return true;
}

bool DecodeOggVorbisFile(const std::string& path, PcmData& out, std::string& error) {
  std::vector<unsigned char> bytes;
  if (!ReadFileBytes(path, bytes, error)) {
    out = PcmData();
    return false;
  }
  return DecodeOggVorbis(bytes.data(), bytes.size(), out, error);
}
