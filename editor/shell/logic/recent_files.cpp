#include "editor/shell/logic/recent_files.h"

#include "platform/files.h"
#include "platform/profile.h"
#include "platform/run_error.h"

namespace qzedit {

namespace {

const char* const kSettingsFile = "mapedit.ini";
const char* const kSection = "init";
constexpr size_t kValueBuffer = 255;

std::string keyOf(int n) { return "file" + std::to_string(n); }

}  // namespace

void RecentFiles::load()
{
    std::string settings = qz::inCurrentDirectory(kSettingsFile);
    for (int n = 1; n <= kCount; ++n)
        paths_[n - 1] = qz::getProfileString(kSection, keyOf(n), "", settings, kValueBuffer);
}

void RecentFiles::add(const std::string& path)
{
    for (int i = kCount - 1; i > 0; --i) paths_[i] = paths_[i - 1];
    paths_[0] = path;
    save();
}

const std::string& RecentFiles::path(int n) const
{
    qz::checkIndex(n - 1, kCount);
    return paths_[n - 1];
}

std::string RecentFiles::caption(int n) const { return "&" + std::to_string(n) + " " + path(n); }

void RecentFiles::save() const
{
    std::string settings = qz::inCurrentDirectory(kSettingsFile);
    for (int n = 1; n <= kCount; ++n) qz::writeProfileString(kSection, keyOf(n), paths_[n - 1], settings);
}

}  // namespace qzedit
