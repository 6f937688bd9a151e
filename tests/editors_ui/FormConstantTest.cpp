#include "editors/ui/FormConstant.h"
#include "support/EditorWindowFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString File = QStringLiteral("Const\\c1.txt");

using FormConstantTest = EditorWindowTest;

TEST_F(FormConstantTest, LoadsTheRangeAndValueAndWritesTheBoxTextOnlyWhenInRange)
{
    const char *const outOfRange = "Current Constant value is out of range";
    const char *const refused = "Value is out of range";
    const char *const missing = "Could not access Resource file ('Const/c1.txt'): 53: File not "
                                "found. Clicking OK will create a new file";
    const struct
    {
        const char *limits;
        std::optional<QByteArray> file;
        const char *range, *loaded, *loadMessage;
        const char *typed; // nullptr: OK on the loaded text
        const char *okMessage;
        QByteArray fileAfter;
    } cases[] = {
        {"", "0012", " 0 ... 65535", "12", nullptr, nullptr, nullptr, "12"},
        {"", "120\r\n", " 0 ... 65535", "120", nullptr, "65535", nullptr, "65535"},
        // Pressing Enter moves no focus: the text is written as typed.
        {"", "12abc", " 0 ... 65535", "12", nullptr, "7abc", nullptr, "7abc"},
        {"0.5,2.5", "1.5", " 0.5 ... 2.5", "1.5", nullptr, nullptr, nullptr, "1.5"},
        {"10,20", "15", " 10 ... 20", "15", nullptr, "20", nullptr, "20"},
        {"10,20", "15", " 10 ... 20", "15", nullptr, "21", refused, "15"},
        {"10,20", std::nullopt, " 10 ... 20", "0", missing, "9.5", refused, "<missing>"},
        {"0,255", "300", " 0 ... 255", "300", outOfRange, nullptr, refused, "300"},
        {",-5", "0", " 0 ...-5", "0", outOfRange, nullptr, refused, "0"},
        {"", std::nullopt, " 0 ... 65535", "0", missing, nullptr, nullptr, "0"},
        {"-7,70000", "70000", " 0 ... 65535", "70000", outOfRange, "0", nullptr, "0"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.limits) + " " + c.file.value_or("-").toStdString() + " " +
                     (c.typed ? c.typed : ""));
        useItem(QStringLiteral("C"), File, c.file, QString::fromLatin1(c.limits));
        FormConstant form(state, services);
        form.show();
        EXPECT_EQ(form.LabelLimits->text(), QStringLiteral("Permissible Constant value limits: ") +
                                                QString::fromLatin1(c.range));
        EXPECT_EQ(form.TextValue->text(), QString::fromLatin1(c.loaded));
        EXPECT_EQ(messages.texts(), shows(c.loadMessage));
        EXPECT_TRUE(form.CmdOK->isEnabled());

        messages.clear();
        if (c.typed)
            form.TextValue->setText(QString::fromLatin1(c.typed));
        form.CmdOK->setFocus();
        form.CmdOK_Click();
        QApplication::processEvents();
        EXPECT_EQ(messages.texts(), shows(c.okMessage));
        if (c.okMessage) {
            EXPECT_EQ(form.focusWidget(), form.TextValue) << "back in the box at fault";
            EXPECT_EQ(form.TextValue->selectedText(), form.TextValue->text());
        }
        EXPECT_EQ(readFile(File), c.fileAfter);
        EXPECT_EQ(form.isVisible(), c.okMessage != nullptr);
        form.CmdCancel_Click(); // after a refusal, Cancel writes nothing either
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(readFile(File), c.fileAfter);
    }
}

TEST_F(FormConstantTest, FocusSelectsAllAndLeavingShowsThePlainNumber)
{
    useItem(QStringLiteral("C"), File, "120");
    FormConstant form(state, services);
    activate(form); // a real focus move runs the handler
    form.TextValue->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(form.TextValue->selectedText(), QStringLiteral("120"));
    const std::pair<const char *, const char *> cases[] = {{"-3", "3"}, {"1.50", "1.5"}};
    for (const auto &[typed, shown] : cases) {
        form.TextValue->setText(QString::fromLatin1(typed));
        form.TextValue_LostFocus();
        EXPECT_EQ(form.TextValue->text(), QString::fromLatin1(shown)) << typed;
    }
}

} // namespace
