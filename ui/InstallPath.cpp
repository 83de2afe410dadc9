#include "ui/InstallPath.h"

#include "platform/SystemServices.h"

#include <filesystem>

std::string GetInstallPath()
{
    namespace fs = std::filesystem;
    const std::string executableDir = GetExecutableDir();
    if (executableDir.empty())
        return {};
    fs::path folder = fs::path(executableDir);
    for (int level = 0; level < 3 && folder.has_parent_path(); ++level) {
        folder = folder.parent_path();
        const fs::path candidate = folder / "share" / "velmira";
        std::error_code error;
        if (fs::is_directory(candidate, error))
            return candidate.lexically_normal().string();
        if (folder == folder.root_path())
            break;
    }
    return {};
}
