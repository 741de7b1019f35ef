#include "editor/shell/logic/startup_log.h"

#include "platform/files.h"

namespace qzedit {

void StartupLog::open() { out_.open(qz::inCurrentDirectory("MapEdit.log"), std::ios::out | std::ios::trunc); }

void StartupLog::line(const std::string& text)
{
    if (out_.is_open()) out_ << text << '\n' << std::flush;
}

void StartupLog::close()
{
    if (out_.is_open()) out_.close();
}

}  // namespace qzedit
