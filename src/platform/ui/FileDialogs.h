#pragma once

#include <QFont>
#include <QString>

#include <optional>

// Open, save and font dialogs behind one service so tests can answer them.
class FileDialogs
{
public:
    struct Request
    {
        QString title;
        // Pairs of description and pattern list, "|"-separated:
        // "Project files (*.k7r)|*.k7r|All files|*.*".
        QString filter;
        int filterIndex = 1; // 1-based, as the filter pairs count
        QString initialName;
        bool overwritePrompt = false;
    };

    // error: a run-time error number, platformerror::None when confirmed,
    // DialogCancelled or InvalidFileName.
    struct Result
    {
        int error = 0;
        QString fileName;
    };

    virtual ~FileDialogs() = default;
    virtual Result open(const Request &request) = 0;
    virtual Result save(const Request &request) = 0;
    // nullopt when cancelled.
    virtual std::optional<QFont> chooseFont(const QFont &initial, const QString &title) = 0;

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
