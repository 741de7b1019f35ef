#include "engine/memory_log.h"

#include "engine/engine_state.h"
#include "platform/numbers.h"

namespace engine {

void MemoryLog::open(const std::string& path)
{
    file_.close();
    file_.clear();
    file_.open(path, std::ios::binary | std::ios::trunc);
}

void MemoryLog::account(const std::string& text, int64_t bytes)
{
    EngineState& s = state();
    s.memoryTotal = static_cast<int32_t>(static_cast<uint32_t>(s.memoryTotal) + static_cast<uint32_t>(bytes));
    if (file_.is_open()) file_ << text << qz::numText(static_cast<long long>(bytes)) << " bytes\n";
}

void MemoryLog::writeSummaryAndClose()
{
    if (file_.is_open()) {
        int64_t total = state().memoryTotal;
        int64_t kilobytes = total >= 0 ? total / 1024 : -((-total + 1023) / 1024);
        file_ << "---------------------\n"
              << "Total = " << qz::numText(static_cast<long long>(total)) << " bytes - "
              << qz::numText(static_cast<long long>(kilobytes)) << "K\n";
    }
    close();
}

void MemoryLog::close() { file_.close(); }

MemoryLog& memoryLog()
{
    static MemoryLog log;
    return log;
}

}  // namespace engine
