#pragma once
#include <string>

// Where a program finds what it ships with. In the build tree the programs, the engine library
// and the demo world lie side by side; installed, the programs are in <prefix>/bin, the libraries
// in <prefix>/lib/quarzite3d and the demo world in <prefix>/share/quarzite3d. Both are found from
// the program's own folder, so neither the current directory nor the library search path decides
// which files a program uses, and the prefix can be anywhere.
namespace qz {

// The folder of the running program (from /proc/self/exe); "" when it cannot be read.
std::string programFolder();

// The file `name` of the demo world (a header, bitmap or map) for a program in `folder`: beside
// the program when it is there, else in the installed data folder. "" when neither holds it or
// `folder` is not absolute.
std::string dataFile(const std::string& folder, const std::string& name);

// The folder `name` shipped with the program in `folder` (the shapes): beside the program when it
// is there, else in the installed data folder. "" when neither holds it or `folder` is not absolute.
std::string dataFolder(const std::string& folder, const std::string& name);

// The engine library a host in `folder` loads: beside the program, else in the installed library
// folder. Always an absolute path, so loading it never searches; "" when neither holds it or
// `folder` is not absolute.
std::string engineLibraryFile(const std::string& folder);

// Any other library shipped with the programs, found the same way as the engine.
std::string libraryFile(const std::string& folder, const std::string& name);

}  // namespace qz
