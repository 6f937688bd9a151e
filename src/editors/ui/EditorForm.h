#pragma once

#include "project/ItemFile.h"

#include <QByteArray>
#include <QLatin1String>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class Messages;
class ProjectState;
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
// right; OK is the default button, pressed by Enter as by a click (see below).
void layOut(QDialog &window, QGroupBox &frame, QPushButton &ok, QPushButton &cancel);

// Enter presses the window's default button the way a click does: the focus
// moves onto the button first, so a box that tidies its text when it loses
// the focus has done so before the button's checks run.
void enterLikeClick(QDialog &window);

// The current item of a project, read for an editor window.
struct CurrentItem
{
    qsizetype item = -1; // -1: none is current, nothing was read
    QString fileName;    // as the item table has it
    QString path;        // on disk
    itemfile::ReadResult read;

    // A FIFO, a device, a folder, or more than an item may hold: nothing an
    // editor can show or write back, so its window does not open.
    bool refused = false;

    bool exists() const { return item >= 0; }
    bool fileRead() const { return exists() && read.ok() && !refused; }
};

// Reads the current item's file. A file that cannot be read is shown as the
// access message ending in failureSuffix; one that is refused, as the access
// message or the too-big message alone. Having no current item is the
// caller's mistake.
CurrentItem loadCurrentItem(ProjectState &state, Messages &messages, const QString &failureSuffix);

// Writes an item file; a failure is shown as the access message (no suffix).
// A file that lies outside the project folder is written only when the user
// says Yes to the question, and so is one whose content is not of its type
// (replacesNonGraphic).
bool save(Messages &messages, ProjectState &state, const QString &path, const QString &fileName,
          const QByteArray &bytes, bool replacesNonGraphic = false);

// "The item file NAME does not hold a graphic; OK will replace it with the one shown".
QString notAGraphicText(const QString &fileName);

// Where a dialog of the given size goes so that it leaves its owner window in
// view: right of it, else left of it, else in the screen's bottom right
// corner (away from the top left, where the graphic starts); always within
// the screen.
QPoint beside(const QRect &owner, const QSize &size, const QRect &screen);

// Shows refusal (when it is not empty) and says whether it was shown.
bool refuse(Messages &messages, const QString &refusal);

} // namespace editorform
