#pragma once
#include <string>

#include "platform/automation_strings.h"

namespace qzedit {

// A text passed by reference to a library: an automation string for the length of one call,
// copied back into the caller's variable afterwards.
class TextArgument {
public:
    explicit TextArgument(std::string& text) : text_(text), string_(qz::newAutomationString(text)) {}
    ~TextArgument()
    {
        text_ = qz::automationText(string_);
        SysFreeString(string_);
    }
    TextArgument(const TextArgument&) = delete;
    TextArgument& operator=(const TextArgument&) = delete;
    char** address() { return &string_; }

private:
    std::string& text_;
    char* string_;
};

// The text of a string a library returned, which the caller frees.
inline std::string takeText(char* string)
{
    std::string text = qz::automationText(string);
    SysFreeString(string);
    return text;
}

}  // namespace qzedit
