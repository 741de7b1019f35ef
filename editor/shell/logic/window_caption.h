#pragma once
#include <string>

namespace qzedit {

// The name a map goes by in the caption and in questions: its file's name, or "untitled.map"
// (the name Save As proposes) while it has none.
std::string mapDisplayName(const std::string& path);

// The main window's caption: "castle.map - Quarzite3D Map Editor", with "*" after the map's name
// while it has changes not yet saved ("castle.map* - Quarzite3D Map Editor").
std::string mainWindowCaption(const std::string& path, bool modified);

}  // namespace qzedit
