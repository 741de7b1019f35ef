#include "editor/shell/test_hooks.h"

#include <QStringList>

#include "editor/model/clsMap.h"
#include "editor/shell/logic/command_guard.h"
#include "editor/shell/mdi_form1.h"
#include "platform/question_box.h"

namespace qzedit {

void installTestAnswer()
{
    const QString answer = qEnvironmentVariable("QZ3DEDIT_TEST_ANSWER");
    if (answer.isEmpty()) return;
    qz::setQuestionSink([answer](const std::string&, const std::string&, int, const std::vector<std::string>& buttons) {
        for (size_t i = 0; i < buttons.size(); ++i)
            if (QString::fromStdString(buttons[i]) == answer) return static_cast<int>(i);
        return qz::kNoAnswer;
    });
}

void applyTestMove(MDIForm1& editor)
{
    const QStringList move = qEnvironmentVariable("QZ3DEDIT_TEST_MOVE_AREA").split(',');
    if (move.size() != 3) return;
    const int32_t area = move[0].toInt();
    const float dx = move[1].toFloat(), dy = move[2].toFloat();
    runGuarded([&] {
        editor.document().change("Move Area", [&] { editor.map().moveArea(area, dx, dy); });
        editor.commands().run("itmRedraw");
    });
}

}  // namespace qzedit
