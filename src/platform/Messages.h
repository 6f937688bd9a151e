#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// Every user message goes through this service: an OK button only, the
// application's title "Fendrel" and no icon unless a variant says otherwise.
class Messages
{
public:
    enum class Icon { None, Critical };

    struct Message {
        QString text;
        QString title;
        Icon icon = Icon::None;
    };

    virtual ~Messages() = default;

    void show(const QString &text) { present({text, applicationTitle(), Icon::None}); }
    void critical(const QString &text) { present({text, applicationTitle(), Icon::Critical}); }
    void showTitled(const QString &text, const QString &title) { present({text, title, Icon::None}); }

    static QString applicationTitle() { return QStringLiteral("Fendrel"); }

protected:
    // Returns when the user has closed the message.
    virtual void present(const Message &message) = 0;
};

// Modal message boxes parented to the active window.
class DialogMessages final : public Messages
{
protected:
    void present(const Message &message) override;
};

// Test double: records every message and "closes" it at once, after running
// the optional hook (which sees the program's state while the message is up).
class RecordingMessages final : public Messages
{
public:
    std::vector<Message> shown;
    std::function<void(const Message &)> onShow;

    QStringList texts() const;
    QString last() const { return shown.empty() ? QString() : shown.back().text; }
    void clear() { shown.clear(); }

protected:
    void present(const Message &message) override;
};
