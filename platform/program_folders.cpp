#include "platform/program_folders.h"

#include <filesystem>
#include <initializer_list>

#include "platform/files.h"

// The build gives the install layout here, from the same values it writes into the programs' RPATH.
#if !defined(QZ_DATA_FROM_BIN) || !defined(QZ_LIB_FROM_BIN) || !defined(QZ_ENGINE_LIBRARY_NAME)
#error "QZ_DATA_FROM_BIN, QZ_LIB_FROM_BIN and QZ_ENGINE_LIBRARY_NAME come from platform/CMakeLists.txt"
#endif

namespace qz {

namespace fs = std::filesystem;

namespace {

// The first of `places` (relative to `folder`) that holds the regular file `name`.
std::string firstHolding(const std::string& folder, std::initializer_list<const char*> places, const std::string& name)
{
    const fs::path base(folder);
    if (!base.is_absolute() || name.empty()) return "";
    for (const char* place : places) {
        const std::string file = (base / place / name).lexically_normal().string();
        if (fileExists(file)) return file;
    }
    return "";
}

}  // namespace

std::string programFolder()
{
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? "" : self.parent_path().string();
}

std::string dataFile(const std::string& folder, const std::string& name)
{
    return firstHolding(folder, {".", QZ_DATA_FROM_BIN}, name);
}

std::string dataFolder(const std::string& folder, const std::string& name)
{
    const fs::path base(folder);
    if (!base.is_absolute() || name.empty()) return "";
    for (const char* place : {".", QZ_DATA_FROM_BIN}) {
        const fs::path candidate = (base / place / name).lexically_normal();
        std::error_code failed;
        if (fs::is_directory(candidate, failed)) return candidate.string();
    }
    return "";
}

std::string engineLibraryFile(const std::string& folder) { return libraryFile(folder, QZ_ENGINE_LIBRARY_NAME); }

std::string libraryFile(const std::string& folder, const std::string& name)
{
    return firstHolding(folder, {".", QZ_LIB_FROM_BIN}, name);
}

}  // namespace qz
