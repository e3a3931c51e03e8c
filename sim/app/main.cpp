// Entry point of the simulator. The host's start-up lives in the sim library; this file only hands over.
#include <cstdio>

int main(int argc, char** argv) {
  (void)argc;
  (void)argv;
  std::puts("MERIDOX simulator: host not built yet");
  return 0;
}
