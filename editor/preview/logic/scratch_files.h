#pragma once
#include <string>

#include "editor/model/outcome.h"

namespace qzedit {

class clsMap;

// The files a preview hands the engine: the compiled map and the header naming it and the
// textures.
inline constexpr const char* kScratchMap = "scratch.mpb";
inline constexpr const char* kScratchHeader = "scratch.hdr";

// The BSP tree of the map written to mapPath as a compiled map. A map the compiler refuses or a
// file that cannot be written gives the message to show, and then nothing may load mapPath as if
// it held this map.
Outcome compileMapTo(clsMap& map, const std::string& mapPath);

// A folder of the user's own for files the editor writes for itself (under $XDG_CACHE_HOME or
// ~/.cache, else the system's temporary folder); created when missing, "" when it cannot be.
std::string editorScratchFolder();

// The text of a header whose bitmaps are named by full path from sourceFolder and whose map is
// mapPath, so it can be read from any folder.
std::string relocatedHeaderText(const std::string& text, const std::string& sourceFolder, const std::string& mapPath);

// The header a preview starts the engine on, or why there is none.
struct HeaderChoice {
    std::string path;
    std::string fault;
    bool found() const { return fault.empty(); }
};

// scratch.hdr in folder when it is there (its map entry names scratch.mpb beside it). Otherwise
// the one shipped with the program's demo world, copied into writeFolder as headerName with its
// bitmaps by full path and its map entry naming mapPath: so a preview started anywhere shows the
// shipped world's textures and nothing is written into the program's folder.
HeaderChoice findPreviewHeader(const std::string& folder, const std::string& programFolder,
                               const std::string& writeFolder, const std::string& headerName,
                               const std::string& mapPath);

// The same for a preview that keeps its files to itself: the header (scratch.hdr of folder, else
// the shipped one) is always copied into writeFolder as headerName, naming mapPath.
HeaderChoice writePrivateHeader(const std::string& folder, const std::string& programFolder,
                                const std::string& writeFolder, const std::string& headerName,
                                const std::string& mapPath);

}  // namespace qzedit
