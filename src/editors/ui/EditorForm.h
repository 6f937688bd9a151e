#pragma once

#include <QByteArray>
#include <QLatin1String>
#include <QString>

class Messages;
class QDialog;
class QGroupBox;
class QPushButton;

// What the item editor windows share.
namespace editorform {

// Gives a widget the object name it has as a member, so tests and the
// automation of the windows find it by the same name.
template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// The frame with the window's fields on the left, OK and Cancel at the top
// right; OK is the default button.
void layOut(QDialog &window, QGroupBox &frame, QPushButton &ok, QPushButton &cancel);

// Writes an item file; a failure is shown as the access message (no suffix).
bool save(Messages &messages, const QString &path, const QString &fileName,
          const QByteArray &bytes);

} // namespace editorform
