#include "startup/InstallPath.h"

#include <filesystem>

std::string InstallPath(std::string_view programFolder,
                        const std::optional<std::string>& glintfallHome) {
    std::string path;
    if (glintfallHome && !glintfallHome->empty()) {
        path = *glintfallHome;
    } else {
        const std::filesystem::path folder(programFolder);
        path = (folder / ".." / "share" / "glintfall").lexically_normal().generic_string();
    }
    if (path.empty() || path.back() != '/') {
        path.push_back('/');
    }
    return path;
}
