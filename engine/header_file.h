#pragma once
#include <string>
#include <string_view>

// The header file (.HDR): a settings-style text naming the map, the palette and the texture lists.
namespace engine {

// The value of a key as the engine reads settings: absent keys read as "", the value is cut at
// 1274 bytes and at a zero byte, and leading and trailing spaces are removed.
std::string readProfileValue(std::string_view text, std::string_view section, std::string_view key);

// Reads the keys of [Quarzite3D] and the lists [Overlays], [Objects], [Walls], [Anim], [Floors],
// [Ceilings] into the engine state. Absent or empty keys leave their variables as they were; a list
// is rebuilt only when its count is greater than 0.
void readHeader(std::string_view headerText);

// A missing header file reads as a header with every key absent.
void readHeaderFile(const std::string& headerPath);

// The whole file as text, or "" when it is missing or unreadable (Windows names allowed).
std::string readNamedText(const std::string& name);

}  // namespace engine
