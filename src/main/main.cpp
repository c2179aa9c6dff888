// The demo: start-up and ten scenes, then exit. It reads no arguments.
#include "main/demo.h"

int main() { return RunDemo(); }
