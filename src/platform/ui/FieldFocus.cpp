#include "platform/ui/FieldFocus.h"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>

#include <functional>

namespace fieldfocus {

namespace {

const char *const Name = "fieldfocus";

// Lives on the box's window until the box has the focus of an active window.
class Refocus final : public QObject
{
public:
    Refocus(QWidget &box, std::function<void()> selectAll)
        : QObject(box.window()), m_box(&box), m_selectAll(std::move(selectAll))
    {
        setObjectName(QLatin1String(Name));
        box.window()->installEventFilter(this);
        apply();
        QTimer::singleShot(0, this, [this] { applyAndEnd(false); });
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::WindowActivate)
            QTimer::singleShot(0, this, [this] { applyAndEnd(true); });
        return false;
    }

private:
    void apply()
    {
        if (!m_box)
            return;
        m_box->setFocus(Qt::OtherFocusReason);
        m_selectAll();
    }

    // Ends at the activation, or at once when the window is active already.
    void applyAndEnd(bool activated)
    {
        apply();
        if (activated || !m_box || m_box->isActiveWindow())
            deleteLater();
    }

    QPointer<QWidget> m_box;
    std::function<void()> m_selectAll;
};

void refocus(QWidget &box, std::function<void()> selectAll)
{
    // A later refusal in the same window wins over an earlier one.
    for (QObject *earlier :
         box.window()->findChildren<QObject *>(QLatin1String(Name), Qt::FindDirectChildrenOnly))
        delete earlier;
    new Refocus(box, std::move(selectAll));
}

} // namespace

void selectWhole(QLineEdit &box)
{
    box.selectAll();
    QTimer::singleShot(0, &box, &QLineEdit::selectAll);
}

void backTo(QLineEdit &box)
{
    refocus(box, [&box] { box.selectAll(); });
}

void backTo(QPlainTextEdit &box)
{
    refocus(box, [&box] { box.selectAll(); });
}

void backTo(QWidget &control)
{
    refocus(control, [] {});
}

} // namespace fieldfocus
