#pragma once
#include <array>
#include <string>

namespace qzedit {

// The four most recently used maps, kept in section "init" of mapedit.ini in the current
// directory (read and written relative to the directory current at that moment).
class RecentFiles {
public:
    static constexpr int kCount = 4;

    void load();
    // Puts path first and shifts the others down (no check for duplicates), then writes all four.
    void add(const std::string& path);
    // n from 1 to 4.
    const std::string& path(int n) const;
    // The menu caption: "&1 " followed by the path.
    std::string caption(int n) const;

private:
    void save() const;
    std::array<std::string, kCount> paths_;
};

}  // namespace qzedit
