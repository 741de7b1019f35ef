#pragma once
#include <string>

// The engine's settings file "qz3d.ini" (section [init]): the default header and display switches.
namespace engine {

// The header to read: the caller's name when it is not empty (the current directory then changes
// to its folder, everything up to its last "\" or "/"), else the "default" key, which is taken as
// it stands when absolute (containing ":\" or starting with "/") and inside the current directory
// otherwise.
std::string chooseHeaderPath(const std::string& callerName, const std::string& settingsText);

// showObject, showCompass and showSnow: a non-empty value is converted and stored, an empty one
// leaves the flag as it was.
void readDisplayFlags(const std::string& settingsText);

}  // namespace engine
