#include "K7xFixture.h"

#include "graphics/ContactSheet.h"
#include "support/QtPrinting.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class GraphicCommandsTest : public k7xtest::Files
{
protected:
    QString picture(const QString &name, const QImage &image) const
    {
        EXPECT_TRUE(image.save(path(name)));
        return path(name);
    }
};

using k7xtest::bytes;
using k7xtest::k7x;
using k7xtest::Outcome;

TEST_F(GraphicCommandsTest, RenderDrawsOnePixelADotOrTheScaleGiven)
{
    // dots (0, 0) and (2, 8) of a 3 x 16 graphic
    const QString item = put(u"item.bin"_s, bytes({3, 2, 1, 0, 0, 0, 0, 1}));
    const struct
    {
        QStringList extra;
        int scale;
    } cases[] = {{{}, 1}, {{u"--scale"_s, u"32"_s}, 32}};
    for (const auto &c : cases) {
        const QString png = path(u"out.png"_s);
        const Outcome run = k7x(QStringList{u"render"_s, item, png} + c.extra);
        ASSERT_EQ(run.exit, 0) << run.err;
        const QImage image(png);
        ASSERT_EQ(image.size(), QSize(3, 16) * c.scale);
        const int s = c.scale;
        EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
        EXPECT_EQ(image.pixel(s, 0), qRgb(255, 255, 255));
        EXPECT_EQ(image.pixel(3 * s - 1, 9 * s - 1), qRgb(0, 0, 0));
    }
}

// Options and arity are the command table's, a graphic's header the graphics
// library's to refuse; these are render's own.
TEST_F(GraphicCommandsTest, RenderRefusesWhatItCannotDraw)
{
    const QString good = put(u"good.bin"_s, bytes({2, 1, 1, 0}));
    const QString png = path(u"out.png"_s);
    const struct
    {
        QStringList args;
        int exit;
        QString err;
    } cases[] = {
        {{u"render"_s, good, png, u"--scale"_s, u"0"_s}, 2, u"N must be a whole number"_s},
        {{u"render"_s, good, png, u"--scale"_s, u"33"_s}, 2, u"N must be a whole number"_s},
        {{u"render"_s, good, png, u"--scale"_s, u"x"_s}, 2, u"N must be a whole number"_s},
        {{u"render"_s, path(u"none.bin"_s), png}, 1, u": 53: File not found"_s},
        {{u"render"_s, put(u"empty.bin"_s, {}), png}, 1, u"Not a graphic: the file is empty"_s},
        {{u"render"_s, good, good}, 1, u"would overwrite the file it is taken from"_s},
        {{u"render"_s, good, path(u"no/out.png"_s)}, 1, u": 76: Path not found"_s},
    };
    for (const auto &c : cases) {
        const Outcome run = k7x(c.args);
        EXPECT_EQ(run.exit, c.exit) << c.args.join(u' ');
        EXPECT_TRUE(run.err.contains(c.err)) << run.err;
        EXPECT_FALSE(QFile::exists(png)) << c.args.join(u' ');
    }
    EXPECT_EQ(contents(good), bytes({2, 1, 1, 0}));

    // the editor opens a short file with white at the end; so does render, saying so
    const Outcome shortFile = k7x({u"render"_s, put(u"short.bin"_s, bytes({2, 1, 1})), png});
    EXPECT_EQ(shortFile.exit, 0);
    EXPECT_TRUE(shortFile.err.contains(u"1 bytes short"_s)) << shortFile.err;
    EXPECT_EQ(QImage(png).size(), QSize(2, 8));
}

TEST_F(GraphicCommandsTest, ImportWritesTheItemByTheEditorsRule)
{
    // 3 x 9: black, red, transparent, near white; the ninth row makes a second band
    QImage image(3, 9, QImage::Format_ARGB32);
    image.fill(qRgba(255, 255, 255, 255));
    image.setPixel(0, 0, qRgba(0, 0, 0, 255));
    image.setPixel(1, 0, qRgba(255, 0, 0, 255));
    image.setPixel(2, 0, qRgba(0, 0, 0, 0));
    image.setPixel(2, 8, qRgba(255, 255, 254, 255));
    const QString item = path(u"Misc/item.bin"_s);
    QDir().mkpath(path(u"Misc"_s));
    const Outcome run = k7x({u"import"_s, picture(u"in.png"_s, image), item});
    ASSERT_EQ(run.exit, 0) << run.err;
    EXPECT_TRUE(run.out.isEmpty() && run.err.isEmpty());
    EXPECT_EQ(contents(item), bytes({3, 2, 1, 1, 0, 0, 0, 1}));
}

// The limits' reading and ranges are the editors' (tested there).
TEST_F(GraphicCommandsTest, LimitsRefuseWithTheEditorsWordsAndKeepTheOldItem)
{
    const QByteArray old = bytes({2, 1, 0x55, 0xaa});
    const QString item = put(u"item.bin"_s, old);
    QImage image(10, 9, QImage::Format_RGB32); // 10 dots wide, 2 bands
    image.fill(Qt::black);
    const QString in = picture(u"in.bmp"_s, image);
    const struct
    {
        const char *limits;
        bool accepted;
    } cases[] = {
        {"1,104,1,1", false},
        {"1,104,1,2", true},
        {"1,9,1,7", false},
        {"", true},
    };
    for (const auto &c : cases) {
        put(u"item.bin"_s, old);
        const Outcome run = k7x({u"import"_s, in, item, u"--limits"_s, QLatin1String(c.limits)});
        if (c.accepted) {
            EXPECT_EQ(run.exit, 0) << c.limits << run.err;
            EXPECT_EQ(contents(item).size(), 2 + 10 * 2) << c.limits;
        } else {
            EXPECT_EQ(run.exit, 1) << c.limits;
            EXPECT_TRUE(run.err.startsWith(QDir::toNativeSeparators(item) +
                                           u": Current Graphic size is invalid"_s))
                << run.err;
            EXPECT_TRUE(run.err.contains(u"10 x 16 dots (2 bands)"_s)) << run.err;
            EXPECT_EQ(contents(item), old) << c.limits;
        }
    }
}

TEST_F(GraphicCommandsTest, ImportRefusesWhatItCannotRead)
{
    const QByteArray old = bytes({1, 1, 7});
    const QString item = put(u"item.bin"_s, old);
    const struct
    {
        QStringList args;
        int exit;
        QString err;
    } cases[] = {
        {{u"import"_s, path(u"none.png"_s), item},
         1,
         u"Could not Import the file: 53: File not found"_s},
        {{u"import"_s, put(u"text.png"_s, "text"), item}, 1, u"Could not Import the file: 481"_s},
        {{u"import"_s, item, item}, 1, u"would overwrite the file it is taken from"_s},
    };
    for (const auto &c : cases) {
        const Outcome run = k7x(c.args);
        EXPECT_EQ(run.exit, c.exit) << c.args.join(u' ');
        EXPECT_TRUE(run.err.contains(c.err)) << run.err;
        EXPECT_EQ(contents(item), old);
    }
}

// The first row of the sheet that holds a long black run is the top row of the
// first row of pictures; its runs tell which pictures lie there, left to right.
QList<int> blackRuns(const QImage &sheet)
{
    for (int y = 0; y < sheet.height(); ++y) {
        QList<int> runs;
        int run = 0;
        for (int x = 0; x <= sheet.width(); ++x) {
            if (x < sheet.width() && sheet.pixel(x, y) == qRgb(0, 0, 0)) {
                ++run;
                continue;
            }
            if (run >= 20)
                runs << run;
            run = 0;
        }
        if (!runs.isEmpty())
            return runs;
    }
    return {};
}

TEST_F(GraphicCommandsTest, SheetShowsEveryGraphicInOrderAndWhatIsMissing)
{
    put(u"Misc/Square.bin"_s, bytes({8, 1}) + QByteArray(8, '\xff'));
    put(u"Misc/Bad.bin"_s, bytes({0, 0}));
    put(u"Misc/Wide.bin"_s, bytes({16, 1}) + QByteArray(16, '\xff'));
    put(u"Const/Port.con"_s, "12");
    const QString project = put(u"Resource.k7r"_s, "Square\tMisc\\Square.bin\th\tG\t\r\n"
                                                   "Port\tConst\\Port.con\th\tC\t1,4\r\n"
                                                   "Gone\tMisc\\Gone.bin\th\tG\t\r\n"
                                                   "Bad\tMisc\\bad.bin\th\tG\t\r\n"
                                                   "Wide\tmisc\\Wide.bin\th\tG\t\r\n");
    const QString png = path(u"sheet.png"_s);
    const Outcome run = k7x({u"sheet"_s, project, png});
    // written all the same, but the missing and the invalid item make it a refusal
    EXPECT_EQ(run.exit, 1);
    const QString shownProject = QDir::toNativeSeparators(project);
    const QString sep = QDir::separator();
    EXPECT_EQ(run.err, shownProject + u": item 2 (Misc"_s + sep +
                           u"Gone.bin): Cannot read the file: 53: File not found\n"_s +
                           shownProject + u": item 3 (Misc"_s + sep +
                           u"bad.bin): Not a graphic: width 0, 0 bands\n"_s);
    const QImage sheet(png);
    ASSERT_FALSE(sheet.isNull());
    // the 8-dot square before the 16-dot bar, three pixels a dot; the constant not at all
    EXPECT_EQ(blackRuns(sheet), (QList<int>{24, 48}));
    int red = 0;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            red += sheet.pixel(x, y) == qRgb(176, 0, 0);
    EXPECT_GT(red, 0); // the placeholders of the two
}

TEST_F(GraphicCommandsTest, SheetOfTheTemplateProject)
{
    const QString png = path(u"template.png"_s);
    const Outcome run =
        k7x({u"sheet"_s,
             qEnvironmentVariable("FENDREL_BIN_DIR") + u"/Project_Default/Resource.k7r"_s, png});
    EXPECT_EQ(run.exit, 0) << run.err;
    EXPECT_TRUE(run.err.isEmpty()) << run.err;
    EXPECT_FALSE(QImage(png).isNull());
    const Outcome refused = k7x({u"sheet"_s, path(u"none.k7r"_s), png});
    EXPECT_EQ(refused.exit, 1);
    EXPECT_EQ(k7x({u"sheet"_s, png}).exit, 2);
}

std::vector<contactsheet::Entry> squares(int count, int width, int height)
{
    const graphics::Graphic graphic(width, height / 8);
    return std::vector<contactsheet::Entry>(static_cast<std::size_t>(count),
                                            {0, u"G"_s, {graphic, {}}});
}

TEST(ContactSheet, CellsAreAsWideAsTheWidestAndRowsAsTallAsTheTallest)
{
    // three pixels a dot in cells of at least 180 pixels, 24 apart, 16 of margin
    EXPECT_EQ(contactsheet::draw(u"t"_s, squares(1, 8, 8)).image.width(), 212);
    EXPECT_EQ(contactsheet::draw(u"t"_s, squares(1, 128, 8)).image.width(), 416);
    EXPECT_EQ(contactsheet::draw(u"t"_s, squares(6, 8, 8)).image.width(), 1232);
    const int low = contactsheet::draw(u"t"_s, squares(1, 8, 8)).image.height();
    EXPECT_EQ(contactsheet::draw(u"t"_s, squares(1, 8, 16)).image.height() - low, 24);
}

TEST(ContactSheet, TooManyPixelsForOnePictureAreRefusedBeforeDrawing)
{
    // three 128-dot cells a row: over 128 Mi pixels long before 800 graphics
    const contactsheet::Sheet sheet = contactsheet::draw(u"t"_s, squares(800, 128, 128));
    EXPECT_TRUE(sheet.image.isNull());
    EXPECT_TRUE(sheet.error.startsWith(u"800 graphics make a sheet of 1232 x "_s)) << sheet.error;
    EXPECT_TRUE(sheet.error.endsWith(u" pixels, too large for one picture"_s)) << sheet.error;
}

} // namespace
