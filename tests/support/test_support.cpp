#include "tests/support/test_support.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

#include "platform/files.h"

namespace qztest {

MessageRecorder::MessageRecorder()
{
    previousMessage_ = qz::setMessageSink([this](const std::string& text, const std::string& title, int style) {
        messages.push_back({text, title, style});
        return qz::kMsgResultOk;
    });
    previousBeep_ = qz::setBeepSink([this] { ++beeps; });
}

MessageRecorder::~MessageRecorder()
{
    qz::setMessageSink(previousMessage_);
    qz::setBeepSink(previousBeep_);
}

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "qztest-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

ScopedCurrentDir::ScopedCurrentDir(const std::string& path) : previous_(qz::currentDirectory())
{
    qz::setCurrentDirectory(path);
}

ScopedCurrentDir::~ScopedCurrentDir() { qz::setCurrentDirectory(previous_); }

std::vector<uint8_t> readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string readText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeText(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

}  // namespace qztest
