#include "editors/ui/FormGraphic.h"
#include "GraphicFixture.h"
#include "editors/GraphicTools.h"
#include "mainwin/FormMain.h"
#include "support/ItemKinds.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <optional>

namespace {

const QString Invalid = QStringLiteral("Current Graphic size is invalid");

TEST_F(GraphicWindowTest, LoadChecksSizeAndOkWritesTheGraphic)
{
    const QByteArray pattern = GraphicWindowTest::pattern();
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

// A file that holds something else than a graphic opens with a note on the
// control's blank graphic, and OK replaces it only when the user says Yes.
TEST_F(GraphicWindowTest, FileThatHoldsNoGraphicIsReplacedOnlyWhenAsked)
{
    const QString note = QStringLiteral("The item file Misc/Logo.bin does not hold a graphic; OK "
                                        "will replace it with the one shown");
    const QString question = QStringLiteral(
        "The item file Misc/Logo.bin does not hold a graphic. Replace it with the one shown?");
    const QByteArray files[] = {QByteArray(1, '\x05'),         QByteArray("\x00\x01\xff", 3),
                                QByteArray("\xc8\x01\xff", 3), QByteArray("\x05\x00\xff", 3),
                                QByteArray("\x05\x11\xff", 3), QByteArray("user's text\n")};
    for (const QByteArray &bytes : files) {
        for (const auto answer : {Messages::Answer::No, Messages::Answer::Yes}) {
            SCOPED_TRACE(testing::Message() << bytes.toHex().toStdString() << " " << int(answer));
            useGraphic();
            writeGraphic(bytes);
            messages.answer = answer;
            FormGraphic form(state, services);
            EXPECT_EQ(messages.texts(), QStringList{note});
            messages.clear();
            form.CmdOK_Click();
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_TRUE(messages.shown[0].question);
            EXPECT_EQ(messages.shown[0].text, question);
            EXPECT_EQ(readGraphic(), answer == Messages::Answer::Yes ? graphic(32, 4) : bytes);
        }
    }
}

// A FIFO, a device or a folder is no file the window can show or write back:
// it says so and does not open, without waiting for a writer.
TEST_F(GraphicWindowTest, FileThatIsNoRegularFileKeepsTheWindowShut)
{
    using itemkinds::Kind;
    for (const Kind kind : {Kind::FifoWithoutWriter, Kind::DevZero, Kind::DevNull, Kind::Folder}) {
        SCOPED_TRACE(int(kind));
        useGraphic();
        const itemkinds::ItemOfKind item(kind, graphicPath());
        FormGraphic form(state, services);
        EXPECT_TRUE(form.itemRefused());
        EXPECT_EQ(messages.texts(), QStringList{QStringLiteral(
                                        "Could not access Resource file ('Misc/Logo.bin'): 75: "
                                        "Path/File access error")});
    }
}

// Escape never closes the window: the Escape tests.
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
    EXPECT_EQ(number(form, "DotSize"), 5);
    const struct
    {
        QToolButton *button;
        int size, gap;
    } steps[] = {{form.CmdZoomOut, 5, 1},  {form.CmdZoomIn, 10, 2}, {form.CmdZoomIn, 15, 3},
                 {form.CmdZoomIn, 20, 4},  {form.CmdZoomIn, 20, 4}, {form.CmdZoomOut, 15, 3},
                 {form.CmdZoomOut, 10, 2}, {form.CmdZoomOut, 5, 1}, {form.CmdZoomOut, 5, 1}};
    for (const auto &step : steps) {
        step.button->click();
        EXPECT_EQ(std::pair(number(form, "DotSize"), number(form, "DotGap")),
                  std::pair(step.size, step.gap));
    }
}

TEST_F(GraphicWindowTest, OptionsStartAsTheControlAndSetItWhenClicked)
{
    useGraphic();
    writeGraphic(graphic(8, 1));
    FormGraphic form(state, services);
    EXPECT_TRUE(form.OptionSelect->isChecked() && form.OptionBlack->isChecked());

    const struct
    {
        QToolButton *option;
        const char *member;
        int value;
    } cases[] = {
        {form.OptionWhite, "DrawMode", 1},
        {form.OptionInvert, "DrawMode", 2},
        // The tool keys press the tool buttons: one of them is enough here.
        {form.OptionBlack, "DrawMode", 0},
        {form.OptionDraw, "Tool", 1},
        {form.OptionFilled, "Filled", 1},
        {form.OptionSelect, "Tool", 0},
        {form.OptionFilled, "Filled", 0},
    };
    for (const auto &c : cases) {
        c.option->click();
        EXPECT_EQ(c.option->isChecked(), c.option != form.OptionFilled || c.value == 1)
            << c.option->objectName().toStdString();
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

// An operation on a dragged selection, as the saved column bytes show it.
TEST_F(GraphicWindowTest, SelectionOperations)
{
    const struct
    {
        const char *option; // the colour, or none
        const char *button;
        char background; // every column byte
        bool dot;        // a black dot at (0, 0)
        std::array<int, 4> corners;
        int from, to; // these columns become `after`
        char after;
    } cases[] = {
        // Rows 3 and 4 of columns 2 to 9 are bits 3 and 4 of those column bytes.
        {"OptionWhite", "CmdFill", '\xff', false, {2, 3, 9, 4}, 2, 9, '\xe7'},
        {"OptionBlack", "CmdFill", '\x00', false, {2, 3, 9, 4}, 2, 9, '\x18'},
        {"OptionInvert", "CmdFill", '\x0f', false, {2, 3, 9, 4}, 2, 9, '\x17'},
        // The dot turns within the 4 x 4 selection at the top left.
        {nullptr, "CmdMirrorHor", 0, true, {0, 0, 3, 3}, 3, 3, '\x01'}, // to (3, 0)
        {nullptr, "CmdMirrorVer", 0, true, {0, 0, 3, 3}, 0, 0, '\x08'}, // to (0, 3)
        {nullptr, "CmdRotate180", 0, true, {0, 0, 3, 3}, 3, 3, '\x08'}, // to (3, 3)
        {nullptr, "CmdRotate90", 0, true, {0, 0, 3, 3}, 0, 0, '\x08'},  // counter-clockwise
        {nullptr, "CmdRotate270", 0, true, {0, 0, 3, 3}, 3, 3, '\x01'}, // clockwise
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.button + std::string(c.option ? c.option : ""));
        useGraphic();
        QByteArray bytes = graphic(16, 1, c.background);
        if (c.dot)
            bytes[2] = 1;
        writeGraphic(bytes);
        FormGraphic form(state, services);
        if (c.option)
            form.findChild<QToolButton *>(QLatin1String(c.option))->click();
        drag(form, c.corners[0], c.corners[1], c.corners[2], c.corners[3]);
        form.findChild<QToolButton *>(QLatin1String(c.button))->click();
        form.CmdOK_Click();
        QByteArray expected = graphic(16, 1, c.background);
        for (int column = c.from; column <= c.to; ++column)
            expected[2 + column] = c.after;
        EXPECT_EQ(readGraphic(), expected);
    }
}

TEST_F(GraphicWindowTest, StatusLineFollowsTheSelectionThePointerAndTheShape)
{
    useGraphic();
    writeGraphic(graphic(16, 1));
    FormGraphic form(state, services);
    EXPECT_EQ(form.LabelPos->text(), QStringLiteral("No selection"));
    EXPECT_TRUE(form.Timer1->isActive());
    for (const auto &corners : {std::array{9, 4, 2, 3}, std::array{2, 3, 9, 4}}) {
        drag(form, corners[0], corners[1], corners[2], corners[3]);
        form.Timer1_Timer();
        EXPECT_EQ(form.LabelPos->text(), QStringLiteral("Selection  2, 3- 9, 4  ( 8x 2)   Dot ") +
                                             QString::number(corners[2]) + QStringLiteral(", ") +
                                             QString::number(corners[3]));
    }
    form.Vog.put(QStringLiteral("SelSet"), false);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(form.Vog.widget(), &leave);
    form.Timer1_Timer();
    EXPECT_EQ(form.LabelPos->text(), QStringLiteral("No selection"));

    // A rectangle dragged out from (12, 1) to (15, 6) and beyond the graphic.
    form.OptionRectangle->click();
    mouse(form, QEvent::MouseButtonPress, 12, 1);
    mouse(form, QEvent::MouseMove, 15, 6);
    form.Timer1_Timer();
    EXPECT_EQ(form.LabelPos->text(), QStringLiteral("No selection   Dot 15, 6   Size 4x 6"));
    mouse(form, QEvent::MouseMove, 17, 6);
    form.Timer1_Timer();
    EXPECT_EQ(form.LabelPos->text(), QStringLiteral("No selection   Size 6x 6"));
    mouse(form, QEvent::MouseButtonRelease, 17, 6);
}

TEST_F(GraphicWindowTest, ImportFloatsThePictureAndReportsFailures)
{
    useGraphic();
    writeGraphic(graphic(16, 2));
    const QString picture = this->picture();
    const QString text = folder.filePath(QStringLiteral("notes.bmp"));
    {
        QFile notes(text);
        ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
        notes.write("not a picture");
    }
    settings.write(QStringLiteral("FileImport"), QStringLiteral("start.bmp"));

    FormGraphic form(state, services);
    messages.clear();
    dialogs.cancel();
    form.CmdImport->click();
    EXPECT_TRUE(messages.texts().isEmpty());
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].initialName, QStringLiteral("start.bmp"));
    EXPECT_EQ(settings.read(QStringLiteral("FileImport")), QStringLiteral("start.bmp"));

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
        EXPECT_EQ(settings.read(QStringLiteral("FileImport")), f.file);
        EXPECT_FALSE(form.Vog.get(QStringLiteral("SelSet")).toBool());
    }

    messages.clear();
    dialogs.answer(picture);
    form.CmdImport->click();
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(settings.read(QStringLiteral("FileImport")), picture);
    EXPECT_TRUE(form.Vog.get(QStringLiteral("SelSet")).toBool());
    EXPECT_EQ(number(form, "SelPosX2"), 2);
    EXPECT_EQ(number(form, "SelPosY2"), 1);
}

// Every tool button has its picture (a missing resource shows as a blank button).
TEST_F(GraphicWindowTest, ToolButtonsHaveTheirIcons)
{
    useGraphic();
    writeGraphic(graphic(8, 1));
    FormGraphic form(state, services);
    const auto buttons = form.findChildren<QToolButton *>();
    EXPECT_EQ(buttons.size(), 25);
    for (QToolButton *button : buttons) {
        EXPECT_FALSE(button->icon().pixmap(22, 22).isNull()) << button->objectName().toStdString();
        EXPECT_EQ(button->size(), QSize(29, 29)) << button->objectName().toStdString();
    }
}

// A double-click anywhere in the grid edits the current row: below the last
// row and on the header as on a row.
TEST_F(GraphicWindowTest, DoubleClickAnywhereInTheGridEditsTheCurrentItem)
{
    useGraphic();
    writeGraphic(graphic(16, 2, 5));
    FormMain main(state, services);
    main.show();
    auto *grid = main.findChild<QTableView *>(QStringLiteral("GridData"));
    ASSERT_NE(grid, nullptr);
    QHeaderView *header = grid->horizontalHeader();
    QWidget *rows = grid->viewport();
    const struct
    {
        const char *where;
        QWidget *widget;
        QPoint point;
    } places[] = {
        {"below the last row", rows, QPoint(20, rows->height() - 4)},
        {"on the header", header->viewport(), QPoint(10, header->height() / 2)},
        {"on the row", rows, QPoint(20, grid->rowViewportPosition(0) + 2)},
    };
    for (const auto &p : places) {
        SCOPED_TRACE(p.where);
        int opened = 0;
        QTimer::singleShot(0, &main, [&opened] {
            if (auto *form = qobject_cast<FormGraphic *>(QApplication::activeModalWidget())) {
                EXPECT_EQ(form->windowTitle(), QStringLiteral("Edit Graphic"));
                ++opened;
                form->CmdCancel_Click();
            }
        });
        QTest::mouseDClick(p.widget, Qt::LeftButton, Qt::NoModifier, p.point);
        EXPECT_EQ(opened, 1);
        EXPECT_EQ(state.currentItem(), 0);
    }
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(readGraphic(), graphic(16, 2, 5));
}

} // namespace
