#pragma once

#include "platform/PlatformError.h"
#include "platform/ui/FileDialogs.h"

#include <deque>
#include <vector>

// Test double: records requests and hands out scripted answers in order;
// with no answer left it reports a cancel.
class ScriptedFileDialogs final : public FileDialogs
{
public:
    std::vector<Request> requests;
    std::deque<Result> answers;
    std::deque<std::optional<QFont>> fontAnswers;
    std::vector<QFont> fontRequests;

    void answer(const QString &fileName) { answers.push_back({0, fileName}); }
    void cancel() { answers.push_back({platformerror::DialogCancelled, {}}); }

    Result open(const Request &request) override { return next(request); }
    Result save(const Request &request) override { return next(request); }
    std::optional<QFont> chooseFont(const QFont &initial, const QString &) override
    {
        fontRequests.push_back(initial);
        if (fontAnswers.empty())
            return std::nullopt;
        std::optional<QFont> font = fontAnswers.front();
        fontAnswers.pop_front();
        return font;
    }

private:
    Result next(const Request &request)
    {
        requests.push_back(request);
        if (answers.empty())
            return {platformerror::DialogCancelled, {}};
        Result result = answers.front();
        answers.pop_front();
        return result;
    }
};
