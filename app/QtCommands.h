#pragma once
// The commands that need Qt live in a library of their own, libmoyoscope-qt.so, which
// the executable loads only when one of them runs: the command-line tools stay light.

#include "app/Commands.h"

// The one entry point of libmoyoscope-qt.so: runs the named Qt command and returns its
// exit code, or -1 when the library has no command of that name.
extern "C" int MoyoscopeRunQtCommand(const char* name, const moyo::app::Args* args);

namespace moyo::app {

// The file name of the library, found beside the executable.
inline constexpr const char* kQtCommandsLibrary = "libmoyoscope-qt.so";

}  // namespace moyo::app
