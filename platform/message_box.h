#pragma once
#include <functional>
#include <string>

namespace qz {

// Message box styles, combined by addition as the callers pass them.
inline constexpr int kMsgOkOnly = 0;
inline constexpr int kMsgCritical = 16;
inline constexpr int kMsgQuestion = 32;
inline constexpr int kMsgExclamation = 48;
inline constexpr int kMsgInformation = 64;

inline constexpr int kMsgResultOk = 1;

// Every message box and beep of the process goes through one replaceable sink. The default
// writes one line "title: text" to standard error and never blocks.
using MessageSink = std::function<int(const std::string& text, const std::string& title, int style)>;
using BeepSink = std::function<void()>;

int messageBox(const std::string& text, const std::string& title = "", int style = kMsgOkOnly);
void beep();

// Installs a sink and returns the one it replaces; an empty sink restores the default.
MessageSink setMessageSink(MessageSink sink);
BeepSink setBeepSink(BeepSink sink);

}  // namespace qz
