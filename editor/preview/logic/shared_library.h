#pragma once
#include <map>
#include <string>

namespace qzedit {

// A library shipped with the programs, loaded by its full path when a first entry point is
// needed, each entry point found by its exported name at its first call and kept. A missing
// library or entry point throws a std::runtime_error whose text names the file and where it is
// looked for.
class SharedLibrary {
public:
    // fileName: the library's file name; path: where it was found ("" when it was not).
    SharedLibrary(std::string fileName, std::string path);
    ~SharedLibrary();
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    // The library shipped with this program: beside it, else in the installed library folder.
    static std::string shippedPath(const std::string& fileName);

    bool found() const { return !path_.empty(); }
    const std::string& path() const { return path_; }
    // "The library X was not found: it is looked for beside the program (A) and in B."
    std::string missingText() const;

    void* entry(const std::string& name);

    template <typename Function>
    Function* function(const std::string& name)
    {
        return reinterpret_cast<Function*>(entry(name));
    }

private:
    void load();

    std::string fileName_;
    std::string path_;
    void* handle_ = nullptr;
    std::map<std::string, void*> entries_;
};

}  // namespace qzedit
