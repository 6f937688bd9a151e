#include "Messages.h"

#include <QApplication>
#include <QMessageBox>

void DialogMessages::present(const Message &message)
{
    QMessageBox box(message.icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                    message.title, message.text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

QStringList RecordingMessages::texts() const
{
    QStringList list;
    for (const Message &m : shown)
        list << m.text;
    return list;
}

void RecordingMessages::present(const Message &message)
{
    shown.push_back(message);
    if (onShow)
        onShow(message);
}
