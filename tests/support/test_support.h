#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/message_box.h"

namespace qztest {

struct RecordedMessage {
    std::string text;
    std::string title;
    int style;
};

// Collects every message box and beep while it lives, instead of printing them.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    std::vector<RecordedMessage> messages;
    int beeps = 0;

private:
    qz::MessageSink previousMessage_;
    qz::BeepSink previousBeep_;
};

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Changes the current directory for the life of the object.
class ScopedCurrentDir {
public:
    explicit ScopedCurrentDir(const std::string& path);
    ~ScopedCurrentDir();

private:
    std::string previous_;
};

std::vector<uint8_t> readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes);
std::string readText(const std::string& path);
void writeText(const std::string& path, const std::string& text);

}  // namespace qztest
