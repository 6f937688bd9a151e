#pragma once

#include "editors/ui/FormGraphic.h"
#include "platform/automation/Registry.h"
#include "platform/automation/Status.h"
#include "project/ProjectState.h"
#include "support/EditorWindowFixture.h"
#include "support/QtPrinting.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUuid>

#include <gtest/gtest.h>

// The real control library, registered into the test's own registry (the
// Services' double) as the control registers itself: its class, its ProgID and
// its library. FENDREL_VOG_LIBRARY names the library; otherwise it is libvog.so
// in FENDREL_BIN_DIR. When the build has the control, a missing library fails
// the tests instead of skipping them.
class VogRegistration
{
public:
    static bool required()
    {
        return qEnvironmentVariable("FENDREL_VOG_REQUIRED") == QLatin1String("1");
    }

    // False (with the reason) when the library is missing or cannot be registered.
    static bool ensure(automation::ClassRegistry &registry, QString *why)
    {
        QString path = qEnvironmentVariable("FENDREL_VOG_LIBRARY");
        if (path.isEmpty())
            path = qEnvironmentVariable("FENDREL_BIN_DIR") + QStringLiteral("/libvog.so");
        if (!QFileInfo::exists(path)) {
            *why = QStringLiteral("no control library at ") + path;
            return false;
        }
        automation::ClassRegistration control;
        control.clsid = QUuid::fromString(QStringLiteral("{E1E72B77-BEC3-11D3-8485-0080C890AEF9}"));
        control.serverPath = path;
        control.progId = QStringLiteral("Vog.VogCtrl.1");
        if (const automation::Status status = registry.registerClass(control);
            automation::failed(status)) {
            *why = QStringLiteral("registering ") + path + QStringLiteral(" failed: ") +
                   automation::statusText(status);
            return false;
        }
        return true;
    }
};

// In a fixture with the service doubles (ServiceDoubles).
#define REQUIRE_VOG()                                                                              \
    do {                                                                                           \
        QString why;                                                                               \
        if (!VogRegistration::ensure(registry, &why)) {                                            \
            if (VogRegistration::required())                                                       \
                FAIL() << why.toStdString();                                                       \
            GTEST_SKIP() << why.toStdString();                                                     \
        }                                                                                          \
    } while (false)

// A project of one graphic item whose file lies in a subfolder, as in the template.
class GraphicWindowTest : public EditorWindowTest
{
protected:
    const QString file = QStringLiteral("Misc\\Logo.bin");

    void SetUp() override { REQUIRE_VOG(); }

    // Makes the graphic item current, without a file until one is written.
    void useGraphic(const QString &limits = {})
    {
        useItem(QStringLiteral("G"), file, std::nullopt, limits);
    }
    QString graphicPath() const { return diskPath(file); }
    void writeGraphic(const QByteArray &bytes)
    {
        QFile out(graphicPath());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    QByteArray readGraphic() const { return readFile(file); }

    static int number(FormGraphic &form, const char *member)
    {
        return form.Vog.get(QLatin1String(member)).toInt();
    }

    // A mouse event in the middle of dot (x, y) of the control, as the
    // platform delivers it; a move carries the held button.
    static void mouse(FormGraphic &form, QEvent::Type type, int x, int y,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        auto *area = qobject_cast<QAbstractScrollArea *>(form.Vog.widget());
        ASSERT_NE(area, nullptr);
        QWidget *surface = area->viewport();
        const int size = number(form, "DotSize");
        const int gap = number(form, "DotGap");
        // the middle of the dot, on a whole pixel as a real pointer is
        const int half = size / 2;
        const QPointF point(gap + x * (size + gap) + half, gap + y * (size + gap) + half);
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, point, surface->mapToGlobal(point), button, held, modifiers);
        QApplication::sendEvent(surface, &event);
    }

    // Marks a selection with the mouse, from dot (x1, y1) to dot (x2, y2), as a
    // user does; the selection operations then work on the graphic itself.
    static void drag(FormGraphic &form, int x1, int y1, int x2, int y2)
    {
        form.OptionSelect->click();
        form.Vog.put(QStringLiteral("SelSet"), false); // a press starts a new selection
        form.show();
        // A real drag moves over the first dot before it leaves it.
        mouse(form, QEvent::MouseButtonPress, x1, y1);
        mouse(form, QEvent::MouseMove, x1, y1);
        mouse(form, QEvent::MouseMove, x2, y2);
        mouse(form, QEvent::MouseButtonRelease, x2, y2);
        ASSERT_TRUE(form.Vog.get(QStringLiteral("SelSet")).toBool());
    }

    // Presses inside a marked or floating selection at (x1, y1), moves it so
    // that point lands on (x2, y2) and lets go: the selection floats there.
    static void move(FormGraphic &form, int x1, int y1, int x2, int y2,
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        mouse(form, QEvent::MouseButtonPress, x1, y1, modifiers);
        mouse(form, QEvent::MouseMove, x2, y2, modifiers);
        mouse(form, QEvent::MouseButtonRelease, x2, y2, modifiers);
    }

    bool selected(FormGraphic &form) { return form.Vog.get(QStringLiteral("SelSet")).toBool(); }
    static QString data(FormGraphic &form)
    {
        return form.Vog.call(QStringLiteral("GetData")).toString();
    }

    // A picture file of 16 bits a channel with one pixel not quite white at
    // (2, 1), 65481 of 65535: a dot, as Import judges it at its own depth.
    QString picture()
    {
        QString path = folder.filePath(QStringLiteral("dot.png"));
        QImage image(3, 2, QImage::Format_RGBX64);
        image.fill(Qt::white);
        image.setPixelColor(2, 1, QColor::fromRgba64(65481, 65481, 65481));
        EXPECT_TRUE(image.save(path));
        return path;
    }

    // A graphic 16 x 16 whose column bytes all differ.
    static QByteArray pattern()
    {
        QByteArray bytes = graphic(16, 2);
        for (int i = 2; i < bytes.size(); ++i)
            bytes[i] = static_cast<char>(i * 37);
        return bytes;
    }

    // A graphic file: header, then every column byte the same.
    static QByteArray graphic(int width, int bands, char fill = 0)
    {
        QByteArray bytes;
        bytes.append(static_cast<char>(width));
        bytes.append(static_cast<char>(bands));
        bytes.append(QByteArray(static_cast<qsizetype>(width) * bands, fill));
        return bytes;
    }
};
