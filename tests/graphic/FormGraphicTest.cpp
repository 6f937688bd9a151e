#include "FormGraphic.h"
#include "FormMain.h"
#include "GraphicFixture.h"
#include "GraphicTools.h"
#include "Settings.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <optional>

namespace {

const QString Invalid = QStringLiteral("Current Graphic size is invalid");

TEST_F(GraphicWindowTest, LoadChecksSizeAndOkWritesTheGraphic)
{
    QByteArray pattern = graphic(16, 2);
    for (int i = 2; i < pattern.size(); ++i)
        pattern[i] = static_cast<char>(i * 37);
    const QString missing = QStringLiteral("Could not access Resource file ('Misc/Logo.bin'): 53: "
                                           "File not found. Clicking OK will create a new file");
    const struct
    {
        const char *name;
        const char *limits;
        std::optional<QByteArray> file;
        QStringList loadMessages;
        int sizeX, sizeY;
        bool saved;
        QByteArray written; // the file after OK
    } cases[] = {
        {"within limits", "", pattern, {}, 16, 16, true, pattern},
        {"eight bands", "", graphic(10, 8, 1), {Invalid}, 10, 64, false, graphic(10, 8, 1)},
        {"too narrow", "20,104", graphic(10, 1), {Invalid}, 10, 8, false, graphic(10, 1)},
        {"missing", "", std::nullopt, {missing}, 104, 56, true, graphic(104, 7)},
        {"missing, own limits", "8,32,1,4", std::nullopt, {missing}, 32, 32, true, graphic(32, 4)},
        {"empty", "", QByteArray(), {}, 32, 32, true, graphic(32, 4)},
        {"short",
         "",
         QByteArray("\x05\x01\xff\x07", 4),
         {},
         5,
         8,
         true,
         QByteArray("\x05\x01\xff\x07\x00\x00\x00", 7)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        useGraphic(QLatin1String(c.limits));
        QFile::remove(graphicPath());
        if (c.file)
            writeGraphic(*c.file);
        messages.clear();

        FormGraphic form(state, services);
        ASSERT_TRUE(form.controlCreated());
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Edit Graphic"));
        EXPECT_EQ(messages.texts(), c.loadMessages);
        EXPECT_EQ(number(form, "SizeX"), c.sizeX);
        EXPECT_EQ(number(form, "SizeY"), c.sizeY);
        EXPECT_TRUE(state.folderPath().endsWith(QLatin1Char('/')));

        messages.clear();
        form.CmdOK_Click();
        EXPECT_EQ(form.result(), c.saved ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(messages.texts(), c.saved ? QStringList() : QStringList{Invalid});
        EXPECT_EQ(readGraphic(), c.written);
    }
}

TEST_F(GraphicWindowTest, ReducedSizeCanBeSavedAndCancelWritesNothing)
{
    useGraphic();
    writeGraphic(graphic(10, 8, 1));
    {
        FormGraphic form(state, services);
        form.Vog.put(QStringLiteral("SizeY"), 56);
        form.CmdOK_Click();
        EXPECT_EQ(form.result(), QDialog::Accepted);
        EXPECT_EQ(readGraphic(), graphic(10, 7, 1));
    }
    {
        FormGraphic form(state, services);
        form.Vog.put(QStringLiteral("SizeX"), 20);
        activate(form);
        QTest::keyClick(&form, Qt::Key_Escape);
        EXPECT_TRUE(form.isVisible()) << "Esc alone loses no work";
        form.CmdCancel_Click();
        EXPECT_EQ(form.result(), QDialog::Rejected);
        EXPECT_EQ(readGraphic(), graphic(10, 7, 1));
    }
}

TEST_F(GraphicWindowTest, FailedWriteKeepsTheWindowOpen)
{
    useGraphic();
    writeGraphic(graphic(8, 1));
    FormGraphic form(state, services);
    // A folder where the file was: every write fails, even the superuser's.
    QFile::remove(graphicPath());
    QDir().mkpath(graphicPath());
    messages.clear();
    form.CmdOK_Click();
    EXPECT_EQ(form.result(), QDialog::Rejected);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.last().startsWith(
        QStringLiteral("Could not access Resource file ('Misc/Logo.bin'):")))
        << messages.last().toStdString();
}

TEST_F(GraphicWindowTest, ZoomStepsBetweenTheEnds)
{
    useGraphic();
    writeGraphic(graphic(8, 1));
    FormGraphic form(state, services);
    const auto zoom = [&form] {
        return std::pair(number(form, "DotSize"), number(form, "DotGap"));
    };
    EXPECT_EQ(zoom(), std::pair(5, 1));
    form.CmdZoomOut_Click();
    EXPECT_EQ(zoom(), std::pair(5, 1));
    const std::pair<int, int> in[] = {{10, 2}, {15, 3}, {20, 4}, {20, 4}};
    for (const auto &expected : in) {
        form.CmdZoomIn->click();
        EXPECT_EQ(zoom(), expected);
    }
    EXPECT_EQ(form.zoomStep(), 3);
    const std::pair<int, int> out[] = {{15, 3}, {10, 2}, {5, 1}, {5, 1}};
    for (const auto &expected : out) {
        form.CmdZoomOut->click();
        EXPECT_EQ(zoom(), expected);
    }
}

TEST_F(GraphicWindowTest, OptionsStartAsTheControlAndSetItWhenClicked)
{
    useGraphic();
    writeGraphic(graphic(8, 1));
    FormGraphic form(state, services);
    EXPECT_TRUE(form.OptionSelect->isChecked());
    EXPECT_TRUE(form.OptionBlack->isChecked());
    EXPECT_FALSE(form.OptionDraw->isChecked());
    EXPECT_EQ(number(form, "DrawMode"), 0);
    EXPECT_FALSE(form.Vog.get(QStringLiteral("Mode")).toBool());

    const struct
    {
        QToolButton *option;
        const char *member;
        int value;
    } cases[] = {
        {form.OptionWhite, "DrawMode", 1}, {form.OptionInvert, "DrawMode", 2},
        {form.OptionBlack, "DrawMode", 0}, {form.OptionDraw, "Mode", 1},
        {form.OptionSelect, "Mode", 0},
    };
    for (const auto &c : cases) {
        c.option->click();
        EXPECT_TRUE(c.option->isChecked()) << c.option->objectName().toStdString();
        const QVariant actual = form.Vog.get(QLatin1String(c.member));
        const int value = actual.typeId() == QMetaType::Bool ? actual.toBool() : actual.toInt();
        EXPECT_EQ(value, c.value) << c.option->objectName().toStdString();
    }
    // The tool and the colour are chosen independently.
    form.OptionDraw->click();
    form.OptionWhite->click();
    EXPECT_TRUE(form.OptionDraw->isChecked());
    EXPECT_TRUE(form.OptionWhite->isChecked());
    EXPECT_FALSE(form.OptionBlack->isChecked());
}

TEST_F(GraphicWindowTest, FillPaintsTheSelectionByTheColourOption)
{
    // Rows 3 and 4 of columns 2 to 9 are bits 3 and 4 of those column bytes.
    const struct
    {
        const char *option;
        char before, after;
    } cases[] = {
        {"OptionWhite", '\xff', '\xe7'},
        {"OptionBlack", '\x00', '\x18'},
        {"OptionInvert", '\x0f', '\x17'},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.option);
        useGraphic();
        writeGraphic(graphic(16, 1, c.before));
        FormGraphic form(state, services);
        form.findChild<QToolButton *>(QLatin1String(c.option))->click();
        drag(form, 2, 3, 9, 4);
        form.CmdFill->click();
        form.CmdOK_Click();
        QByteArray expected = graphic(16, 1, c.before);
        for (int column = 2; column <= 9; ++column)
            expected[2 + column] = c.after;
        EXPECT_EQ(readGraphic(), expected);
    }
}

TEST_F(GraphicWindowTest, RotateAndMirrorTurnTheSelection)
{
    // One black dot at (0, 0) of a 4 x 4 selection in an 8 x 8 graphic.
    const struct
    {
        const char *button;
        int column;
        char byte;
    } cases[] = {
        {"CmdMirrorHor", 3, '\x01'}, // to (3, 0)
        {"CmdMirrorVer", 0, '\x08'}, // to (0, 3)
        {"CmdRotate180", 3, '\x08'}, // to (3, 3)
        {"CmdRotate90", 0, '\x08'},  // counter-clockwise: the top left goes to the bottom left
        {"CmdRotate270", 3, '\x01'}, // clockwise: the top left goes to the top right
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.button);
        useGraphic();
        QByteArray bytes = graphic(8, 1);
        bytes[2] = 1;
        writeGraphic(bytes);
        FormGraphic form(state, services);
        drag(form, 0, 0, 3, 3);
        form.findChild<QToolButton *>(QLatin1String(c.button))->click();
        form.CmdOK_Click();
        QByteArray expected = graphic(8, 1);
        expected[2 + c.column] = c.byte;
        EXPECT_EQ(readGraphic(), expected);
    }
}

TEST_F(GraphicWindowTest, StatusLineFollowsTheSelection)
{
    useGraphic();
    writeGraphic(graphic(16, 1));
    FormGraphic form(state, services);
    EXPECT_EQ(form.LabelPos->text(), QStringLiteral("No selection"));
    EXPECT_EQ(form.Timer1->interval(), 100);
    EXPECT_TRUE(form.Timer1->isActive());
    for (const auto &corners : {std::array{9, 4, 2, 3}, std::array{2, 3, 9, 4}}) {
        drag(form, corners[0], corners[1], corners[2], corners[3]);
        form.Timer1_Timer();
        EXPECT_EQ(form.LabelPos->text(), QStringLiteral("Selection  2, 3- 9, 4  ( 8x 2)"));
    }
    form.Vog.put(QStringLiteral("SelSet"), false);
    form.Timer1_Timer();
    EXPECT_EQ(form.LabelPos->text(), QStringLiteral("No selection"));
}

TEST_F(GraphicWindowTest, CopyInOneWindowPastesInTheNext)
{
    useGraphic();
    QByteArray bytes = graphic(16, 1);
    bytes[2] = '\x81';
    bytes[3] = '\x42';
    writeGraphic(bytes);
    {
        FormGraphic first(state, services);
        drag(first, 0, 0, 1, 7);
        first.CmdCopy->click();
        first.CmdCancel_Click();
    }
    writeGraphic(graphic(16, 1));
    FormGraphic second(state, services);
    second.CmdPaste->click();
    EXPECT_TRUE(second.Vog.get(QStringLiteral("SelSet")).toBool());
    EXPECT_EQ(number(second, "SelPosX2"), 1);
    EXPECT_EQ(number(second, "SelPosY2"), 7);
    second.Vog.call(QStringLiteral("Escape"));
    second.CmdOK_Click();
    EXPECT_EQ(readGraphic(), bytes);
}

TEST_F(GraphicWindowTest, ImportFloatsThePictureAndReportsFailures)
{
    useGraphic();
    writeGraphic(graphic(16, 2));
    const QString picture = folder.filePath(QStringLiteral("dot.png"));
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(2, 1, qRgb(0, 0, 0));
    ASSERT_TRUE(image.save(picture));
    const QString text = folder.filePath(QStringLiteral("notes.bmp"));
    {
        QFile notes(text);
        ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
        notes.write("not a picture");
    }
    settings::write(QStringLiteral("FileImport"), QStringLiteral("start.bmp"));

    FormGraphic form(state, services);
    messages.clear();
    dialogs.cancel();
    form.CmdImport->click();
    EXPECT_TRUE(messages.texts().isEmpty());
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].title, QStringLiteral("Load"));
    EXPECT_EQ(dialogs.requests[0].filter, QStringLiteral("All files|*.*"));
    EXPECT_EQ(dialogs.requests[0].filterIndex, 1);
    EXPECT_EQ(dialogs.requests[0].initialName, QStringLiteral("start.bmp"));
    EXPECT_EQ(settings::read(QStringLiteral("FileImport")), QStringLiteral("start.bmp"));

    const struct
    {
        QString file;
        const char *message;
    } failures[] = {
        {text, "Could not Import the file: 481: Invalid picture"},
        {folder.filePath(QStringLiteral("gone.png")),
         "Could not Import the file: 53: File not found"},
    };
    for (const auto &f : failures) {
        messages.clear();
        dialogs.answer(f.file);
        form.CmdImport->click();
        EXPECT_EQ(messages.texts(), QStringList{QLatin1String(f.message)});
        EXPECT_EQ(settings::read(QStringLiteral("FileImport")), f.file);
        EXPECT_FALSE(form.Vog.get(QStringLiteral("SelSet")).toBool());
    }

    messages.clear();
    dialogs.answer(picture);
    form.CmdImport->click();
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(settings::read(QStringLiteral("FileImport")), picture);
    EXPECT_TRUE(form.Vog.get(QStringLiteral("SelSet")).toBool());
    EXPECT_EQ(number(form, "SelPosX2"), 2);
    EXPECT_EQ(number(form, "SelPosY2"), 1);
    form.Vog.call(QStringLiteral("Escape"));
    form.CmdOK_Click();
    QByteArray expected = graphic(16, 2);
    expected[2 + 2] = 2; // dot (2, 1)
    EXPECT_EQ(readGraphic(), expected);
}

TEST_F(GraphicWindowTest, ToolButtonsCarryTheirTipsAndIcons)
{
    useGraphic();
    writeGraphic(graphic(8, 1));
    FormGraphic form(state, services);
    const struct
    {
        QToolButton *button;
        const char *tip;
        bool checkable;
    } cases[] = {
        {form.CmdSize, "Graphic size", false},
        {form.CmdRotate270, "Rotate 270", false},
        {form.CmdRotate180, "Rotate 180", false},
        {form.CmdRotate90, "Rotate 90", false},
        {form.CmdMirrorVer, "Mirror Vertically", false},
        {form.CmdMirrorHor, "Mirror horizontally", false},
        {form.OptionDraw, "Draw Tool", true},
        {form.OptionSelect, "Selection Tool", true},
        {form.CmdText, "Text", false},
        {form.CmdFill, "", false},
        {form.CmdZoomOut, "Zoom out", false},
        {form.CmdZoomIn, "Zoom in", false},
        {form.CmdPaste, "Paste", false},
        {form.CmdCopy, "Copy", false},
        {form.CmdImport, "Import *.bmp", false},
        {form.OptionInvert, "Invert", true},
        {form.OptionBlack, "Black", true},
        {form.OptionWhite, "White", true},
    };
    for (const auto &c : cases) {
        const std::string name = c.button->objectName().toStdString();
        EXPECT_EQ(c.button->toolTip(), QLatin1String(c.tip)) << name;
        EXPECT_EQ(c.button->isCheckable(), c.checkable) << name;
        EXPECT_FALSE(c.button->icon().pixmap(22, 22).isNull()) << name;
        EXPECT_EQ(c.button->size(), QSize(29, 29)) << name;
    }
    EXPECT_NE(form.findChild<QWidget *>(QStringLiteral("Vog")), nullptr);
}

} // namespace

namespace {

TEST_F(GraphicWindowTest, MainWindowOpensTheEditorOnAGraphicItem)
{
    useGraphic();
    writeGraphic(graphic(16, 2, 5));
    FormMain main(state, services);
    QString seen;
    QTimer::singleShot(0, [&seen] {
        if (auto *form = qobject_cast<FormGraphic *>(QApplication::activeModalWidget())) {
            seen = form->windowTitle();
            form->CmdOK_Click();
        }
    });
    main.GridData_DblClick();
    EXPECT_EQ(seen, QStringLiteral("Edit Graphic"));
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(readGraphic(), graphic(16, 2, 5));
}

} // namespace
