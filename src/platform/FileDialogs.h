#pragma once

#include <QFont>
#include <QString>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

// Open, save and font dialogs behind one service so tests can answer them.
class FileDialogs
{
public:
    struct Request {
        QString title;
        // Pairs of description and pattern list, "|"-separated:
        // "Project files (*.k7r)|*.k7r|All files|*.*".
        QString filter;
        int filterIndex = 1; // 1-based, as the filter pairs count
        QString initialName;
        bool overwritePrompt = false;
    };

    // error: 0 when confirmed, 32755 when cancelled, 20477 for an invalid name.
    struct Result {
        int error = 0;
        QString fileName;
    };

    virtual ~FileDialogs() = default;
    virtual Result open(const Request &request) = 0;
    virtual Result save(const Request &request) = 0;
    // nullopt when cancelled.
    virtual std::optional<QFont> chooseFont(const QFont &initial, const QString &title) = 0;

    static constexpr int Cancelled = 32755;
    static constexpr int InvalidName = 20477;

    // "A (*.a)|*.a|All|*.*" to Qt's ";;"-separated name filters.
    static QStringList qtNameFilters(const QString &filter);
};

class SystemFileDialogs final : public FileDialogs
{
public:
    Result open(const Request &request) override;
    Result save(const Request &request) override;
    std::optional<QFont> chooseFont(const QFont &initial, const QString &title) override;
};

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
    void cancel() { answers.push_back({Cancelled, {}}); }

    Result open(const Request &request) override { return next(request); }
    Result save(const Request &request) override { return next(request); }
    std::optional<QFont> chooseFont(const QFont &initial, const QString &title) override;

private:
    Result next(const Request &request);
};
