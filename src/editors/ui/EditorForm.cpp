#include "editors/ui/EditorForm.h"

#include "platform/ui/Messages.h"
#include "project/ProjectState.h"

#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace editorform {

namespace {

// Sees Enter on its way to the dialog, which then clicks the default button.
class EnterLikeClick final : public QObject
{
public:
    explicit EnterLikeClick(QDialog &window) : QObject(&window), m_window(window) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &m_window && event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                for (QPushButton *button : m_window.findChildren<QPushButton *>()) {
                    if (button->isDefault() && button->isVisible() && button->isEnabled()) {
                        button->setFocus(Qt::OtherFocusReason);
                        break;
                    }
                }
            }
        }
        return false;
    }

private:
    QDialog &m_window;
};

} // namespace

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
    enterLikeClick(window);
}

void enterLikeClick(QDialog &window)
{
    window.installEventFilter(new EnterLikeClick(window));
}

CurrentItem loadCurrentItem(ProjectState &state, Messages &messages, const QString &failureSuffix)
{
    CurrentItem current;
    const qsizetype item = state.currentItem();
    Q_ASSERT(item >= 0 && item < state.items().count());
    if (item < 0 || item >= state.items().count())
        return current;
    current.item = item;
    current.fileName = state.items().fileName(item);
    current.path = state.itemFilePath(item);
    current.read = itemfile::read(current.path);
    const bool notAFile = current.read.error.number == platformerror::PathFileAccess;
    current.refused = notAFile || itemfile::tooBig(current.read.bytes);
    if (notAFile)
        messages.show(itemfile::accessMessage(current.fileName, current.read.error));
    else if (current.refused)
        messages.show(itemfile::tooBigMessage(current.fileName));
    else if (!current.read.ok())
        messages.show(itemfile::accessMessage(current.fileName, current.read.error, failureSuffix));
    return current;
}

QString notAGraphicText(const QString &fileName)
{
    return QStringLiteral("The item file ") + itemfile::shownName(fileName) +
           QStringLiteral(" does not hold a graphic; OK will replace it with the one shown");
}

bool save(Messages &messages, ProjectState &state, const QString &path, const QString &fileName,
          const QByteArray &bytes, bool replacesNonGraphic)
{
    if (itemfile::liesOutside(path, state.folderPath()) &&
        !messages.ask(QStringLiteral("The item file ") +
                      QDir::toNativeSeparators(itemfile::writeTarget(path)) +
                      QStringLiteral(" lies outside the project folder. Write it anyway?")))
        return false;
    if (replacesNonGraphic &&
        !messages.ask(QStringLiteral("The item file ") + itemfile::shownName(fileName) +
                      QStringLiteral(" does not hold a graphic. Replace it with the one shown?")))
        return false;
    const PlatformError error = itemfile::write(path, bytes);
    if (error.isError())
        messages.show(itemfile::accessMessage(fileName, error));
    return !error.isError();
}

QPoint beside(const QRect &owner, const QSize &size, const QRect &screen)
{
    constexpr int Gap = 8;
    const int top = std::clamp(owner.top(), screen.top(),
                               std::max(screen.top(), screen.bottom() + 1 - size.height()));
    if (owner.right() + Gap + size.width() <= screen.right())
        return {owner.right() + 1 + Gap, top};
    if (owner.left() - Gap - size.width() >= screen.left())
        return {owner.left() - Gap - size.width(), top};
    return {std::max(screen.left(), screen.right() + 1 - size.width()),
            std::max(screen.top(), screen.bottom() + 1 - size.height())};
}

bool refuse(Messages &messages, const QString &refusal)
{
    if (refusal.isEmpty())
        return false;
    messages.show(refusal);
    return true;
}

} // namespace editorform
