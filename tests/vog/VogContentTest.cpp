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

using namespace automation;
using namespace Qt::StringLiterals;

namespace {

const QString vogData = u"application/x-qt-windows-mime;value=\"VogData\""_s;

QStringList overlay(Object &vog)
{
    return dotRows(vog.call(u"GetOvl"_s).toString(), true);
}

using VogClipboard = VogFixture;

TEST_F(VogClipboard, CopyInOneControlPastesInAnother)
{
    Object &source = vog;
    Object target = host.create();
    // A 10 x 9 selection: diagonal dots.
    ASSERT_TRUE(
        source
            .call(u"SetOvl"_s, {QStringLiteral("010,009,001,002,004,008,016,032,064,128,000,000,"
                                               "000,000,000,000,000,000,000,000,001,002")})
            .toBool());
    ASSERT_TRUE(source.call(u"Copy"_s).toBool());
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->formats(), QStringList{vogData});

    target.put(u"SizeX"_s, 8);
    target.put(u"SizeY"_s, 16);
    ASSERT_TRUE(target.call(u"Paste"_s).toBool());
    EXPECT_EQ(target.get(u"SelPosX2"_s).toInt(), 7);
    EXPECT_EQ(target.get(u"SelPosY2"_s).toInt(), 8);
    EXPECT_EQ(overlay(target).at(0).left(2), u"#."_s); // the cells themselves: the model's tests
}

TEST_F(VogClipboard, PasteRefusesWhatIsNotVogData)
{
    // Which bytes are refused is the model's business; here only that a refusal reaches the host.
    auto *data = new QMimeData;
    data->setData(vogData, QByteArray("\x02\x00\x08\x00\x01", 5)); // bands missing
    QGuiApplication::clipboard()->setMimeData(data);
    EXPECT_FALSE(vog.call(u"Paste"_s).toBool());
    QGuiApplication::clipboard()->setText(u"001,001,001"_s);
    EXPECT_FALSE(vog.call(u"Paste"_s).toBool());
    EXPECT_FALSE(vog.get(u"SelSet"_s).toBool());
    EXPECT_FALSE(vog.call(u"Copy"_s).toBool()); // nothing selected
}

using VogContent = VogFixture;

TEST_F(VogContent, TextRendersLinesAsAFloatingSelection)
{
    vog.put(u"SizeX"_s, 128);
    vog.put(u"SizeY"_s, 128);
    vog.call(u"SetText"_s, {QString()});
    EXPECT_FALSE(vog.get(u"SelSet"_s).toBool());

    QFont font(u"DejaVu Sans"_s);
    font.setPixelSize(12);
    vog.put(u"Font"_s, font);
    vog.call(u"SetText"_s, {u"I\rIIIIII"_s});
    ASSERT_TRUE(vog.get(u"SelSet"_s).toBool());
    const QStringList left = overlay(vog);
    ASSERT_GT(left.size(), 12);
    // The first line's "I" starts where the second line does.
    EXPECT_EQ(left[2].indexOf(QLatin1Char('#')), left.last().indexOf(QLatin1Char('#')));

    vog.put(u"TextAlignment"_s, 1);
    vog.call(u"SetText"_s, {u"I\rIIIIII"_s});
    const QStringList right = overlay(vog);
    EXPECT_EQ(right[2].lastIndexOf(QLatin1Char('#')), right.last().lastIndexOf(QLatin1Char('#')));
    EXPECT_NE(right[2], left[2]);

    // Only carriage returns break lines; a sixteenth line is dropped.
    font.setPixelSize(6);
    vog.put(u"Font"_s, font);
    vog.put(u"TextAlignment"_s, 0);
    auto heightOf = [this](int lines) {
        vog.call(u"SetText"_s, {QStringList(lines, u"I\nI"_s).join(QLatin1Char('\r'))});
        return overlay(vog).size();
    };
    EXPECT_LT(heightOf(14), heightOf(15));
    EXPECT_EQ(heightOf(16), heightOf(15));
    EXPECT_LT(heightOf(15), 128);
}

// Text goes through the Windows-1252 code page: the euro sign is a character of
// its own there, while text the page cannot hold is refused whole.
TEST_F(VogContent, TextTakesTheCodePageAndRefusesWhatItCannotHold)
{
    QFont font(u"DejaVu Sans"_s);
    font.setPixelSize(12);
    vog.put(u"Font"_s, font);
    const auto drawn = [this](const QString &text) {
        vog.call(u"SetText"_s, {text});
        return vog.call(u"GetOvl"_s).toString();
    };
    const QString euro = drawn(u"\u20ac"_s);
    EXPECT_TRUE(vog.get(u"SelSet"_s).toBool());
    EXPECT_NE(euro, drawn(u"?"_s));
    EXPECT_EQ(drawn(u"\u20ac"_s), euro);
    EXPECT_NE(drawn(u"\u00fc"_s), euro); // Latin-1 letters as ever

    for (const QString &refused : {u"\u0141\u00f3d\u017a"_s, u"A\U0001F600"_s, u"\u20ac\u0394"_s}) {
        ASSERT_TRUE(vog.call(u"SetOvl"_s, {u"001,001,001"_s}).toBool());
        vog.call(u"SetText"_s, {refused});
        EXPECT_TRUE(vog.get(u"SelSet"_s).toBool());
        EXPECT_EQ(vog.call(u"GetOvl"_s).toString(), u"001,001,001"_s);
    }
}

TEST_F(VogContent, PictureImportsPixelsAsDotsCroppedNeverScaled)
{
    vog.put(u"SizeX"_s, 4);
    vog.put(u"SizeY"_s, 2);
    QImage picture(5, 3, QImage::Format_ARGB32);
    picture.fill(Qt::white);
    picture.setPixel(0, 0, qRgba(0, 0, 0, 255));
    picture.setPixel(1, 0, qRgba(0, 0, 0, 0));         // transparent: white
    picture.setPixel(2, 0, qRgba(254, 255, 255, 255)); // not pure white: black
    picture.setPixel(3, 1, qRgba(255, 0, 0, 255));
    picture.setPixel(4, 1, qRgba(0, 0, 0, 255)); // cropped
    picture.setPixel(0, 2, qRgba(0, 0, 0, 255)); // cropped
    vog.call(u"ImportPicture"_s, {picture});
    EXPECT_TRUE(vog.get(u"SelSet"_s).toBool());
    EXPECT_EQ(vog.get(u"SelPosX2"_s).toInt(), 3);
    EXPECT_EQ(vog.get(u"SelPosY2"_s).toInt(), 1);
    const QStringList dots = overlay(vog);
    ASSERT_EQ(dots.size(), 2);
    EXPECT_EQ(dots[0], u"#.#."_s);
    EXPECT_EQ(dots[1], u"...#"_s);
}

// The Properties verb and AboutBox are modal; each is closed as a user would.
TEST_F(VogContent, DialogsPropertyPageAndAboutBoxOpenAndClose)
{
    QString seen;
    const auto closeNext = [&seen] {
        QTimer::singleShot(100, QCoreApplication::instance(), [&seen] {
            if (QWidget *dialog = QApplication::activeModalWidget()) {
                seen = dialog->objectName();
                if (auto *tabs = dialog->findChild<QTabWidget *>())
                    seen += u':' + tabs->tabText(0);
                static_cast<QDialog *>(dialog)->accept();
            }
        });
    };
    closeNext();
    EXPECT_EQ(vog.get()->doVerb(OLEIVERB_PROPERTIES, nullptr), S_OK);
    EXPECT_EQ(seen, u"VogPropertySheet:General"_s);
    closeNext();
    EXPECT_EQ(vog.call(u"AboutBox"_s, {}, nullptr), QVariant());
    EXPECT_EQ(seen, u"VogAboutBox"_s);
}

} // namespace
