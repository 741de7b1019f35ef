#include "editor/preview/logic/scratch_files.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "editor/model/clsMap.h"
#include "platform/files.h"
#include "platform/program_folders.h"

namespace qzedit {

namespace fs = std::filesystem;

namespace {

std::string trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

bool namesBitmap(const std::string& value)
{
    return value.size() > 4 && lower(value.substr(value.size() - 4)) == ".bmp";
}

std::string lookedForText(const std::string& folder, const std::string& programFolder)
{
    const std::string installed = (fs::path(programFolder) / "../share/quarzite3d").lexically_normal().string();
    return "The preview header " + std::string(kScratchHeader) +
           " was not found: it is looked for in the current directory (" + folder +
           ") and with the program's demo world (" + programFolder + " and " + installed + ").";
}

HeaderChoice writeRelocated(const std::string& source, const std::string& writeFolder, const std::string& headerName,
                            const std::string& mapPath)
{
    const std::string target = (fs::path(writeFolder) / headerName).string();
    std::string text;
    if (auto bytes = qz::readFileBytes(source)) text.assign(bytes->begin(), bytes->end());
    const std::string relocated = relocatedHeaderText(text, fs::path(source).parent_path().string(), mapPath);
    std::string error;
    if (writeFolder.empty() ||
        !qz::writeFileReplacing(target, std::vector<uint8_t>(relocated.begin(), relocated.end()), &error))
        return {"", "The preview header cannot be written to " + target + (error.empty() ? "." : ": " + error)};
    return {target, ""};
}

}  // namespace

Outcome compileMapTo(clsMap& map, const std::string& mapPath)
{
    Outcome compiled = map.createBSP();
    if (!compiled) return compiled;
    return map.WriteNewMPB(mapPath, true);
}

std::string editorScratchFolder()
{
    fs::path base;
    if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache && fs::path(cache).is_absolute())
        base = fs::path(cache) / "quarzite3d";
    else if (const char* home = std::getenv("HOME"); home && fs::path(home).is_absolute())
        base = fs::path(home) / ".cache" / "quarzite3d";
    else
        base = fs::temp_directory_path() / ("quarzite3d-" + std::to_string(getuid()));
    std::error_code failed;
    fs::create_directories(base, failed);
    return fs::is_directory(base, failed) ? base.string() : std::string();
}

std::string relocatedHeaderText(const std::string& text, const std::string& sourceFolder, const std::string& mapPath)
{
    std::istringstream lines(text);
    std::string out, line;
    bool mapNamed = false;
    const bool hasMapEntry = [&text] {
        std::istringstream scan(text);
        std::string entry;
        while (std::getline(scan, entry))
            if (lower(trimmed(entry.substr(0, entry.find('=')))) == "map" && entry.find('=') != std::string::npos)
                return true;
        return false;
    }();
    while (std::getline(lines, line)) {
        const size_t equals = line.find('=');
        const std::string key = equals == std::string::npos ? std::string() : lower(trimmed(line.substr(0, equals)));
        const std::string value = equals == std::string::npos ? std::string() : trimmed(line.substr(equals + 1));
        if (key == "map")
            line = line.substr(0, equals + 1) + mapPath;
        else if (namesBitmap(value) && !fs::path(value).is_absolute())
            line = line.substr(0, equals + 1) + (fs::path(sourceFolder) / value).lexically_normal().string();
        out += line + "\n";
        if (!hasMapEntry && !mapNamed && lower(trimmed(line)) == "[quarzite3d]") {
            out += "map=" + mapPath + "\n";
            mapNamed = true;
        }
    }
    if (!hasMapEntry && !mapNamed) out += "[Quarzite3D]\nmap=" + mapPath + "\n";
    return out;
}

HeaderChoice findPreviewHeader(const std::string& folder, const std::string& programFolder,
                               const std::string& writeFolder, const std::string& headerName,
                               const std::string& mapPath)
{
    const std::string own = (fs::path(folder) / kScratchHeader).string();
    if (qz::fileExists(own)) return {own, ""};
    const std::string shipped = qz::dataFile(programFolder, kScratchHeader);
    if (shipped.empty()) return {"", lookedForText(folder, programFolder)};
    return writeRelocated(shipped, writeFolder, headerName, mapPath);
}

HeaderChoice writePrivateHeader(const std::string& folder, const std::string& programFolder,
                                const std::string& writeFolder, const std::string& headerName,
                                const std::string& mapPath)
{
    const std::string own = (fs::path(folder) / kScratchHeader).string();
    const std::string source = qz::fileExists(own) ? own : qz::dataFile(programFolder, kScratchHeader);
    if (source.empty()) return {"", lookedForText(folder, programFolder)};
    return writeRelocated(source, writeFolder, headerName, mapPath);
}

}  // namespace qzedit
