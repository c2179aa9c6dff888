// The video: raw RGB frames on a pipe into ffmpeg, with the music from a
// temporary WAV muxed in so that its first sample sits at time 0.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "draw/sound_decode.h"

// The path of program on PATH, or "" when there is none.
std::string FindOnPath(const std::string& program);

class VideoWriter {
 public:
  VideoWriter() = default;
  VideoWriter(const VideoWriter&) = delete;
  VideoWriter& operator=(const VideoWriter&) = delete;
  ~VideoWriter();

  // Start ffmpeg writing path (.mp4: H.264 and AAC; .webm: VP9 and Opus) at 60
  // frames per second; music may be null for a silent video, and maxFrames,
  // when not -1, cuts the music to the length of that many video frames.
  // Throws std::runtime_error.
  void Open(const std::string& ffmpeg, const std::string& path, int width, int height, const PcmData* music,
            long maxFrames);
  // Append one frame of width x height RGB, rows top to bottom.
  void Write(const unsigned char* rgb);
  // Let ffmpeg finish the file; throws std::runtime_error when it failed.
  void Close();
  // Stop ffmpeg and remove the temporary WAV without finishing the file.
  void Abandon();

 private:
  FILE* pipe_ = nullptr;
  std::string wav_;
  size_t frameBytes_ = 0;
};
