#include "FormInfoString.h"
#include "EditorWindowFixture.h"
#include "FormEditSel.h"
#include "SelectionListModel.h"

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

const QString File = QStringLiteral("Info\\i1.txt");

QByteArray tabbed(std::initializer_list<QByteArray> fields)
{
    QByteArray text;
    for (const QByteArray &f : fields) {
        if (!text.isEmpty() || &f != fields.begin())
            text += '\t';
        text += f;
    }
    return text;
}

class FormInfoStringTest : public EditorWindowTest
{
protected:
    QStringList rows(const FormInfoString &form, int column) const
    {
        QStringList texts;
        const SelectionListModel &model = form.selections();
        for (int r = 0; r < model.rowCount(); ++r)
            texts.append(model.index(r, column).data().toString());
        return texts;
    }
};

TEST_F(FormInfoStringTest, LoadsTheFieldsOfTheTypeAndSavesEveryOtherByteUnchanged)
{
    const QByteArray high("\x80\x81\x8d\x9f\xff\x01", 6);
    const struct
    {
        const char *type;
        QByteArray file;
        QByteArray name;
        const char *info;
        QStringList numbers, texts;
    } cases[] = {
        {"I",
         tabbed({"a", "b", "c", "d", "e", "Name", "Info", "0-Off;1-On"}),
         "Name",
         "Info",
         {QStringLiteral(" 0-"), QStringLiteral(" 1-")},
         {QStringLiteral("Off"), QStringLiteral("On")}},
        {"F",
         tabbed({high, "b\t", QByteArray("N;x\r\n\0z", 7), "Inf" + high, "0-A;1-B;2-C", high}),
         QByteArray("N;x\r\n\0z", 7),
         nullptr,
         {QStringLiteral(" 0-"), QStringLiteral(" 1-"), QStringLiteral(" 2-")},
         {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}},
        {"F", tabbed({"a", "b", "N", "I", ""}), "N", "I", {}, {}},
        {"F", tabbed({"", "b", "N", "I", ";junk"}), "N", "I", {}, {}},
    };
    for (const auto &c : cases) {
        useItem(QString::fromLatin1(c.type), File);
        writeFile(File, c.file);
        messages.clear();
        FormInfoString form(state, services);
        form.show();
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Edit Info String"));
        EXPECT_TRUE(messages.texts().isEmpty()) << messages.last().toStdString();
        EXPECT_EQ(form.TextName->text().toLatin1(), c.name);
        if (c.info) {
            EXPECT_EQ(form.Textinfo->text(), QString::fromLatin1(c.info));
        }
        EXPECT_EQ(rows(form, 0), c.numbers);
        EXPECT_EQ(rows(form, 1), c.texts);
        if (!c.texts.isEmpty()) {
            EXPECT_EQ(form.GridSel->currentIndex().row(), 0);
        }

        form.CmdOK_Click();
        EXPECT_TRUE(messages.texts().isEmpty()) << messages.last().toStdString();
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(readFile(File), c.file) << c.file.toHex().constData();
    }
}

TEST_F(FormInfoStringTest, UnusableFilesDisableOkForGood)
{
    const QString formatError = QStringLiteral(
        "InfoString Resource file format error ('Info/i1.txt'). This Program cannot correct this");
    const struct
    {
        const char *type;
        std::optional<QByteArray> file;
        QString message;
    } cases[] = {
        {"I", tabbed({"a", "b", "c", "d", "e", "Name"}), formatError},
        {"F", tabbed({"a", "b", "", "Info"}), formatError}, // name reads as "Info", info empty
        {"F", QByteArray(), formatError},
        {"I", QByteArray("\x00\x01\x02", 3), formatError},
        {"F", std::nullopt,
         QStringLiteral("Could not access Resource file ('Info/i1.txt'): 53: File not found. This "
                        "Program cannot create new InfoString Resource File because it needs some "
                        "data from the original InfoString Resource File")},
    };
    for (const auto &c : cases) {
        useItem(QString::fromLatin1(c.type), File);
        QFile::remove(diskPath(File));
        if (c.file)
            writeFile(File, *c.file);
        messages.clear();
        FormInfoString form(state, services);
        EXPECT_EQ(messages.texts(), QStringList{c.message});
        EXPECT_FALSE(form.CmdOK->isEnabled());
        EXPECT_EQ(readFile(File), c.file.value_or("<missing>"));
    }
}

TEST_F(FormInfoStringTest, OkChecksInOrderWithFocusInTheBox)
{
    const QByteArray file = tabbed({"a", "b", "Name", "Info", "0-X"});
    const struct
    {
        const char *name, *info, *message;
        bool focusOnName;
    } cases[] = {
        {"a\tb", "x\ty", "Name field cannot contain TAB characters", true},
        {"", "x\ty", "Info field cannot contain TAB characters", false},
        {"", "", "Name field cannot be empty", true},
        {"n", "", "Info field cannot be empty", false},
    };
    useItem(QStringLiteral("F"), File);
    writeFile(File, file);
    FormInfoString form(state, services);
    activate(form);
    for (const auto &c : cases) {
        form.TextName->setText(QString::fromLatin1(c.name));
        form.Textinfo->setText(QString::fromLatin1(c.info));
        form.CmdCancel->setFocus();
        messages.clear();
        form.CmdOK_Click();
        EXPECT_EQ(messages.texts(), QStringList{QString::fromLatin1(c.message)});
        EXPECT_EQ(QApplication::focusWidget(), c.focusOnName ? form.TextName : form.Textinfo)
            << c.message;
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(readFile(File), file);
    }
    form.TextName->setText(QStringLiteral("N;2")); // only TAB is refused in the name
    form.Textinfo->setText(QStringLiteral("I-2"));
    messages.clear();
    form.CmdOK_Click();
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(readFile(File), tabbed({"a", "b", "N;2", "I-2", "0-X"}));
}

TEST_F(FormInfoStringTest, ContentOf240IsSavedAnd241Refused)
{
    // "a\tb\tN\tI\t0-" is 10 characters; the selection text fills the rest.
    for (const int total : {240, 241}) {
        useItem(QStringLiteral("F"), File);
        const QByteArray file = tabbed({"a", "b", "N", "I", "0-x"});
        writeFile(File, file);
        FormInfoString form(state, services);
        form.show();
        form.selections().setText(0, QString(total - 10, QLatin1Char('s')));
        messages.clear();
        form.CmdOK_Click();
        if (total == 240) {
            EXPECT_TRUE(messages.texts().isEmpty());
            EXPECT_EQ(readFile(File).size(), 240);
            EXPECT_FALSE(form.isVisible());
        } else {
            EXPECT_EQ(messages.texts(),
                      QStringList{QStringLiteral("New InfoString is too long ( 241 while max. "
                                                 "size is 240 chars. Please, decrese the length "
                                                 "of some fields)")});
            EXPECT_EQ(readFile(File), file);
            EXPECT_TRUE(form.isVisible());
            // Shortened, the same window saves.
            form.selections().setText(0, QStringLiteral("y"));
            messages.clear();
            form.CmdOK_Click();
            EXPECT_TRUE(messages.texts().isEmpty());
            EXPECT_EQ(readFile(File), tabbed({"a", "b", "N", "I", "0-y"}));
        }
    }
}

TEST_F(FormInfoStringTest, WriteFailureAndCancelLeaveTheFile)
{
    const QByteArray file = tabbed({"a", "b", "N", "I", "0-x"});
    useItem(QStringLiteral("F"), File);
    writeFile(File, file);
    {
        FormInfoString form(state, services);
        form.show();
        form.TextName->setText(QStringLiteral("M"));
        form.CmdCancel_Click();
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(readFile(File), file);
    }
    FormInfoString form(state, services);
    form.show();
    blockFile(File);
    messages.clear();
    form.CmdOK_Click();
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral(
                  "Could not access Resource file ('Info/i1.txt'): 75: Path/File access error")});
    EXPECT_TRUE(form.isVisible());
}

TEST_F(FormInfoStringTest, SelectionDialogEditsTheCurrentRow)
{
    useItem(QStringLiteral("I"), File);
    writeFile(File, tabbed({"a", "b", "c", "d", "e", "N", "I", "0-Off;1-On;2-Auto"}));
    FormInfoString form(state, services);
    form.show();
    form.GridSel->setCurrentIndex(form.selections().index(1, 0));

    int opened = 0;
    form.runEditSel = [&](FormEditSel &dialog) {
        ++opened;
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Edit Selection String"));
        EXPECT_EQ(dialog.TextSel->text(), QStringLiteral("On"));
        EXPECT_EQ(dialog.TextSel->selectedText(), QStringLiteral("On"));
        dialog.show();
        for (const char *refused : {"a;b", "a\tb"}) {
            dialog.TextSel->setText(QString::fromLatin1(refused));
            messages.clear();
            dialog.CmdOK_Click();
            EXPECT_EQ(messages.texts(),
                      QStringList{
                          QStringLiteral("Selection field cannot contain TAB or ';' characters")});
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(form.selections().text(1), QStringLiteral("On"));
        }
        dialog.TextSel->setText(QStringLiteral("a-b"));
        dialog.CmdOK_Click();
        EXPECT_FALSE(dialog.isVisible());
    };
    form.GridSel_DblClick();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(form.selections().text(1), QStringLiteral("a-b"));

    form.runEditSel = [&](FormEditSel &dialog) {
        ++opened;
        dialog.TextSel->setText(QStringLiteral("ignored"));
        dialog.CmdCancel_Click();
    };
    form.GridSel_DblClick();
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(form.selections().text(1), QStringLiteral("a-b"));

    form.CmdOK_Click();
    EXPECT_EQ(readFile(File), tabbed({"a", "b", "c", "d", "e", "N", "I", "0-Off;1-a-b;2-Auto"}));

    // A stored "a-b" shows in full: only the first "-" separates the number.
    FormInfoString again(state, services);
    EXPECT_EQ(again.selections().text(1), QStringLiteral("a-b"));
}

TEST_F(FormInfoStringTest, DoubleClickWithoutRowsOpensNothing)
{
    useItem(QStringLiteral("F"), File);
    writeFile(File, tabbed({"a", "b", "N", "I"}));
    FormInfoString form(state, services);
    int opened = 0;
    form.runEditSel = [&](FormEditSel &) { ++opened; };
    form.GridSel_DblClick();
    EXPECT_EQ(opened, 0);
}

TEST(SelectionListModel, PassesTheModelTester)
{
    SelectionListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setTexts({QStringLiteral("Off"), QStringLiteral("On")});
    model.setText(1, QStringLiteral("Auto"));
    model.setText(5, QStringLiteral("none"));
    EXPECT_EQ(model.index(1, 1).data().toString(), QStringLiteral("Auto"));
    EXPECT_EQ(model.index(1, 0).data().toString(), QStringLiteral(" 1-"));
    EXPECT_EQ(model.index(0, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignRight | Qt::AlignVCenter);
    model.setTexts({});
    EXPECT_EQ(model.rowCount(), 0);
}

} // namespace
