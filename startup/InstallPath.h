#pragma once

#include <optional>
#include <string>
#include <string_view>

// The install folder, ending in "/" so that file names append directly.
// GLINTFALL_HOME, when set and not empty, names it; otherwise it is
// share/glintfall/ beside the program's bin folder, which holds both for an
// install under a prefix and for the build tree.
std::string InstallPath(std::string_view programFolder,
                        const std::optional<std::string>& glintfallHome);
