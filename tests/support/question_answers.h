#pragma once
#include <deque>
#include <string>
#include <vector>

#include "platform/question_box.h"

namespace qztest {

// Answers every question while it lives, by button caption from a queue (nothing queued: no
// answer), and keeps what was asked.
class QuestionAnswers {
public:
    struct Asked {
        std::string text, title;
        int style;
        std::vector<std::string> buttons;
    };

    QuestionAnswers()
    {
        previous_ = qz::setQuestionSink([this](const std::string& text, const std::string& title, int style,
                                               const std::vector<std::string>& buttons) {
            asked.push_back({text, title, style, buttons});
            if (answers.empty()) return qz::kNoAnswer;
            const std::string answer = answers.front();
            answers.pop_front();
            for (size_t i = 0; i < buttons.size(); ++i)
                if (buttons[i] == answer) return static_cast<int>(i);
            return qz::kNoAnswer;
        });
    }
    ~QuestionAnswers() { qz::setQuestionSink(previous_); }
    QuestionAnswers(const QuestionAnswers&) = delete;
    QuestionAnswers& operator=(const QuestionAnswers&) = delete;

    std::deque<std::string> answers;
    std::vector<Asked> asked;

private:
    qz::QuestionSink previous_;
};

}  // namespace qztest
