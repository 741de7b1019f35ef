#pragma once
#include <string>

namespace qz {

// An exclusive lock on a file, held while the object lives and given up by the system when the
// process ends in any way, a kill included. Another process (or another lock object of this one)
// cannot take it meanwhile. The file is created when missing; it is never removed here.
class FileLock {
public:
    // Tries once, without waiting; held() tells whether it was taken.
    explicit FileLock(const std::string& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;

    bool held() const { return fd_ >= 0; }
    const std::string& path() const { return path_; }

private:
    std::string path_;
    int fd_ = -1;
};

}  // namespace qz
