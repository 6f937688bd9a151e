#include "editors/ui/EditorForm.h"

#include "platform/ui/Messages.h"
#include "project/ItemFile.h"

#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace editorform {

void layOut(QDialog &window, QGroupBox &frame, QPushButton &ok, QPushButton &cancel)
{
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(&ok);
    buttons->addWidget(&cancel);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(&window);
    layout->addWidget(&frame, 1);
    layout->addLayout(buttons);
    ok.setDefault(true);
    window.setModal(true);
}

bool save(Messages &messages, const QString &path, const QString &fileName, const QByteArray &bytes)
{
    const PlatformError error = itemfile::write(path, bytes);
    if (error.isError())
        messages.show(itemfile::accessMessage(fileName, error));
    return !error.isError();
}

} // namespace editorform
