// kelm_replay: scores an ADIF contest log through the Stats plug-in.
#include <exception>
#include <iostream>

#include "tools/replay.h"
#include "tools/replay_options.h"

int main(int argc, char** argv) {
  const std::string program = "kelm_replay";
  try {
    ReplayOptions options;
    std::string error;
    if (!ParseReplayOptions(argc - 1, argv + 1, &options, &error)) {
      std::cerr << program << ": " << error << "\n"
                << "Try " << program << " --help.\n";
      return kExitUsage;
    }
    if (options.help) {
      std::cout << ReplayHelp(program);
      return kExitOk;
    }
    return RunReplay(options, program, std::cout, std::cerr);
  } catch (const std::exception& failure) {
    std::cerr << program << ": " << failure.what() << "\n";
  } catch (...) {
    std::cerr << program << ": unexpected failure\n";
  }
  return kExitFailure;
}
