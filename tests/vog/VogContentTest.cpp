#include "VogHost.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

using namespace automation;

namespace {

const QString vogData = QStringLiteral("application/x-qt-windows-mime;value=\"VogData\"");

QStringList overlay(Object &vog)
{
    return dotRows(vog.call(QStringLiteral("GetOvl")).toString(), true);
}

TEST(VogClipboard, CopyInOneControlPastesInAnother)
{
    VogHost host;
    Object source = host.create();
    Object target = host.create();
    // A 10 x 9 selection: diagonal dots.
    ASSERT_TRUE(source
                    .call(QStringLiteral("SetOvl"),
                          {QStringLiteral("010,009,001,002,004,008,016,032,064,128,000,000,"
                                          "000,000,000,000,000,000,000,000,001,002")})
                    .toBool());
    ASSERT_TRUE(source.call(QStringLiteral("Copy")).toBool());
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->formats(), QStringList{vogData});
    EXPECT_EQ(data->data(vogData).size(), 4 + 2 * 10);

    target.put(QStringLiteral("SizeX"), 8);
    target.put(QStringLiteral("SizeY"), 16);
    ASSERT_TRUE(target.call(QStringLiteral("Paste")).toBool());
    EXPECT_EQ(target.get(QStringLiteral("SelPosX2")).toInt(), 7);
    EXPECT_EQ(target.get(QStringLiteral("SelPosY2")).toInt(), 8);
    // The overlay holds all ten columns: seen once the graphic is wide enough.
    target.put(QStringLiteral("SizeX"), 10);
    target.put(QStringLiteral("SelPosX2"), 9);
    EXPECT_EQ(overlay(target), overlay(source));
}

TEST(VogClipboard, PasteRefusesWhatIsNotVogData)
{
    VogHost host;
    Object vog = host.create();
    struct Case
    {
        const char *what;
        QByteArray bytes;
    } cases[] = {
        {"too short", QByteArray("\x01\x00", 2)},
        {"width 0", QByteArray("\x00\x00\x01\x00\x00", 5)},
        {"height 129", QByteArray("\x01\x00\x81\x00", 4) + QByteArray(17, '\0')},
        {"bands missing", QByteArray("\x02\x00\x08\x00\x01", 5)},
    };
    for (const Case &c : cases) {
        auto *data = new QMimeData;
        data->setData(vogData, c.bytes);
        QGuiApplication::clipboard()->setMimeData(data);
        EXPECT_FALSE(vog.call(QStringLiteral("Paste")).toBool()) << c.what;
    }
    QGuiApplication::clipboard()->setText(QStringLiteral("001,001,001"));
    EXPECT_FALSE(vog.call(QStringLiteral("Paste")).toBool());
    EXPECT_FALSE(vog.get(QStringLiteral("SelSet")).toBool());
    EXPECT_FALSE(vog.call(QStringLiteral("Copy")).toBool()); // nothing selected
}

TEST(VogText, RendersLinesAsAFloatingSelection)
{
    VogHost host;
    Object vog = host.create();
    vog.put(QStringLiteral("SizeX"), 128);
    vog.put(QStringLiteral("SizeY"), 128);
    vog.call(QStringLiteral("SetText"), {QString()});
    EXPECT_FALSE(vog.get(QStringLiteral("SelSet")).toBool());

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    vog.put(QStringLiteral("Font"), font);
    vog.call(QStringLiteral("SetText"), {QStringLiteral("I\rIIIIII")});
    ASSERT_TRUE(vog.get(QStringLiteral("SelSet")).toBool());
    const QStringList left = overlay(vog);
    ASSERT_GT(left.size(), 12);
    // The first line's "I" starts where the second line does.
    EXPECT_EQ(left[2].indexOf(QLatin1Char('#')), left.last().indexOf(QLatin1Char('#')));

    vog.put(QStringLiteral("TextAlignment"), 1);
    vog.call(QStringLiteral("SetText"), {QStringLiteral("I\rIIIIII")});
    const QStringList right = overlay(vog);
    EXPECT_EQ(right[2].lastIndexOf(QLatin1Char('#')), right.last().lastIndexOf(QLatin1Char('#')));
    EXPECT_NE(right[2], left[2]);

    // Only carriage returns break lines; a sixteenth line is dropped.
    font.setPixelSize(6);
    vog.put(QStringLiteral("Font"), font);
    vog.put(QStringLiteral("TextAlignment"), 0);
    auto heightOf = [&vog](int lines) {
        vog.call(QStringLiteral("SetText"),
                 {QStringList(lines, QStringLiteral("I\nI")).join(QLatin1Char('\r'))});
        return overlay(vog).size();
    };
    EXPECT_LT(heightOf(14), heightOf(15));
    EXPECT_EQ(heightOf(16), heightOf(15));
    EXPECT_LT(heightOf(15), 128);
}

TEST(VogPicture, ImportsPixelsAsDotsCroppedNeverScaled)
{
    VogHost host;
    Object vog = host.create();
    vog.put(QStringLiteral("SizeX"), 4);
    vog.put(QStringLiteral("SizeY"), 2);
    QImage picture(5, 3, QImage::Format_ARGB32);
    picture.fill(Qt::white);
    picture.setPixel(0, 0, qRgba(0, 0, 0, 255));
    picture.setPixel(1, 0, qRgba(0, 0, 0, 0));         // transparent: white
    picture.setPixel(2, 0, qRgba(254, 255, 255, 255)); // not pure white: black
    picture.setPixel(3, 1, qRgba(255, 0, 0, 255));
    picture.setPixel(4, 1, qRgba(0, 0, 0, 255)); // cropped
    picture.setPixel(0, 2, qRgba(0, 0, 0, 255)); // cropped
    vog.call(QStringLiteral("ImportPicture"), {picture});
    EXPECT_TRUE(vog.get(QStringLiteral("SelSet")).toBool());
    EXPECT_EQ(vog.get(QStringLiteral("SelPosX2")).toInt(), 3);
    EXPECT_EQ(vog.get(QStringLiteral("SelPosY2")).toInt(), 1);
    const QStringList dots = overlay(vog);
    ASSERT_EQ(dots.size(), 2);
    EXPECT_EQ(dots[0], QStringLiteral("#.#."));
    EXPECT_EQ(dots[1], QStringLiteral("...#"));
}

// The Properties verb and AboutBox are modal; each is closed as a user would.
TEST(VogDialogs, PropertyPageAndAboutBoxOpenAndClose)
{
    VogHost host;
    Object vog = host.create();
    QString seen;
    QTimer::singleShot(100, [&seen] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            seen = dialog->objectName();
            if (auto *tabs = dialog->findChild<QTabWidget *>())
                seen += QLatin1Char(':') + tabs->tabText(0);
            static_cast<QDialog *>(dialog)->accept();
        }
    });
    EXPECT_EQ(vog.get()->doVerb(OLEIVERB_PROPERTIES, nullptr), S_OK);
    EXPECT_EQ(seen, QStringLiteral("VogPropertySheet:General"));

    seen.clear();
    QTimer::singleShot(100, [&seen] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            seen = dialog->objectName();
            static_cast<QDialog *>(dialog)->accept();
        }
    });
    EXPECT_EQ(vog.call(QStringLiteral("AboutBox"), {}, nullptr), QVariant());
    EXPECT_EQ(seen, QStringLiteral("VogAboutBox"));
}

} // namespace
