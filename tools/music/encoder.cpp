// Ogg Vorbis writer on top of libvorbisenc and libogg.
#include "encoder.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <vector>

namespace music {
namespace {

void AppendPage(const ogg_page& page, std::vector<unsigned char>& out) {
  out.insert(out.end(), page.header, page.header + page.header_len);
  out.insert(out.end(), page.body, page.body + page.body_len);
}

}  // namespace

bool WriteOggVorbis(const std::string& path, const Stereo& pcm, float quality, std::string& error) {
  vorbis_info info;
  vorbis_info_init(&info);
  if (vorbis_encode_init_vbr(&info, 2, kRate, quality) != 0) {
    vorbis_info_clear(&info);
    error = "the Vorbis encoder rejected the stream settings";
    return false;
  }
  vorbis_comment comment;
  vorbis_comment_init(&comment);
  vorbis_comment_add_tag(&comment, "TITLE", "tusmu");
  vorbis_dsp_state dsp;
  vorbis_analysis_init(&dsp, &info);
  vorbis_block block;
  vorbis_block_init(&dsp, &block);
  ogg_stream_state stream;
  ogg_stream_init(&stream, kOggSerial);

  std::vector<unsigned char> bytes;
  ogg_page page;
  ogg_packet packet;

  // The three header packets go on pages of their own before any audio.
  ogg_packet id, comments, codebooks;
  vorbis_analysis_headerout(&dsp, &comment, &id, &comments, &codebooks);
  ogg_stream_packetin(&stream, &id);
  ogg_stream_packetin(&stream, &comments);
  ogg_stream_packetin(&stream, &codebooks);
  while (ogg_stream_flush(&stream, &page) != 0) AppendPage(page, bytes);

  auto drain = [&]() {
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
      vorbis_analysis(&block, nullptr);
      vorbis_bitrate_addblock(&block);
      while (vorbis_bitrate_flushpacket(&dsp, &packet) != 0) {
        ogg_stream_packetin(&stream, &packet);
        while (ogg_stream_pageout(&stream, &page) != 0) AppendPage(page, bytes);
      }
    }
  };

  const size_t frames = pcm.Frames();
  const size_t chunk = 4096;
  for (size_t at = 0; at < frames; at += chunk) {
    const size_t n = std::min(chunk, frames - at);
    float** buffer = vorbis_analysis_buffer(&dsp, int(n));
    std::copy(pcm.l.begin() + long(at), pcm.l.begin() + long(at + n), buffer[0]);
    std::copy(pcm.r.begin() + long(at), pcm.r.begin() + long(at + n), buffer[1]);
    vorbis_analysis_wrote(&dsp, int(n));
    drain();
  }
  vorbis_analysis_wrote(&dsp, 0);  // end of stream
  drain();
  while (ogg_stream_flush(&stream, &page) != 0) AppendPage(page, bytes);

  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);

  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()))) {
    error = "cannot write " + path;
    file.close();
    std::remove(path.c_str());
    return false;
  }
  return true;
}

}  // namespace music
