#include "MainWindowFixture.h"

#include "support/ItemKinds.h"
#include "support/QtPrinting.h"

#include "mainwin/PreviewPane.h"
#include "project/ItemTableModel.h"

#include <QPixmap>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray graphic(int width, int bands, char fill = 0)
{
    QByteArray bytes;
    bytes.append(static_cast<char>(width));
    bytes.append(static_cast<char>(bands));
    bytes.append(QByteArray(static_cast<qsizetype>(width) * bands, fill));
    return bytes;
}

class PreviewTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        pane = form->findChild<PreviewPane *>(u"FramePreview"_s);
        ASSERT_TRUE(pane);
        text = pane->findChild<QLabel *>(u"LabelPreview"_s);
        picture = pane->findChild<QLabel *>(u"PicPreview"_s);
        ASSERT_TRUE(text && picture);
    }

    // As a click on the row does.
    void select(int item) { grid->setCurrentIndex(grid->model()->index(item, 2)); }

    void writeFiles() const
    {
        QByteArray logo = graphic(104, 7);
        logo[2] = 1; // dot (0, 0)
        write(u"Misc/Logo.bin"_s, logo);
        write(u"Const/Port.con"_s, "12");
        write(u"Misc/Bad.bin"_s, graphic(0, 0));
        write(u"Misc/Icon.bin"_s, graphic(16, 2, '\xff'));
        write(u"Misc/Short.bin"_s, QByteArray("\x08\x01\xff", 3));
        write(u"Misc/Lower.bin"_s, graphic(8, 1));
        write(u"Misc/Huge.bin"_s, graphic(128, 16, '\x55'));
    }

    PreviewPane *pane = nullptr;
    QLabel *text = nullptr;
    QLabel *picture = nullptr;
};

const QByteArray kProject = "Logo\tMisc\\Logo.bin\tStart-up logo\tG\t104,104,7,7\r\n"
                            "Port\tConst\\Port.con\tSerial port\tC\t1,4\r\n"
                            "Gone\tMisc\\Gone.bin\tGone\tG\t\r\n"
                            "Bad\tMisc\\Bad.bin\tBad\tG\t\r\n"
                            "Icon\tmisc\\ICON.bin\tIcon\tG\t\r\n"
                            "Short\tMisc\\Short.bin\tShort\tG\t\r\n"
                            "Lower\tMisc\\Lower.bin\tLower\tg\t\r\n"
                            "Huge\tMisc\\Huge.bin\tHuge\tG\t\r\n";

TEST_F(PreviewTest, ShowsTheCurrentGraphicOrWhyNotAndNothingForOtherTypes)
{
    writeFiles();
    open(kProject);
    const struct
    {
        int item;
        const char *text;
        bool dots;
    } cases[] = {
        {1, "", false},
        {0, "104 x 56 dots (7 bands)", true},
        {2, "Cannot read the file: 53: File not found", false},
        {3, "Not a graphic: width 0, 0 bands", false},
        {4, "16 x 16 dots (2 bands)", true}, // found whatever the letter case
        {5, "8 x 8 dots (1 band)\nThe file is 7 bytes short; they show white", true},
        {6, "", false}, // only "G" is a graphic
        {7, "128 x 128 dots (16 bands)", true},
    };
    for (const auto &c : cases) {
        select(c.item);
        EXPECT_EQ(text->text(), QString::fromLatin1(c.text)) << c.item;
        EXPECT_EQ(!picture->isHidden(), c.dots) << c.item;
        EXPECT_EQ(pane->dotSize() > 0, c.dots) << c.item;
    }
    EXPECT_TRUE(messages.shown.empty()) << messages.last();
}

// The pane reads only regular files, at most one byte more than an item may
// hold: nothing makes the main window wait or fill its memory.
TEST_F(PreviewTest, NoKindOfFileKeepsTheWindowWaiting)
{
    using itemkinds::Kind;
    const char *notAFile = "Cannot read the file: 75: Path/File access error";
    const struct
    {
        Kind kind;
        const char *text;
    } cases[] = {
        {Kind::Regular, "Not a graphic: width 70, 73 bands"},
        {Kind::Empty, "Not a graphic: the file is empty"},
        {Kind::FifoWithWriter, notAFile},
        {Kind::FifoWithoutWriter, notAFile},
        {Kind::DevZero, notAFile},
        {Kind::DevNull, notAFile},
        {Kind::Folder, notAFile},
        {Kind::Socket, notAFile},
        {Kind::LinkLoop, "Cannot read the file: 77: Too many levels of symbolic links"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(int(c.kind));
        const itemkinds::ItemOfKind item(c.kind, path(u"Misc/thing"_s));
        open("Thing\tMisc\\thing\tThing\tG\r\n");
        EXPECT_EQ(text->text(), QString::fromLatin1(c.text));
    }
    // an endless regular file is read no further than an item may go
    QByteArray big = graphic(8, 1);
    big.append(QByteArray(70000, '\0'));
    write(u"Misc/thing"_s, big);
    open("Thing\tMisc\\thing\tThing\tG\r\n");
    EXPECT_EQ(text->text(),
              u"8 x 8 dots (1 band)\nThe file holds 65526 bytes beyond the graphic"_s);
}

TEST_F(PreviewTest, FollowsTheCurrentItemAndDrawsItsDots)
{
    writeFiles();
    form->show();
    open(kProject);
    // the load makes item 0 current
    EXPECT_EQ(text->text(), u"104 x 56 dots (7 bands)"_s);
    const auto dotAt = [this](int x, int y) {
        const QImage image = picture->pixmap().toImage();
        const int size = pane->dotSize();
        return image.pixel(x * size, y * size) == qRgb(0, 0, 0);
    };
    EXPECT_TRUE(dotAt(0, 0));
    EXPECT_FALSE(dotAt(1, 0));
    EXPECT_FALSE(dotAt(0, 1));
    EXPECT_EQ(picture->pixmap().size(), QSize(104, 56) * pane->dotSize());

    select(4);
    EXPECT_EQ(help->text(), u"Icon"_s);
    EXPECT_EQ(text->text(), u"16 x 16 dots (2 bands)"_s);
    EXPECT_TRUE(dotAt(15, 15));

    // the file is read when its row becomes current, not before
    write(u"Misc/Icon.bin"_s, graphic(16, 1));
    EXPECT_EQ(text->text(), u"16 x 16 dots (2 bands)"_s);
    select(0);
    select(4);
    EXPECT_EQ(text->text(), u"16 x 8 dots (1 band)"_s);
    EXPECT_FALSE(dotAt(15, 7));
}

TEST_F(PreviewTest, DotsAreTwoToSixPixelsAsThePaneAllows)
{
    writeFiles();
    form->show();
    open(kProject);
    form->resize(form->toPixels(20000), form->toPixels(12000));
    select(4); // 16 x 16 dots in a wide pane: the most
    EXPECT_EQ(pane->dotSize(), 6);
    select(7); // 128 x 128 dots do not fit at 2 pixels: the least all the same
    form->resize(form->toPixels(9000), form->toPixels(5000));
    EXPECT_EQ(pane->dotSize(), 2);

    // a narrower window gives the icon smaller dots, still inside the pane
    select(4);
    form->resize(form->toPixels(4200), form->toPixels(7200));
    EXPECT_GT(pane->dotSize(), 2);
    EXPECT_LT(pane->dotSize(), 6);
    EXPECT_TRUE(pane->rect().contains(picture->geometry()));
}

// Pixels at 96 dpi: the grid gives the pane its room only where a graphic
// may show, and the pane stands beside it, above the help.
TEST_F(PreviewTest, StandsBesideTheGridOnlyForGraphics)
{
    writeFiles();
    form->show();
    const struct
    {
        QByteArray project;
        QSize twips;
        int grid, firstColumn, help, helpTop;
        bool pane;
    } cases[] = {
        {kProject, {10500, 7200}, 414, 35, 689, 373, true},
        {kProject, {20000, 12000}, 1023, 87, 1322, 693, true},
        {"Port\tConst\\Port.con\tSerial port\tC\t1,4\r\n", {9000, 6000}, 590, 50, 589, 293, false},
    };
    for (const auto &c : cases) {
        open(c.project);
        form->resize(form->toPixels(c.twips.width()), form->toPixels(c.twips.height()));
        EXPECT_EQ(grid->width(), c.grid) << c.twips.width();
        EXPECT_EQ(grid->columnWidth(0), c.firstColumn) << c.twips.width();
        EXPECT_EQ(help->width(), c.help) << c.twips.width();
        EXPECT_EQ(help->y(), c.helpTop) << c.twips.width();
        EXPECT_EQ(pane->isVisible(), c.pane) << c.twips.width();
        if (c.pane) {
            EXPECT_FALSE(pane->geometry().intersects(grid->geometry())) << c.twips.width();
            EXPECT_FALSE(pane->geometry().intersects(help->geometry())) << c.twips.width();
            EXPECT_EQ(pane->geometry().right(), help->geometry().right()) << c.twips.width();
            EXPECT_EQ(pane->y(), grid->y());
            EXPECT_EQ(pane->height(), grid->height());
        } else {
            EXPECT_TRUE(text->text().isEmpty());
        }
    }
}

} // namespace
