#pragma once
// Runs the moyoscope program as a user runs it, with its own settings folder.

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

#include "tests/app/TempFolder.h"

namespace moyo::test {

struct ProgramRun {
  int status = -1;
  std::string output;  // stdout and stderr together
};

// Runs a shell command line, collecting what it prints.
inline ProgramRun RunCommand(const std::string& command) {
  ProgramRun run;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  std::array<char, 4096> chunk{};
  while (std::fgets(chunk.data(), chunk.size(), pipe) != nullptr) run.output += chunk.data();
  const int status = ::pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

// Runs the program with arguments (already quoted) and the settings in `config`.
inline ProgramRun RunMoyoscope(const std::string& arguments, const TempFolder& config) {
  return RunCommand("XDG_CONFIG_HOME='" + config.Path().string() +
                    "' QT_QPA_PLATFORM=offscreen '" MOYOSCOPE_PROGRAM "' " + arguments + " 2>&1");
}

}  // namespace moyo::test
