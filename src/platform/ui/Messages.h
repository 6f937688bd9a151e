#pragma once

#include <QString>
#include <QStringList>

// Every user message goes through this service: an OK button only, the
// application's title "Fendrel" and no icon unless a variant says otherwise.
class Messages
{
public:
    enum class Icon { None, Critical };
    enum class Answer { Ok, Yes, No };

    struct Message
    {
        QString text;
        QString title;
        Icon icon = Icon::None;
        bool question = false; // Yes and No, No the default, instead of OK
    };

    virtual ~Messages() = default;

    void show(const QString &text) { present({text, applicationTitle(), Icon::None}); }
    void critical(const QString &text) { present({text, applicationTitle(), Icon::Critical}); }
    void showTitled(const QString &text, const QString &title)
    {
        present({text, title, Icon::None});
    }

    // Yes/No, No the default: true only when the user chose Yes.
    bool ask(const QString &text)
    {
        return present({text, applicationTitle(), Icon::None, true}) == Answer::Yes;
    }

    static QString applicationTitle() { return QStringLiteral("Fendrel"); }

protected:
    // Returns when the user has closed the message, with the button chosen.
    virtual Answer present(const Message &message) = 0;
};

// Modal message boxes parented to the active window.
class DialogMessages final : public Messages
{
protected:
    Answer present(const Message &message) override;
};
