#include "GraphicFixture.h"
#include "editors/ui/FormSize.h"
#include "editors/ui/FormText.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

using FormSizeTest = GraphicWindowTest;

TEST_F(FormSizeTest, LoadShowsRangesAndWarnsOnAnInvalidSize)
{
    const struct
    {
        const char *limits;
        QByteArray file;
        const char *labelX, *labelY, *width, *bands;
        int warnings; // at the window's load and at the dialog's
    } cases[] = {
        {"", graphic(16, 2), "Size X in bits (pixels). Permissible range: 1... 104",
         "Size Y in bytes (8 pixels/byte). Permissible range: 1... 7", "16", "2", 0},
        {"8,32,1,4", graphic(40, 1), "Size X in bits (pixels). Permissible range: 8... 32",
         "Size Y in bytes (8 pixels/byte). Permissible range: 1... 4", "40", "1", 2},
        {"1.5,20", graphic(10, 8), "Size X in bits (pixels). Permissible range: 1.5... 20",
         "Size Y in bytes (8 pixels/byte). Permissible range: 1... 7", "10", "8", 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.limits);
        useGraphic(QLatin1String(c.limits));
        writeGraphic(c.file);
        messages.clear();
        FormGraphic form(state, services);
        FormSize size(form.Vog, form.graphicLimits(), messages, &form);
        EXPECT_EQ(size.LabelSizeX->text(), QLatin1String(c.labelX));
        EXPECT_EQ(size.LabelSizeY->text(), QLatin1String(c.labelY));
        EXPECT_EQ(size.TextSizeX->text(), QLatin1String(c.width));
        EXPECT_EQ(size.TextSizeY->text(), QLatin1String(c.bands));
        EXPECT_EQ(messages.shown.size(), static_cast<size_t>(c.warnings));
    }
}

TEST_F(FormSizeTest, OkChecksTheRangesAndSetsTheControl)
{
    const struct
    {
        const char *x, *y;
        const char *message; // null: accepted
        const char *focus;
        int sizeX, sizeY;
    } cases[] = {
        {"105", "2", "Size X is out of range", "TextSizeX", 16, 16},
        {"0", "2", "Size X is out of range", "TextSizeX", 16, 16},
        {"104", "0", "Size Y is out of range", "TextSizeY", 16, 16},
        {"104", "8", "Size Y is out of range", "TextSizeY", 16, 16},
        {"104", "2", nullptr, nullptr, 104, 16},
        {"20", "7", nullptr, nullptr, 20, 56},
        {"12abc", "3.5", nullptr, nullptr, 12, 28}, // 28 dots: the control rounds half to even
        {"2.5", "1", nullptr, nullptr, 2, 8},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.x) + " x " + c.y);
        useGraphic();
        writeGraphic(graphic(16, 2));
        messages.clear();
        FormGraphic form(state, services);
        FormSize size(form.Vog, form.graphicLimits(), messages, &form);
        activate(size);
        size.TextSizeX->setText(QLatin1String(c.x));
        size.TextSizeY->setText(QLatin1String(c.y));
        size.CmdOK->setFocus();
        size.CmdOK_Click();
        QApplication::processEvents();
        EXPECT_EQ(messages.last(), c.message ? QLatin1String(c.message) : QString());
        EXPECT_EQ(size.result(), c.message ? QDialog::Rejected : QDialog::Accepted);
        if (c.focus) {
            auto *box = size.findChild<QLineEdit *>(QLatin1String(c.focus));
            EXPECT_EQ(QApplication::focusWidget(), box);
            EXPECT_EQ(box->selectedText(), box->text()) << "the next key replaces it";
        }
        EXPECT_EQ(number(form, "SizeX"), c.sizeX);
        EXPECT_EQ(number(form, "SizeY"), c.sizeY);
    }
}

TEST_F(FormSizeTest, BoxesSelectOnEntryAndKeepTheLeadingNumberOnExit)
{
    useGraphic();
    writeGraphic(graphic(16, 2));
    FormGraphic form(state, services);
    FormSize size(form.Vog, form.graphicLimits(), messages, &form);
    activate(size);
    const struct
    {
        const char *typed, *left;
    } cases[] = {{"12abc", "12"}, {"", "0"}, {"3.5", "3.5"}};
    for (const auto &c : cases) {
        size.TextSizeY->setFocus();
        QApplication::processEvents();
        EXPECT_TRUE(size.TextSizeY->hasSelectedText());
        size.TextSizeY->setText(QLatin1String(c.typed));
        size.TextSizeX->setFocus();
        QApplication::processEvents();
        EXPECT_EQ(size.TextSizeY->text(), QLatin1String(c.left)) << c.typed;
    }
    size.CmdCancel_Click();
    EXPECT_EQ(number(form, "SizeY"), 16);
}

using FormTextTest = GraphicWindowTest;

TEST_F(FormTextTest, AlignmentComesFromAndGoesToTheControl)
{
    useGraphic();
    writeGraphic(graphic(64, 4));
    FormGraphic form(state, services);
    const struct
    {
        int control;
        const char *checked;
    } loads[] = {{0, "OptionLeft"}, {1, "OptionRight"}, {2, "OptionCenter"}};
    for (const auto &l : loads) {
        form.Vog.put(QStringLiteral("TextAlignment"), l.control);
        FormText text(form.Vog, services, &form);
        const auto options = text.Frame1->findChildren<QRadioButton *>();
        for (QRadioButton *option : options)
            EXPECT_EQ(option->isChecked(), option->objectName() == QLatin1String(l.checked))
                << option->objectName().toStdString();
    }

    FormText text(form.Vog, services, &form);
    const struct
    {
        QRadioButton *option;
        int value;
    } clicks[] = {{text.OptionRight, 1}, {text.OptionCenter, 2}, {text.OptionLeft, 0}};
    for (const auto &c : clicks) {
        c.option->click();
        EXPECT_EQ(number(form, "TextAlignment"), c.value);
    }
}

TEST_F(FormTextTest, EveryChangeRendersThePreview)
{
    useGraphic();
    writeGraphic(graphic(64, 4));
    FormGraphic form(state, services);
    FormText text(form.Vog, services, &form);
    EXPECT_FALSE(selected(form));
    text.TextData->setPlainText(QStringLiteral("I"));
    ASSERT_TRUE(selected(form));
    const int oneWide = number(form, "SelPosX2");
    const int oneHigh = number(form, "SelPosY2");
    QTest::keyClicks(text.TextData, QStringLiteral("IIII"));
    EXPECT_GT(number(form, "SelPosX2"), oneWide);
    QTest::keyClick(text.TextData, Qt::Key_Return);
    QTest::keyClicks(text.TextData, QStringLiteral("I"));
    EXPECT_GT(number(form, "SelPosY2"), oneHigh) << "a second line";
    text.TextData->clear();
    EXPECT_FALSE(selected(form));

    // Alignment changes render again with the current text.
    text.TextData->setPlainText(QStringLiteral("IIIII\rI"));
    form.Vog.put(QStringLiteral("SelSet"), false);
    text.OptionRight->click();
    EXPECT_TRUE(selected(form));
}

TEST_F(FormTextTest, FontDialogRoundTripsThroughTheControl)
{
    useGraphic();
    writeGraphic(graphic(104, 7));
    FormGraphic form(state, services);
    FormText text(form.Vog, services, &form);
    text.TextData->setPlainText(QStringLiteral("Ag"));
    const QFont before = form.Vog.get(QStringLiteral("Font")).value<QFont>();
    const int smallHeight = number(form, "SelPosY2");

    QFont chosen(QStringLiteral("DejaVu Sans"));
    chosen.setPointSize(24);
    chosen.setBold(true);
    chosen.setItalic(true);
    chosen.setUnderline(true);
    dialogs.fontAnswers.push_back(chosen);
    text.CmdFont->click();
    ASSERT_EQ(dialogs.fontRequests.size(), 1u);
    EXPECT_EQ(dialogs.fontRequests[0], before);
    const QFont after = form.Vog.get(QStringLiteral("Font")).value<QFont>();
    EXPECT_EQ(std::tuple(after.family(), after.pointSize(), after.bold(), after.italic(),
                         after.underline(), after.strikeOut()),
              std::tuple(chosen.family(), 24, true, true, true, false));
    EXPECT_GT(number(form, "SelPosY2"), smallHeight) << "the preview uses the new font";

    // Cancelling keeps the font and renders the same preview again.
    form.Vog.put(QStringLiteral("SelSet"), false);
    dialogs.fontAnswers.push_back(std::nullopt);
    text.CmdFont->click();
    EXPECT_EQ(form.Vog.get(QStringLiteral("Font")).value<QFont>(), after);
    EXPECT_TRUE(selected(form));
}

TEST_F(FormTextTest, OkKeepsTheFloatingTextCancelAndEscapeRemoveIt)
{
    useGraphic();
    writeGraphic(graphic(64, 4));
    FormGraphic form(state, services);
    const struct
    {
        const char *how;
        bool kept;
    } cases[] = {{"ok", true}, {"cancel", false}, {"escape", false}, {"close", false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.how);
        FormText text(form.Vog, services, &form);
        activate(text);
        text.TextData->setPlainText(QStringLiteral("Hi"));
        ASSERT_TRUE(selected(form));
        const std::string how = c.how;
        if (how == "ok")
            text.CmdOK->click();
        else if (how == "cancel")
            text.CmdCancel->click();
        else if (how == "escape")
            QTest::keyClick(text.TextData, Qt::Key_Escape);
        else
            text.close();
        EXPECT_EQ(text.result(), c.kept ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(selected(form), c.kept);
        form.Vog.put(QStringLiteral("SelSet"), false);
    }
}

} // namespace
