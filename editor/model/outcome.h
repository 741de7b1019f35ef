#pragma once
#include <string>
#include <utility>

namespace qzedit {

// What an operation of the map that can fail for the user (a file read or write, a compile) came
// to. On failure it carries the message for the user (text, title and message-box style); the
// caller shows it in a box or prints it.
struct Outcome {
    bool ok = true;
    std::string text;
    std::string title;
    int style = 0;

    explicit operator bool() const { return ok; }
    static Outcome failure(std::string text, std::string title, int style)
    {
        return Outcome {false, std::move(text), std::move(title), style};
    }
};

}  // namespace qzedit
