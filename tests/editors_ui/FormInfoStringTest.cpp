#include "editors/ui/FormInfoString.h"
#include "editors/ui/FormEditSel.h"
#include "editors/ui/SelectionListModel.h"
#include "platform/CodePage.h"
#include "support/EditorWindowFixture.h"

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include <tuple>

namespace {

const QString File = QStringLiteral("Info\\i1.txt");

using FormInfoStringTest = EditorWindowTest;

TEST_F(FormInfoStringTest, LoadsTheFieldsOfTheTypeAndSavesEveryOtherByteUnchanged)
{
    const QByteArray high("\x80\x81\x8d\x9f\xff\x01", 6);
    const QByteArray name("N;x\r\n\0z", 7);
    // type, file, name|info, the grid's rows
    const std::tuple<const char *, QByteArray, QByteArray, const char *> cases[] = {
        {"I", "a\tb\tc\td\te\tName\tInfo\t0-Off;1-On", "Name|Info", " 0-Off| 1-On"},
        {"F", high + "\tb\t\t" + name + "\tInf" + high + "\t0-A;1-B;2-C\t" + high,
         name + "|Inf" + high, " 0-A| 1-B| 2-C"},
        {"F", "a\tb\tN\tI\t", "N|I", ""},
        {"F", "\tb\tN\tI\t;junk", "N|I", ""},
    };
    for (const auto &[type, file, fields, rows] : cases) {
        SCOPED_TRACE(file.toHex().toStdString());
        useItem(QString::fromLatin1(type), File, file);
        FormInfoString form(state, services);
        form.show();
        QAbstractItemModelTester tester(&form.selections(),
                                        QAbstractItemModelTester::FailureReportingMode::Fatal);
        EXPECT_TRUE(messages.texts().isEmpty()) << messages.last().toStdString();
        EXPECT_EQ(codepage::encode(form.TextName->text() + u'|' + form.Textinfo->text()), fields);
        QStringList shown;
        for (int r = 0; r < form.selections().rowCount(); ++r)
            shown.append(form.selections().index(r, 0).data().toString() +
                         form.selections().text(r));
        EXPECT_EQ(shown.join(u'|'), QString::fromLatin1(rows));
        EXPECT_EQ(form.GridSel->currentIndex().row(), *rows ? 0 : -1);

        int opened = 0; // a double-click with no rows opens nothing
        form.runEditSel = [&](FormEditSel &) { ++opened; };
        form.GridSel_DblClick();
        EXPECT_EQ(opened, *rows ? 1 : 0);

        form.CmdOK_Click();
        EXPECT_TRUE(messages.texts().isEmpty()) << messages.last().toStdString();
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(readFile(File), file);
    }
}

TEST_F(FormInfoStringTest, UnusableFilesDisableOkForGood)
{
    const char *const formatError = "InfoString Resource file format error ('Info/i1.txt'). "
                                    "This Program cannot correct this";
    const std::tuple<const char *, std::optional<QByteArray>, const char *> cases[] = {
        {"I", "a\tb\tc\td\te\tName", formatError},
        {"F", "a\tb\t\tInfo", formatError}, // the name reads as "Info", the info is empty
        {"F", "", formatError},
        {"F", std::nullopt,
         "Could not access Resource file ('Info/i1.txt'): 53: File not found. This Program "
         "cannot create new InfoString Resource File because it needs some data from the "
         "original InfoString Resource File"},
    };
    for (const auto &[type, file, message] : cases) {
        useItem(QString::fromLatin1(type), File, file);
        FormInfoString form(state, services);
        EXPECT_EQ(messages.texts(), shows(message));
        EXPECT_FALSE(form.CmdOK->isEnabled());
        EXPECT_EQ(readFile(File), file.value_or("<missing>"));
    }
}

TEST_F(FormInfoStringTest, OkChecksInOrderWithFocusInTheBox)
{
    const QByteArray file = "a\tb\tName\tInfo\t0-X"; // 240 characters with 224 in the "X"
    // name, info, the selection text, the message, whether the name box gets the
    // focus (else the info box, in which the user was before OK)
    const std::tuple<const char *, const char *, int, const char *, bool> cases[] = {
        {"a\tb", "x\ty", 1, "Name field cannot contain TAB characters", true},
        {"", "x\ty", 1, "Info field cannot contain TAB characters", false},
        {"", "", 1, "Name field cannot be empty", true},
        {"n", "", 1, "Info field cannot be empty", false},
        {"Name", "Info", 225,
         "New InfoString is too long ( 241 while max. size is 240 chars. Please, decrese the "
         "length of some fields)",
         false},
    };
    useItem(QStringLiteral("F"), File, file);
    FormInfoString form(state, services);
    activate(form);
    for (const auto &[name, info, length, message, focusOnName] : cases) {
        form.TextName->setText(QString::fromLatin1(name));
        form.Textinfo->setText(QString::fromLatin1(info));
        form.selections().setText(0, QString(length, QLatin1Char('X')));
        form.Textinfo->setFocus();
        form.CmdCancel->setFocus();
        messages.clear();
        form.CmdOK_Click();
        QApplication::processEvents();
        EXPECT_EQ(messages.texts(), shows(message));
        QLineEdit *box = focusOnName ? form.TextName : form.Textinfo;
        EXPECT_EQ(QApplication::focusWidget(), box) << message;
        EXPECT_EQ(box->selectedText(), box->text()) << "all selected: " << message;
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(readFile(File), file);
    }
    form.CmdCancel_Click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readFile(File), file);

    FormInfoString again(state, services);
    again.selections().setText(0, QString(224, QLatin1Char('X')));
    again.CmdOK_Click();
    EXPECT_EQ(readFile(File), file.chopped(1) + QByteArray(224, 'X'));
}

TEST_F(FormInfoStringTest, SelectionDialogEditsTheCurrentRow)
{
    useItem(QStringLiteral("I"), File, "a\tb\tc\td\te\tN\tI\t0-Off;1-On;2-Auto");
    FormInfoString form(state, services);
    form.show();
    QAbstractItemModelTester tester(&form.selections(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    form.GridSel->setCurrentIndex(form.selections().index(1, 0));
    form.runEditSel = [&](FormEditSel &dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Edit Selection String"));
        EXPECT_EQ(dialog.TextSel->selectedText(), QStringLiteral("On"));
        dialog.show();
        for (const char *refused : {"a;b", "a\tb"}) {
            dialog.TextSel->setText(QString::fromLatin1(refused));
            messages.clear();
            dialog.CmdOK->setFocus();
            dialog.CmdOK_Click();
            QApplication::processEvents();
            EXPECT_EQ(messages.texts(),
                      shows("Selection field cannot contain TAB or ';' characters"));
            EXPECT_EQ(dialog.focusWidget(), dialog.TextSel);
            EXPECT_EQ(dialog.TextSel->selectedText(), QString::fromLatin1(refused));
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(form.selections().text(1), QStringLiteral("On"));
        }
        dialog.TextSel->setText(QStringLiteral("a-b"));
        dialog.CmdOK_Click();
        EXPECT_FALSE(dialog.isVisible());
    };
    form.GridSel_DblClick();
    form.runEditSel = [&](FormEditSel &dialog) {
        dialog.TextSel->setText(QStringLiteral("ignored"));
        dialog.CmdCancel_Click();
    };
    form.GridSel_DblClick();
    form.CmdOK_Click();
    EXPECT_EQ(readFile(File), QByteArray("a\tb\tc\td\te\tN\tI\t0-Off;1-a-b;2-Auto"));
}

} // namespace
