#include "graphics/Graphic.h"
#include "graphics/GraphicImage.h"
#include "graphics/ItemGraphic.h"

#include "support/QtPrinting.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (const int v : values)
        b.append(static_cast<char>(v));
    return b;
}

TEST(GraphicFile, HeadersTheEditorAcceptsAndWhyOthersAreRefused)
{
    const struct
    {
        QByteArray file;
        bool accepted;
        const char *reason;
    } cases[] = {
        {bytes({1, 1, 0}), true, ""},
        {bytes({128, 16}) + QByteArray(qsizetype{128} * 16, '\0'), true, ""},
        {bytes({0, 1, 0}), false, "Not a graphic: width 0, 1 bands"},
        {bytes({129, 1}) + QByteArray(129, '\0'), false, "Not a graphic: width 129, 1 bands"},
        {bytes({1, 0}), false, "Not a graphic: width 1, 0 bands"},
        {bytes({1, 17}) + QByteArray(17, '\0'), false, "Not a graphic: width 1, 17 bands"},
        {QByteArray(), false, "Not a graphic: the file is empty"},
        {bytes({5}), false, "Not a graphic: the file holds 1 byte"},
    };
    for (const auto &c : cases) {
        const graphics::ItemGraphic item = graphics::fromFileBytes(c.file);
        EXPECT_EQ(item.graphic.has_value(), c.accepted) << c.file.toHex().left(8).constData();
        EXPECT_EQ(item.note, QString::fromLatin1(c.reason));
        EXPECT_EQ(item.missingOrInvalid(), !c.accepted);
    }
}

TEST(GraphicFile, BitsLieAsTheControlsDotDataDoes)
{
    // 2 x 8, only dot (0, 0) black: the example every reader of the format knows
    const std::optional<graphics::Graphic> small = graphics::decode(bytes({2, 1, 1, 0}));
    ASSERT_TRUE(small);
    EXPECT_TRUE(small->dot(0, 0));
    EXPECT_FALSE(small->dot(1, 0));
    EXPECT_FALSE(small->dot(0, 1));
    EXPECT_EQ(small->fileBytes(), bytes({2, 1, 1, 0}));

    // 3 x 16: the high bit is the band's bottom row; band 1 follows band 0
    std::optional<graphics::Graphic> two = graphics::decode(bytes({3, 2, 0x80, 0, 0, 0, 0, 1}));
    ASSERT_TRUE(two);
    EXPECT_EQ(two->height(), 16);
    EXPECT_TRUE(two->dot(0, 7));
    EXPECT_TRUE(two->dot(2, 8));
    int black = 0;
    for (int y = 0; y < two->height(); ++y)
        for (int x = 0; x < two->width(); ++x)
            black += two->dot(x, y);
    EXPECT_EQ(black, 2);
    two->setDot(0, 7, false);
    two->setDot(1, 7, false); // white already
    EXPECT_EQ(two->fileBytes(), bytes({3, 2, 0, 0, 0, 0, 0, 1}));
}

TEST(GraphicFile, ShortFilesAreWhiteAtTheEndAndLongOnesKeepTheirGraphic)
{
    const struct
    {
        QByteArray file;
        QByteArray graphic;
        const char *note;
    } cases[] = {
        {bytes({5, 1, 255, 7}), bytes({5, 1, 255, 7, 0, 0, 0}),
         "The file is 3 bytes short; they show white"},
        {bytes({2, 1}), bytes({2, 1, 0, 0}), "The file is 2 bytes short; they show white"},
        {bytes({2, 1, 9, 9, 9}), bytes({2, 1, 9, 9}), "The file holds 1 bytes beyond the graphic"},
        {bytes({2, 1, 9, 9}), bytes({2, 1, 9, 9}), ""},
    };
    for (const auto &c : cases) {
        const graphics::ItemGraphic item = graphics::fromFileBytes(c.file);
        ASSERT_TRUE(item.graphic);
        EXPECT_EQ(item.graphic->fileBytes(), c.graphic);
        EXPECT_EQ(item.note, QString::fromLatin1(c.note));
    }
}

TEST(GraphicFile, UnreadableFilesSayWhy)
{
    QTemporaryDir dir;
    EXPECT_EQ(graphics::readItem(dir.filePath(QStringLiteral("none.bin"))).note,
              QStringLiteral("Cannot read the file: 53: File not found"));
}

TEST(GraphicImage, DotsAreBlackSquaresOnWhite)
{
    graphics::Graphic graphic(128, 2);
    graphic.setDot(0, 0, true);
    graphic.setDot(127, 15, true);
    graphic.setDot(9, 3, true);
    for (const int scale : {1, 2, 6}) {
        const QImage image = graphics::toImage(graphic, scale);
        ASSERT_EQ(image.size(), QSize(128 * scale, 16 * scale));
        const auto at = [&](int x, int y) { return image.pixel(x, y); };
        const QRgb black = qRgb(0, 0, 0);
        const QRgb white = qRgb(255, 255, 255);
        // every pixel of a black dot's square, and the white pixels around it
        EXPECT_EQ(at(0, 0), black);
        EXPECT_EQ(at(scale - 1, scale - 1), black);
        EXPECT_EQ(at(scale, 0), white);
        EXPECT_EQ(at(0, scale), white);
        EXPECT_EQ(at(10 * scale - 1, 4 * scale - 1), black);
        EXPECT_EQ(at(9 * scale - 1, 3 * scale), white);
        EXPECT_EQ(at(128 * scale - 1, 16 * scale - 1), black);
        EXPECT_EQ(at(1, 15 * scale), white);
    }
}

// Random graphics of every width and band count come back dot for dot through
// a PNG file's bytes and the import rule.
TEST(GraphicImage, EverySizeSurvivesPngAndImport)
{
    std::mt19937 random(16);
    for (int width = 1; width <= 128; ++width) {
        for (int bands = 1; bands <= 16; ++bands) {
            graphics::Graphic graphic(width, bands);
            for (int y = 0; y < graphic.height(); ++y)
                for (int x = 0; x < width; ++x)
                    graphic.setDot(x, y, random() & 1);
            const QByteArray png = graphics::pngBytes(graphics::toImage(graphic));
            const QImage read = QImage::fromData(png, "PNG");
            ASSERT_EQ(read.size(), QSize(width, bands * 8));
            const std::optional<graphics::Graphic> back = graphics::fromPicture(read);
            ASSERT_TRUE(back);
            ASSERT_EQ(back->fileBytes(), graphic.fileBytes()) << width << " x " << bands;
            ASSERT_EQ(graphics::decode(graphic.fileBytes()), graphic);
        }
    }
}

TEST(GraphicImage, ImportCountsOnlyPureWhiteAndTransparentAsWhite)
{
    const auto rgba = [](int r, int g, int b, int a) { return qRgba64(r, g, b, a); };
    const auto eight = [](int r, int g, int b, int a) {
        return qRgba64(r * 257, g * 257, b * 257, a * 257);
    };
    const struct
    {
        QRgba64 pixel;
        bool black;
    } cases[] = {
        {eight(255, 255, 255, 255), false},
        {eight(254, 255, 255, 255), true},
        {eight(255, 255, 254, 255), true},
        {eight(0, 0, 0, 255), true},
        {eight(0, 0, 0, 0), false},         // transparent black
        {eight(0, 0, 0, 128), true},        // half-transparent black is grey on white
        {eight(255, 255, 255, 128), false}, // half-transparent white is white
        // judged at 16 bits a channel, not rounded to 8 first
        {rgba(65481, 65481, 65481, 65535), true},
        {rgba(65535, 65535, 65534, 65535), true},
        {rgba(0, 0, 0, 1), true},
    };
    for (const auto &c : cases) {
        QImage picture(2, 1, QImage::Format_RGBA64);
        picture.setPixelColor(0, 0, QColor::fromRgba64(c.pixel));
        picture.setPixelColor(1, 0, Qt::white);
        // A picture of 8 bits a channel gives the same where it can hold the colour.
        const QImage shallow = picture.convertToFormat(QImage::Format_ARGB32);
        const bool fitsEightBits =
            QColor::fromRgba64(c.pixel).rgba64() == QColor(shallow.pixelColor(0, 0)).rgba64();
        for (const QImage *deep : {&std::as_const(picture), &shallow}) {
            if (deep == &shallow && !fitsEightBits)
                continue;
            const std::optional<graphics::Graphic> graphic = graphics::fromPicture(*deep);
            ASSERT_TRUE(graphic);
            EXPECT_EQ(graphic->dot(0, 0), c.black)
                << c.pixel.red() << "," << c.pixel.alpha() << " " << deep->format();
            EXPECT_FALSE(graphic->dot(1, 0));
        }
    }

    // A 16-bit file as k7x import and the editor read it.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("deep.png"));
    QImage deep(2, 1, QImage::Format_Grayscale16);
    reinterpret_cast<quint16 *>(deep.scanLine(0))[0] = 65481;
    reinterpret_cast<quint16 *>(deep.scanLine(0))[1] = 65535;
    ASSERT_TRUE(deep.save(path));
    const graphics::Picture read = graphics::readPicture(path);
    ASSERT_GE(read.image.depth(), 16);
    const std::optional<graphics::Graphic> graphic = graphics::fromPicture(read.image);
    ASSERT_TRUE(graphic);
    EXPECT_TRUE(graphic->dot(0, 0));
    EXPECT_FALSE(graphic->dot(1, 0));

    // one-bit and grey pictures by their colours, not by their index or level
    QImage mono(2, 1, QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mono.setPixel(0, 0, 1);
    mono.setPixel(1, 0, 0);
    QImage grey(2, 1, QImage::Format_Grayscale8);
    grey.setPixel(0, 0, qRgb(255, 255, 255));
    grey.setPixel(1, 0, qRgb(254, 254, 254));
    for (const QImage &picture : {mono, grey}) {
        const std::optional<graphics::Graphic> judged = graphics::fromPicture(picture);
        ASSERT_TRUE(judged);
        EXPECT_FALSE(judged->dot(0, 0)) << picture.format();
        EXPECT_TRUE(judged->dot(1, 0)) << picture.format();
    }
}

TEST(GraphicImage, ImportCropsAndRoundsUpToBands)
{
    const struct
    {
        QSize picture;
        int width, bands;
    } cases[] = {
        {{1, 1}, 1, 1},        {{10, 9}, 10, 2},      {{10, 8}, 10, 1},      {{128, 128}, 128, 16},
        {{129, 128}, 128, 16}, {{128, 129}, 128, 16}, {{300, 200}, 128, 16}, {{5, 121}, 5, 16},
    };
    for (const auto &c : cases) {
        QImage picture(c.picture, QImage::Format_RGB32);
        picture.fill(Qt::black);
        const std::optional<graphics::Graphic> graphic = graphics::fromPicture(picture);
        ASSERT_TRUE(graphic);
        EXPECT_EQ(graphic->width(), c.width) << c.picture.width() << "x" << c.picture.height();
        EXPECT_EQ(graphic->bands(), c.bands) << c.picture.width() << "x" << c.picture.height();
        // the picture's rows are black, the rows that round it up to a band white
        const int rows = std::min(c.picture.height(), 128);
        EXPECT_TRUE(graphic->dot(c.width - 1, rows - 1));
        if (rows < graphic->height()) {
            EXPECT_FALSE(graphic->dot(0, rows));
        }
    }
    EXPECT_FALSE(graphics::fromPicture(QImage()));
}

TEST(GraphicImage, DotSizeFitsBetweenItsBounds)
{
    const struct
    {
        QSize dots, area;
        int size;
    } cases[] = {
        {{104, 56}, {300, 300}, 2}, {{16, 16}, {300, 300}, 6}, {{128, 128}, {100, 100}, 2},
        {{50, 40}, {150, 300}, 3},  {{50, 40}, {149, 300}, 2}, {{10, 50}, {300, 250}, 5},
        {{10, 50}, {300, 249}, 4},  {{1, 8}, {0, 0}, 2},       {{8, 0}, {300, 300}, 6},
    };
    for (const auto &c : cases)
        EXPECT_EQ(graphics::dotSizeToFit(c.dots, c.area, 2, 6), c.size)
            << c.dots.width() << "x" << c.dots.height() << " in " << c.area.width() << "x"
            << c.area.height();
}

// A picture larger than a graphic keeps its top-left 128 x 128, whether its
// decoder clips while reading (JPEG) or the whole is read and cut (PNG).
TEST(GraphicImage, LargePicturesKeepTheirTopLeftGraphic)
{
    QTemporaryDir dir;
    QImage big(300, 200, QImage::Format_RGB32);
    big.fill(Qt::black);
    for (const char *name : {"big.jpg", "big.png"}) {
        const QString path = dir.filePath(QLatin1String(name));
        ASSERT_TRUE(big.save(path)) << name;
        const graphics::Picture read = graphics::readPicture(path);
        const std::optional<graphics::Graphic> graphic = graphics::fromPicture(read.image);
        ASSERT_TRUE(graphic) << name;
        EXPECT_EQ(graphic->width(), 128) << name;
        EXPECT_EQ(graphic->bands(), 16) << name;
        EXPECT_TRUE(graphic->dot(127, 127)) << name;
    }
}

TEST(GraphicImage, PicturesThatCannotBeReadSayWhy)
{
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("text.png"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    const struct
    {
        QString path;
        int number;
    } cases[] = {
        {dir.filePath(QStringLiteral("none.png")), 53},
        {text, 481},
    };
    for (const auto &c : cases) {
        const graphics::Picture picture = graphics::readPicture(c.path);
        EXPECT_TRUE(picture.image.isNull());
        EXPECT_EQ(picture.error.number, c.number) << c.path;
    }
}

} // namespace
