#pragma once
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "editor/shell/logic/file_dialogs.h"

// Answers file dialogs from a queue (nothing queued: the user cancels) and keeps every request.
struct FakeFileDialogs : qzedit::FileDialogs {
    std::optional<std::string> showOpen(const qzedit::FileDialogRequest& request) override { return answer("open", request); }
    std::optional<std::string> showSave(const qzedit::FileDialogRequest& request) override { return answer("save", request); }

    std::optional<std::string> answer(const std::string& kind, const qzedit::FileDialogRequest& request)
    {
        requests.push_back({kind, request});
        if (answers.empty()) return std::nullopt;
        std::optional<std::string> next = answers.front();
        answers.pop_front();
        return next;
    }

    struct Request {
        std::string kind;
        qzedit::FileDialogRequest request;
    };
    std::deque<std::optional<std::string>> answers;
    std::vector<Request> requests;
};
