#pragma once

#include "platform/ui/Messages.h"
#include "support/RecordingMessages.h"

#include <functional>
#include <vector>

// Test double: records every message and "closes" it at once, after running
// the optional hook (which sees the program's state while the message is up).
// A question gets the answer set here: No, the default button, unless a test
// chooses Yes.
class RecordingMessages final : public Messages
{
public:
    std::vector<Message> shown;
    std::function<void(const Message &)> onShow;
    Answer answer = Answer::No;

    QStringList texts() const
    {
        QStringList list;
        for (const Message &m : shown)
            list << m.text;
        return list;
    }
    QString last() const { return shown.empty() ? QString() : shown.back().text; }
    void clear() { shown.clear(); }

protected:
    Answer present(const Message &message) override
    {
        shown.push_back(message);
        if (onShow)
            onShow(message);
        return message.question ? answer : Answer::Ok;
    }
};
