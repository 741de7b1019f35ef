#include "platform/question_box.h"

#include <cstdio>

namespace qz {

namespace {

int unanswered(const std::string& text, const std::string& title, int, const std::vector<std::string>&)
{
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    return kNoAnswer;
}

QuestionSink& questionSink()
{
    static QuestionSink sink = unanswered;
    return sink;
}

}  // namespace

int askQuestion(const std::string& text, const std::string& title, int style, const std::vector<std::string>& buttons)
{
    return questionSink()(text, title, style, buttons);
}

QuestionSink setQuestionSink(QuestionSink sink)
{
    QuestionSink previous = questionSink();
    questionSink() = sink ? std::move(sink) : QuestionSink(unanswered);
    return previous;
}

}  // namespace qz
