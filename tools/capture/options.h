// The command line of demo-capture: one mode, its arguments, and the usage.
#pragma once

#include <string>
#include <vector>

enum class Mode { Video, Stills, Frames, Bench, Help };

struct Options {
  Mode mode = Mode::Help;
  std::string video;           // --video FILE (.mp4 or .webm)
  std::vector<long> stills;    // --stills T1,T2,... in milliseconds, as given
  long first = 0, last = 0;    // --frames A-B
  std::string out;             // --out DIR
  long until = -1;             // --until MS; -1 for the whole demo
};

// Parse argv into options; false with a one-line reason on a bad command line.
bool ParseOptions(int argc, char** argv, Options& options, std::string& error);

// The usage text, ending in a newline.
const char* UsageText();
