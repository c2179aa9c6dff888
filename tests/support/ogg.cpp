// Test support: an OGG Vorbis writer on libvorbisenc.
#include "support/ogg.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>

namespace {

void WritePages(ogg_stream_state& stream, std::FILE* file, bool flush) {
  ogg_page page;
  while (flush ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
    std::fwrite(page.header, 1, size_t(page.header_len), file);
    std::fwrite(page.body, 1, size_t(page.body_len), file);
  }
}

}  // namespace

void WriteOgg(const std::string& path, int rate, int channels, long frames,
              const std::function<float(long i, int c)>& signal) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return;
  vorbis_info info;
  vorbis_info_init(&info);
  vorbis_encode_init_vbr(&info, channels, rate, 0.4f);
  vorbis_comment comment;
  vorbis_comment_init(&comment);
  vorbis_dsp_state dsp;
  vorbis_analysis_init(&dsp, &info);
  vorbis_block block;
  vorbis_block_init(&dsp, &block);
  ogg_stream_state stream;
  ogg_stream_init(&stream, 1234);

  ogg_packet header, headerComment, headerCode;
  vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
  ogg_stream_packetin(&stream, &header);
  ogg_stream_packetin(&stream, &headerComment);
  ogg_stream_packetin(&stream, &headerCode);
  WritePages(stream, file, true);

  const long chunk = 1024;
  auto drain = [&] {
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
      vorbis_analysis(&block, nullptr);
      vorbis_bitrate_addblock(&block);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
        ogg_stream_packetin(&stream, &packet);
        WritePages(stream, file, false);
      }
    }
  };
  for (long done = 0; done < frames; done += chunk) {
    long n = std::min(chunk, frames - done);
    float** buffer = vorbis_analysis_buffer(&dsp, int(n));
    for (long i = 0; i < n; ++i)
      for (int c = 0; c < channels; ++c) buffer[c][i] = signal(done + i, c);
    vorbis_analysis_wrote(&dsp, int(n));
    drain();
  }
  vorbis_analysis_wrote(&dsp, 0);  // end of stream
  drain();
  WritePages(stream, file, true);
  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
  std::fclose(file);
}
