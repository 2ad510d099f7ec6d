#pragma once
// The viewer's optional modules (the news browser, the stone sound) sit beside
// libmoyoscope.so and are loaded only when first needed, so a start never pays
// for the libraries they link.

namespace moyo {

// The entry point `entry` of the module file `fileName`, looked for where
// $`environmentName` names it, beside the library this code is in, then at
// `builtPath` (where the build put it; may be null). The module stays loaded
// for the life of the process. Null when no candidate loads or has the entry.
void* LoadSideModuleEntry(const char* fileName, const char* environmentName, const char* builtPath,
                          const char* entry);

}  // namespace moyo
