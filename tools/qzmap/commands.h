#pragma once
#include <ostream>
#include <string>

// The commands of qzmap. Each prints its result on out and returns true; on failure it returns
// false with a one-line message in failure and prints nothing.
bool infoCommand(const std::string& path, std::ostream& out, std::string& failure);
bool dumpCommand(const std::string& path, std::ostream& out, std::string& failure);
bool compileCommand(const std::string& inPath, const std::string& outPath, std::ostream& out, std::string& failure);
