#include "editor/shell/logic/command_guard.h"

#include <exception>

#include "platform/message_box.h"
#include "platform/run_error.h"

namespace qzedit {

namespace {

const char* const kProgramTitle = "Quarzite3D Map Editor";

}  // namespace

std::string runErrorText(int number, const std::string& text)
{
    return "Run-time error '" + std::to_string(number) + "':\n\n" + text;
}

void runGuarded(const std::function<void()>& work)
{
    try {
        work();
    } catch (const qz::RunError& error) {
        qz::messageBox(runErrorText(error.number(), error.what()), kProgramTitle, qz::kMsgCritical);
    } catch (const std::exception& error) {
        qz::messageBox(error.what(), kProgramTitle, qz::kMsgCritical);
    }
}

void nya()
{
    qz::messageBox("This feature is not yet available. Check back in next version.", "Not Yet Available",
                   qz::kMsgCritical);
}

bool report(const Outcome& outcome)
{
    if (!outcome) qz::messageBox(outcome.text, outcome.title, outcome.style);
    return outcome.ok;
}

}  // namespace qzedit
