#include "FormConstant.h"
#include "EditorWindowFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <optional>

namespace {

const QString File = QStringLiteral("Const\\c1.txt");

class FormConstantTest : public EditorWindowTest
{
};

TEST_F(FormConstantTest, LoadShowsRangeValueAndWarnings)
{
    const struct
    {
        const char *limits;
        std::optional<QByteArray> file;
        const char *label;
        const char *value;
        const char *message;
    } cases[] = {
        {"", "120", "Permissible Constant value limits:  0 ... 65535", "120", nullptr},
        {"10,20", "0012", "Permissible Constant value limits:  10 ... 20", "12", nullptr},
        {"", "12abc", "Permissible Constant value limits:  0 ... 65535", "12", nullptr},
        {"0.5,2.5", "1.5", "Permissible Constant value limits:  0.5 ... 2.5", "1.5", nullptr},
        {"0,255", "300", "Permissible Constant value limits:  0 ... 255", "300",
         "Current Constant value is out of range"},
        {",-5", "0", "Permissible Constant value limits:  0 ...-5", "0",
         "Current Constant value is out of range"},
        {"10,20", std::nullopt, "Permissible Constant value limits:  10 ... 20", "0",
         "Could not access Resource file ('Const/c1.txt'): 53: File not found. Clicking OK will "
         "create a new file"},
    };
    for (const auto &c : cases) {
        useItem(QStringLiteral("C"), File, QString::fromLatin1(c.limits));
        QFile::remove(diskPath(File));
        if (c.file)
            writeFile(File, *c.file);
        messages.clear();
        FormConstant form(state, services);
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Edit Constant"));
        EXPECT_EQ(form.LabelLimits->text(), QString::fromLatin1(c.label)) << c.limits;
        EXPECT_EQ(form.TextValue->text(), QString::fromLatin1(c.value)) << c.limits;
        EXPECT_EQ(messages.texts(),
                  c.message ? QStringList{QString::fromLatin1(c.message)} : QStringList())
            << c.limits;
        EXPECT_TRUE(form.CmdOK->isEnabled());
    }
}

TEST_F(FormConstantTest, OkWritesTheBoxTextOnlyWhenInRange)
{
    const struct
    {
        const char *limits;
        std::optional<QByteArray> file;
        const char *typed; // nullptr: leave the loaded text
        const char *message;
        QByteArray fileAfter;
    } cases[] = {
        {"10,20", "15", "20", nullptr, "20"},
        {"10,20", "15", "21", "Value is out of range", "15"},
        {"10,20", "15", "9.5", "Value is out of range", "15"},
        {"", "5", "1.5", nullptr, "1.5"},
        {"", "0012", nullptr, nullptr, "12"},
        {"", "5", "65535", nullptr, "65535"},
        {"", "5", "7abc", nullptr, "7abc"}, // pressing Enter: no focus move, written as typed
        {"0,255", "300", nullptr, "Value is out of range", "300"},
        {",-5", "1", "0", "Value is out of range", "1"},
        {"", std::nullopt, nullptr, nullptr, "0"}, // a missing file is created
    };
    for (const auto &c : cases) {
        useItem(QStringLiteral("C"), File, QString::fromLatin1(c.limits));
        QFile::remove(diskPath(File));
        if (c.file)
            writeFile(File, *c.file);
        FormConstant form(state, services);
        form.show();
        messages.clear();
        if (c.typed)
            form.TextValue->setText(QString::fromLatin1(c.typed));
        form.CmdOK_Click();
        EXPECT_EQ(messages.texts(),
                  c.message ? QStringList{QString::fromLatin1(c.message)} : QStringList())
            << c.limits << " " << (c.typed ? c.typed : "");
        EXPECT_EQ(readFile(File), c.fileAfter) << c.limits << " " << (c.typed ? c.typed : "");
        EXPECT_EQ(form.isVisible(), c.message != nullptr);
    }
}

TEST_F(FormConstantTest, CancelWritesNothing)
{
    useItem(QStringLiteral("C"), File);
    writeFile(File, "42");
    FormConstant form(state, services);
    form.show();
    form.TextValue->setText(QStringLiteral("43"));
    form.CmdCancel_Click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_EQ(readFile(File), QByteArray("42"));

    useItem(QStringLiteral("C"), File);
    QFile::remove(diskPath(File));
    FormConstant missing(state, services);
    missing.CmdCancel_Click();
    EXPECT_EQ(readFile(File), QByteArray("<missing>"));
}

TEST_F(FormConstantTest, FocusSelectsAllAndLeavingShowsThePlainNumber)
{
    useItem(QStringLiteral("C"), File);
    writeFile(File, "120");
    FormConstant form(state, services);
    form.TextValue_GotFocus();
    EXPECT_EQ(form.TextValue->selectedText(), QStringLiteral("120"));

    const struct
    {
        const char *typed, *shown;
    } cases[] = {{"7abc", "7"},   {"", "0"},       {"-3", "3"},
                 {"1e3", "1000"}, {"1.50", "1.5"}, {"0012", "12"}};
    for (const auto &c : cases) {
        form.TextValue->setText(QString::fromLatin1(c.typed));
        form.TextValue_LostFocus();
        EXPECT_EQ(form.TextValue->text(), QString::fromLatin1(c.shown)) << c.typed;
    }

    // The real focus moves run the same handlers: typing then clicking OK
    // writes the plain number.
    activate(form);
    form.TextValue->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(form.TextValue->selectedText(), form.TextValue->text());
    form.TextValue->setText(QStringLiteral("19x"));
    form.CmdOK->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(form.TextValue->text(), QStringLiteral("19"));
    form.CmdOK->click();
    EXPECT_EQ(readFile(File), QByteArray("19"));
}

TEST_F(FormConstantTest, WriteFailureShowsTheAccessMessageAndStaysOpen)
{
    useItem(QStringLiteral("C"), File);
    writeFile(File, "5");
    FormConstant form(state, services);
    form.show();
    blockFile(File);
    messages.clear();
    form.CmdOK_Click();
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral(
                  "Could not access Resource file ('Const/c1.txt'): 75: Path/File access error")});
    EXPECT_TRUE(form.isVisible());
}

} // namespace
