#include "editor/preview/logic/shared_library.h"

#include <dlfcn.h>

#include <filesystem>
#include <stdexcept>

#include "platform/program_folders.h"

namespace qzedit {

SharedLibrary::SharedLibrary(std::string fileName, std::string path)
    : fileName_(std::move(fileName)), path_(std::move(path))
{
}

SharedLibrary::~SharedLibrary()
{
    if (handle_) dlclose(handle_);
}

std::string SharedLibrary::shippedPath(const std::string& fileName)
{
    return qz::libraryFile(qz::programFolder(), fileName);
}

std::string SharedLibrary::missingText() const
{
    const std::filesystem::path folder(qz::programFolder());
    const std::string installed = (folder / "../lib/quarzite3d").lexically_normal().string();
    return "The library " + fileName_ + " was not found: it is looked for beside the program (" + folder.string() +
           ") and in " + installed + ".";
}

void SharedLibrary::load()
{
    if (handle_) return;
    if (path_.empty()) throw std::runtime_error(missingText());
    // By full path only: neither the library search path nor the current directory decides.
    handle_ = dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        const char* why = dlerror();
        throw std::runtime_error("The library " + path_ + " cannot be loaded: " + (why ? why : "unknown fault") + ".");
    }
}

void* SharedLibrary::entry(const std::string& name)
{
    auto known = entries_.find(name);
    if (known != entries_.end()) return known->second;
    load();
    void* address = dlsym(handle_, name.c_str());
    if (!address) throw std::runtime_error("The library " + path_ + " has no entry point " + name + ".");
    entries_.emplace(name, address);
    return address;
}

}  // namespace qzedit
