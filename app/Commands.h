#pragma once
// The subcommands of the moyoscope executable. Each takes the arguments after
// its name and returns the process exit code.

#include <string>
#include <vector>

namespace moyo::app {

using Args = std::vector<std::string>;

int RunParse(const Args& args);
int RunQna(const Args& args);
int RunConvert(const Args& args);
int RunGtp(const Args& args);
int RunServe(const Args& args);
int RunView(const Args& args);
int RunRegister(const Args& args);
int RunUnregister(const Args& args);
int RunRender(const Args& args);
int RunPrint(const Args& args);
int RunDiagram(const Args& args);

}  // namespace moyo::app
