#pragma once
#include <cstdint>
#include <fstream>
#include <string>

namespace engine {

// "memUse.log": one line per block the initialisation loads, then a total. Every accounted block
// also adds to memoryTotal, whether or not the log is open.
class MemoryLog {
public:
    // Replaces the file; lines follow until close().
    void open(const std::string& path);
    // text + the byte count (with its sign space) + " bytes", e.g. "Wall - w1.bmp -  16494 bytes".
    void account(const std::string& text, int64_t bytes);
    // The 21-hyphen line and "Total = <n> bytes - <n div 1024>K"; closes the file.
    void writeSummaryAndClose();
    void close();

private:
    std::ofstream file_;
};

MemoryLog& memoryLog();

}  // namespace engine
