#pragma once
#include <functional>
#include <string>
#include <vector>

namespace qz {

// A question whose answers are buttons of the caller's own captions ("Save", "Discard", "Cancel"),
// for choices a message box's OK cannot give. Like message boxes, every question of the process
// goes through one replaceable sink.
using QuestionSink = std::function<int(const std::string& text, const std::string& title, int style,
                                       const std::vector<std::string>& buttons)>;

// The index of the button chosen, or kNoAnswer when the question was closed without a choice. The
// default sink has no one to ask: it writes "title: text" to standard error and answers kNoAnswer.
inline constexpr int kNoAnswer = -1;
int askQuestion(const std::string& text, const std::string& title, int style, const std::vector<std::string>& buttons);

// Installs a sink and returns the one it replaces; an empty sink restores the default.
QuestionSink setQuestionSink(QuestionSink sink);

}  // namespace qz
