// Entry point of the simulator: the host's start-up runs the whole life of the program.
#include "SIM.h"

int main(int argc, char** argv) {
  return SIM_Main(argc, argv);
}
