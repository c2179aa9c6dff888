// Running the real demo-capture executable from a test, and reading back what
// it wrote.
#pragma once

#include <string>
#include <vector>

struct Outcome {
  int status;          // exit status, or -1 when it did not exit normally
  std::string output;  // stdout and stderr together
};

// The demo-capture executable, quoted for the shell.
std::string CaptureCommand();
// Run demo-capture with the arguments (already quoted for the shell).
Outcome Capture(const std::string& args);
// Run any shell command line, with its output.
Outcome Shell(const std::string& command);

// Whether a program can be found on PATH.
bool HaveProgram(const std::string& name);

// A decoded 8-bit RGB picture; empty pixels when the file is missing or not a PNG.
struct Picture {
  int width = 0, height = 0, channels = 0;
  int bitDepth = 0, colorType = -1;  // as the file's header declares them
  std::vector<unsigned char> pixels;
};
Picture ReadPicture(const std::string& path);

// The whole file, or empty when it cannot be read.
std::vector<unsigned char> FileBytes(const std::string& path);
