// Running demo-capture through the shell and reading its PNGs back.
#include "run.h"

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "draw/image_decode.h"
#include "support/headless.h"

Outcome Shell(const std::string& command) {
  Outcome outcome{-1, {}};
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return outcome;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) outcome.output.append(buffer, n);
  int status = pclose(pipe);
  if (status != -1 && WIFEXITED(status)) outcome.status = WEXITSTATUS(status);
  return outcome;
}

std::string CaptureCommand() {
#ifdef DEMO_CAPTURE_EXE
  return std::string("'") + DEMO_CAPTURE_EXE + "'";
#else
  ADD_FAILURE() << "built without the demo-capture target";
  return "false";
#endif
}

Outcome Capture(const std::string& args) { return Shell(CaptureCommand() + " " + args); }

bool HaveProgram(const std::string& name) { return Shell("command -v " + name).status == 0; }

std::vector<unsigned char> FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Picture ReadPicture(const std::string& path) {
  Picture picture;
  std::vector<unsigned char> bytes = FileBytes(path);
  if (bytes.size() < 26 || bytes[1] != 'P' || bytes[2] != 'N' || bytes[3] != 'G') return picture;
  picture.bitDepth = bytes[24];
  picture.colorType = bytes[25];
  Pixmap decoded;
  std::string error;
  if (!DecodeImage(bytes.data(), bytes.size(), decoded, error)) return picture;
  picture.width = decoded.width;
  picture.height = decoded.height;
  picture.channels = decoded.channels;
  picture.pixels = std::move(decoded.pixels);
  return picture;
}
