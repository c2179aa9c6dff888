// Parsing the command line: exactly one mode, each option at most once, and
// every number checked in full, so a typo is an error and never a silent 0.
#include "options.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

namespace {

// A whole non-negative decimal number, within limit.
bool ParseCount(const std::string& text, long limit, long& value) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
  errno = 0;
  value = std::strtol(text.c_str(), nullptr, 10);
  return errno == 0 && value <= limit;
}

bool ParseStills(const std::string& text, std::vector<long>& times, std::string& error) {
  size_t start = 0;
  for (;;) {
    size_t comma = text.find(',', start);
    std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    long t = 0;
    if (!ParseCount(item, 999999, t)) {
      error = "--stills wants times in milliseconds from 0 to 999999, separated by commas (got '" + text + "')";
      return false;
    }
    times.push_back(t);
    if (comma == std::string::npos) return true;
    start = comma + 1;
  }
}

bool ParseRange(const std::string& text, long& first, long& last, std::string& error) {
  size_t dash = text.find('-');
  if (dash == std::string::npos || !ParseCount(text.substr(0, dash), 99999, first) ||
      !ParseCount(text.substr(dash + 1), 99999, last) || first < 1 || last < first) {
    error = "--frames wants A-B with 1 <= A <= B <= 99999 (got '" + text + "')";
    return false;
  }
  return true;
}

bool EndsWith(const std::string& s, const std::string& tail) {
  if (s.size() < tail.size()) return false;
  for (size_t i = 0; i < tail.size(); ++i)
    if (std::tolower((unsigned char)s[s.size() - tail.size() + i]) != tail[i]) return false;
  return true;
}

}  // namespace

const char* UsageText() {
  return "usage: demo-capture --video FILE [--until MS]\n"
         "       demo-capture --stills T1,T2,... --out DIR\n"
         "       demo-capture --frames A-B --out DIR\n"
         "       demo-capture --bench [--until MS]\n"
         "       demo-capture --help\n"
         "\n"
         "Runs the demo headless on a virtual 60 Hz clock: frame k (k = 1, 2, ...) is the\n"
         "picture of the k-th Flip and its time is floor(k * 1000 / 60) ms, so every run\n"
         "gives the same frames.\n"
         "\n"
         "  --video FILE    the demo with its music, through ffmpeg: FILE.mp4 (H.264 and\n"
         "                  AAC) or FILE.webm (VP9 and Opus); a black frame 0 at time 0\n"
         "  --until MS      stop after the last frame at or before MS ms (video, bench)\n"
         "  --stills T,...  DIR/tNNNNNN.png for each time T in ms: the first frame at or\n"
         "                  after T\n"
         "  --frames A-B    DIR/fNNNNN.png for each frame from A to B\n"
         "  --out DIR       where the PNGs go (created when missing)\n"
         "  --bench         render without writing; print frame times per scene, frames\n"
         "                  per second, the start-up split and the renderer\n";
}

bool ParseOptions(int argc, char** argv, Options& options, std::string& error) {
  options = Options();
  bool haveMode = false, haveOut = false, haveUntil = false;
  auto setMode = [&](Mode mode, const std::string& flag) {
    if (haveMode) {
      error = "only one of --video, --stills, --frames, --bench and --help may be given (" + flag + ")";
      return false;
    }
    haveMode = true;
    options.mode = mode;
    return true;
  };
  for (int i = 1; i < argc; ++i) {
    const std::string flag = argv[i];
    if (flag == "--help" || flag == "-h") {
      options = Options();
      return true;
    }
    const bool takesValue = flag == "--video" || flag == "--stills" || flag == "--frames" || flag == "--out" ||
                            flag == "--until";
    if (flag == "--bench") {
      if (!setMode(Mode::Bench, flag)) return false;
      continue;
    }
    if (!takesValue) {
      error = "unknown argument '" + flag + "'";
      return false;
    }
    if (i + 1 >= argc) {
      error = flag + " needs a value";
      return false;
    }
    const std::string value = argv[++i];
    if (flag == "--video") {
      if (!setMode(Mode::Video, flag)) return false;
      if (!EndsWith(value, ".mp4") && !EndsWith(value, ".webm")) {
        error = "--video FILE must end in .mp4 or .webm (got '" + value + "')";
        return false;
      }
      options.video = value;
    } else if (flag == "--stills") {
      if (!setMode(Mode::Stills, flag) || !ParseStills(value, options.stills, error)) return false;
    } else if (flag == "--frames") {
      if (!setMode(Mode::Frames, flag) || !ParseRange(value, options.first, options.last, error)) return false;
    } else if (flag == "--out") {
      if (haveOut || value.empty()) {
        error = haveOut ? "--out given twice" : "--out needs a directory";
        return false;
      }
      haveOut = true;
      options.out = value;
    } else {
      if (haveUntil || !ParseCount(value, 99999999, options.until)) {
        error = haveUntil ? "--until given twice" : "--until wants a time in milliseconds (got '" + value + "')";
        return false;
      }
      haveUntil = true;
    }
  }
  if (!haveMode) {
    error = "nothing to do: give --video, --stills, --frames or --bench";
    return false;
  }
  const bool pictures = options.mode == Mode::Stills || options.mode == Mode::Frames;
  if (pictures && !haveOut) {
    error = std::string(options.mode == Mode::Stills ? "--stills" : "--frames") + " needs --out DIR";
    return false;
  }
  if (!pictures && haveOut) {
    error = "--out goes with --stills or --frames only";
    return false;
  }
  if (pictures && haveUntil) {
    error = "--until goes with --video or --bench only";
    return false;
  }
  return true;
}
