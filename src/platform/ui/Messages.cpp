#include "platform/ui/Messages.h"

#include <QApplication>
#include <QMessageBox>

void DialogMessages::present(const Message &message)
{
    QMessageBox box(message.icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                    message.title, message.text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}
