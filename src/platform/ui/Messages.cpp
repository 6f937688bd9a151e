#include "platform/ui/Messages.h"

#include <QApplication>
#include <QMessageBox>

Messages::Answer DialogMessages::present(const Message &message)
{
    QMessageBox box(message.icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                    message.title, message.text,
                    message.question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    QApplication::activeWindow());
    if (message.question)
        box.setDefaultButton(QMessageBox::No);
    const int chosen = box.exec();
    if (!message.question)
        return Answer::Ok;
    return chosen == QMessageBox::Yes ? Answer::Yes : Answer::No;
}
