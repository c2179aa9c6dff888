// Writing a presented frame as an 8-bit RGB PNG.
#pragma once

#include <string>

#include "draw/platform.h"

// Write the frame to path; false with a reason when the file cannot be written.
bool WriteFramePng(const std::string& path, const FrameView& frame, std::string& error);
