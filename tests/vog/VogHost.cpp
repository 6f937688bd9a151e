#include "VogHost.h"

#include "platform/automation/Library.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

using namespace automation;
using namespace Qt::StringLiterals;

QString libraryPath()
{
    return qEnvironmentVariable("FENDREL_BIN_DIR") + u"/libvog.so"_s;
}

VogHost::VogHost()
{
    qputenv("FENDREL_CLASS_REGISTRY", registryPath().toLocal8Bit());
    EXPECT_EQ(registerServer(libraryPath()), S_OK);
}

VogHost::~VogHost()
{
    qunsetenv("FENDREL_CLASS_REGISTRY");
}

Object VogHost::create(int paintWidth, int paintHeight)
{
    Object control;
    EXPECT_EQ(control.create(u"Vog.VogCtrl.1"_s, registry()), S_OK);
    QWidget *window = control.widget();
    if (!window)
        return control;
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    QWidget *area = viewportOf(control);
    window->resize(window->size() + QSize(paintWidth, paintHeight) - area->size());
    QCoreApplication::processEvents();
    EXPECT_EQ(area->size(), QSize(paintWidth, paintHeight));
    grabPaintArea(control); // a first paint, as a shown window gets
    return control;
}

QWidget *viewportOf(Object &control)
{
    return control.widget()->findChild<QWidget *>(u"qt_scrollarea_viewport"_s);
}

QImage grabPaintArea(Object &control)
{
    return viewportOf(control)->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QStringList dotRows(const QString &data, bool heightInDots)
{
    const QStringList numbers = data.split(QLatin1Char(','));
    if (numbers.size() < 2)
        return {};
    const int width = numbers[0].toInt();
    const int second = numbers[1].toInt();
    const int bands = heightInDots ? (second + 7) / 8 : second;
    const int height = heightInDots ? second : 8 * second;
    QStringList rows(height, QString(width, QLatin1Char('.')));
    for (int band = 0; band < bands; ++band) {
        for (int x = 0; x < width; ++x) {
            const int byte = numbers.value(2 + band * width + x).toInt();
            for (int bit = 0; bit < 8 && band * 8 + bit < height; ++bit) {
                if (byte & (1 << bit))
                    rows[band * 8 + bit][x] = QLatin1Char('#');
            }
        }
    }
    return rows;
}

namespace {

void send(Object &control, QEvent::Type type, int x, int y, Qt::KeyboardModifiers modifiers)
{
    QWidget *area = viewportOf(control);
    const QPointF local(x, y);
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent event(type, local, area->mapToGlobal(local),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, modifiers);
    QCoreApplication::sendEvent(area, &event);
}

} // namespace

void press(Object &control, int x, int y, Qt::KeyboardModifiers modifiers)
{
    send(control, QEvent::MouseButtonPress, x, y, modifiers);
}

void move(Object &control, int x, int y)
{
    send(control, QEvent::MouseMove, x, y, Qt::NoModifier);
}

void release(Object &control, int x, int y)
{
    send(control, QEvent::MouseButtonRelease, x, y, Qt::NoModifier);
}

void click(Object &control, int x, int y)
{
    press(control, x, y);
    release(control, x, y);
}

void drag(Object &control, QPoint from, QPoint to, Qt::KeyboardModifiers modifiers)
{
    press(control, from.x(), from.y(), modifiers);
    move(control, from.x() + 1, from.y() + 1); // still on the pressed dot
    move(control, (from.x() + to.x()) / 2, (from.y() + to.y()) / 2);
    move(control, to.x(), to.y());
    release(control, to.x(), to.y());
}

QStringList rows(Object &control)
{
    return dotRows(control.call(u"GetData"_s).toString(), false);
}

QRect corners(Object &control)
{
    const auto at = [&control](const QString &name) { return control.get(name).toInt(); };
    return QRect(QPoint(at(u"SelPosX1"_s), at(u"SelPosY1"_s)),
                 QPoint(at(u"SelPosX2"_s), at(u"SelPosY2"_s)));
}
