// ravelmark-engine: the command-line front of the computer's search.
#include "players/EngineCommand.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char **argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return RunEngineCommand(args, std::cout, std::cerr);
}
