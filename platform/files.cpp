#include "platform/files.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/time.h>
#include <unistd.h>

namespace qz {

namespace fs = std::filesystem;

bool fileExists(const std::string& name)
{
    if (name.empty()) return false;
    std::error_code ec;
    return fs::is_regular_file(name, ec);
}

std::string resolveFileName(const std::string& name)
{
    if (name.empty()) return {};
    std::string path = name;
    std::replace(path.begin(), path.end(), '\\', '/');
    if (fileExists(path)) return path;
    fs::path wanted(path);
    fs::path folder = wanted.has_parent_path() ? wanted.parent_path() : fs::path(".");
    std::string leaf = wanted.filename().string();
    auto lower = [](std::string s) {
        std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
        return s;
    };
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (lower(it->path().filename().string()) == lower(leaf) && fs::is_regular_file(it->path(), ec))
            return wanted.has_parent_path() ? (folder / it->path().filename()).string() : it->path().filename().string();
    }
    return {};
}

std::optional<std::vector<uint8_t>> readFileBytes(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

namespace {

std::string errorTextOf(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR: return "Path not found";
    case EACCES:
    case EPERM:
    case EROFS: return "Permission denied";
    case ENOSPC:
    case EDQUOT: return "Disk full";
    case EISDIR: return "Path/File access error";
    default: return std::strerror(error);
    }
}

bool writeAll(int fd, const std::vector<uint8_t>& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

bool writeFileReplacing(const std::string& name, const std::vector<uint8_t>& bytes, std::string* errorText)
{
    static unsigned counter = 0;
    std::string temp = name + ".~" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (errorText) *errorText = errorTextOf(errno);
        return false;
    }
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temp.c_str(), name.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        if (errorText) *errorText = errorTextOf(error);
    }
    return ok;
}

std::string currentDirectory()
{
    std::error_code ec;
    fs::path cwd = fs::current_path(ec);
    return ec ? std::string(".") : cwd.string();
}

bool setCurrentDirectory(const std::string& path)
{
    std::string folder = path;
    std::replace(folder.begin(), folder.end(), '\\', '/');
    return ::chdir(folder.c_str()) == 0;
}

std::string inCurrentDirectory(const std::string& name)
{
    std::string cwd = currentDirectory();
    if (!cwd.empty() && cwd.back() == '/') return cwd + name;
    return cwd + "/" + name;
}

double secondsSinceMidnight()
{
    timeval now {};
    gettimeofday(&now, nullptr);
    std::time_t seconds = now.tv_sec;
    std::tm local {};
    localtime_r(&seconds, &local);
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + static_cast<double>(now.tv_usec) / 1e6;
}

}  // namespace qz
