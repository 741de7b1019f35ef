#include "editor/shell/logic/recovery_folder.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <system_error>

#include "editor/model/clsMap.h"
#include "platform/files.h"
#include "platform/profile.h"

namespace qzedit {

namespace fs = std::filesystem;

namespace {

const char* const kInfoSection = "recovery";
const char* const kPathKey = "path";

// The process and the moment keep editors apart; the count keeps apart the folders of one process.
std::string uniqueBaseName()
{
    static int made = 0;
    const auto started = std::chrono::duration_cast<std::chrono::milliseconds>(
                             std::chrono::system_clock::now().time_since_epoch())
                             .count();
    return "QZ3Dedit-" + std::to_string(::getpid()) + "-" + std::to_string(started) + "-" + std::to_string(made++);
}

std::string withExtension(const std::string& mapFile, const char* extension)
{
    return fs::path(mapFile).replace_extension(extension).string();
}

}  // namespace

RecoveryFolder::RecoveryFolder(std::string folder)
    : folder_(std::move(folder)),
      baseName_(uniqueBaseName()),
      mapFile_((fs::path(folder_) / (baseName_ + ".map")).string()),
      infoFile_(withExtension(mapFile_, ".ini"))
{
}

bool RecoveryFolder::write(clsMap& map, const std::string& originalPath, std::string& error)
{
    std::error_code failed;
    fs::create_directories(folder_, failed);
    // The lock comes first: once the map file is there, a starting editor sees it held.
    if (!ownLock_ || !ownLock_->held()) ownLock_.emplace(withExtension(mapFile_, ".lock"));
    if (!ownLock_->held()) {
        error = "Cannot write in " + folder_;
        return false;
    }
    const std::string info = qz::profileUpdate("", kInfoSection, kPathKey, originalPath);
    if (!qz::writeFileReplacing(infoFile_, std::vector<uint8_t>(info.begin(), info.end()), &error)) return false;
    Outcome written = map.WriteNewMPB(mapFile_, false);
    error = written.text;
    return written.ok;
}

void RecoveryFolder::remove()
{
    if (!ownLock_) return;
    std::error_code ignored;
    fs::remove(mapFile_, ignored);
    fs::remove(infoFile_, ignored);
    fs::remove(ownLock_->path(), ignored);
    ownLock_.reset();
}

std::vector<LeftWork> RecoveryFolder::leftBehind()
{
    std::vector<std::pair<fs::file_time_type, LeftWork>> found;
    std::error_code failed;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_, failed)) {
        const fs::path file = entry.path();
        if (file.extension() != ".map" || file.string() == mapFile_ || claimed_.count(file.string())) continue;
        qz::FileLock lock(withExtension(file.string(), ".lock"));
        if (!lock.held()) continue;  // its editor is running
        std::optional<std::vector<uint8_t>> info = qz::readFileBytes(withExtension(file.string(), ".ini"));
        const std::string text = info ? std::string(info->begin(), info->end()) : std::string();
        LeftWork work {file.string(), qz::profileLookup(text, kInfoSection, kPathKey).value_or("")};
        claimed_.emplace(work.mapFile, std::move(lock));
        found.emplace_back(entry.last_write_time(failed), std::move(work));
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<LeftWork> works;
    for (auto& [time, work] : found) works.push_back(std::move(work));
    return works;
}

void RecoveryFolder::dispose(const LeftWork& work)
{
    std::error_code ignored;
    fs::remove(work.mapFile, ignored);
    fs::remove(withExtension(work.mapFile, ".ini"), ignored);
    fs::remove(withExtension(work.mapFile, ".lock"), ignored);
    claimed_.erase(work.mapFile);
}

void RecoveryFolder::release(const LeftWork& work) { claimed_.erase(work.mapFile); }

}  // namespace qzedit
