#include "editors/ui/EditorForm.h"
#include "editors/ui/FormConstant.h"
#include "editors/ui/FormEditSel.h"
#include "editors/ui/FormInfoString.h"
#include "editors/ui/SelectionListModel.h"
#include "support/EditorWindowFixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

const QString ConstantFile = QStringLiteral("Const\\c1.txt");
const QString InfoFile = QStringLiteral("Info\\i1.txt");

using EnterAndCodePageTest = EditorWindowTest;

// Enter on the default button and a click on it write the same bytes: the box
// is tidied as it is when the focus leaves it, before the range check.
TEST_F(EnterAndCodePageTest, EnterInEditConstantWritesWhatAClickWrites)
{
    const struct
    {
        const char *typed;
        const char *limits;
        QByteArray written; // "<missing>": refused
    } cases[] = {
        {"1e3", "", "1000"},   {"12abc", "", "12"},          {"", "", "0"},
        {"2e1", "0,20", "20"}, {"21x", "0,20", "<missing>"}, {"9.99", "10,20", "<missing>"},
    };
    for (const auto &c : cases) {
        for (const bool enter : {true, false}) {
            SCOPED_TRACE(std::string(c.typed) + (enter ? " Enter" : " click"));
            useItem(QStringLiteral("C"), ConstantFile, std::nullopt, QLatin1String(c.limits));
            FormConstant form(state, services);
            activate(form);
            form.TextValue->setFocus(Qt::TabFocusReason);
            form.TextValue->setText(QLatin1String(c.typed));
            messages.clear();
            if (enter)
                QTest::keyClick(form.TextValue, Qt::Key_Return);
            else
                QTest::mouseClick(form.CmdOK, Qt::LeftButton);
            EXPECT_EQ(readFile(ConstantFile), c.written);
            EXPECT_EQ(messages.texts(), c.written == "<missing>"
                                            ? QStringList{QStringLiteral("Value is out of range")}
                                            : QStringList());
            form.CmdCancel_Click();
        }
    }
}

TEST_F(EnterAndCodePageTest, EnterInTheSelectionDialogAndWithOkDisabled)
{
    useItem(QStringLiteral("I"), InfoFile, QByteArray("a\tb\tc\td\te\tN\tI\t0-A;1-B"));
    FormInfoString form(state, services);
    FormEditSel edit(form.selections(), 1, services, &form);
    activate(edit);
    edit.TextSel->setText(QStringLiteral("On"));
    QTest::keyClick(edit.TextSel, Qt::Key_Return);
    EXPECT_EQ(edit.result(), QDialog::Accepted);
    EXPECT_EQ(form.selections().text(1), QStringLiteral("On"));

    // A disabled OK is not pressed by Enter either.
    useItem(QStringLiteral("I"), InfoFile, QByteArray("a\tb\tc\td\te\tN"));
    FormInfoString broken(state, services);
    activate(broken);
    ASSERT_FALSE(broken.CmdOK->isEnabled());
    broken.TextName->setFocus();
    QTest::keyClick(broken.TextName, Qt::Key_Return);
    EXPECT_TRUE(broken.isVisible());
    EXPECT_TRUE(broken.TextName->hasFocus());
}

// Text outside Windows-1252 is refused by name; the window stays open and
// nothing is written.
TEST_F(EnterAndCodePageTest, CharactersOutsideTheCodePageAreRefused)
{
    const QByteArray file("a\tb\tc\td\te\tName\tInfo\t0-Off;1-On");
    const auto refusal = [](const char *field, const char *ch, const char *code) {
        return QString::fromUtf8(field) + QStringLiteral(" cannot contain the character \"") +
               QString::fromUtf8(ch) + QStringLiteral("\" (U+") + QLatin1String(code) +
               QStringLiteral("): only Windows-1252 characters can be saved");
    };
    const struct
    {
        const char *name, *info, *selection;
        QString message; // empty: saved
        const char *focus;
    } cases[] = {
        {"\xc5\x81\xc3\xb3"
         "d\xc5\xba",
         "Info", "Off", refusal("Name field", "\xc5\x81", "0141"), "TextName"},
        {"Name", "x\xc4\x81", "Off", refusal("Info field", "\xc4\x81", "0101"), "Textinfo"},
        {"\xc5\x81", "\xc4\x81", "Off", refusal("Name field", "\xc5\x81", "0141"), "TextName"},
        {"Name", "Info", "\xe2\x86\x92", refusal("Selection field", "\xe2\x86\x92", "2192"),
         "GridSel"},
        {"\xe2\x82\xac\xc5\xa0", "\xc5\xb8", "\xe2\x80\x94", QString(), nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        useItem(QStringLiteral("I"), InfoFile, file);
        FormInfoString form(state, services);
        activate(form);
        form.TextName->setText(QString::fromUtf8(c.name));
        form.Textinfo->setText(QString::fromUtf8(c.info));
        form.selections().setText(1, QString::fromUtf8(c.selection));
        form.CmdOK->setFocus();
        form.CmdOK_Click();
        QApplication::processEvents();
        if (c.message.isEmpty()) {
            EXPECT_TRUE(messages.texts().isEmpty()) << messages.last().toStdString();
            EXPECT_EQ(readFile(InfoFile),
                      QByteArray("a\tb\tc\td\te\t\x80\x8a\t\x9f\t0-Off;1-\x97"));
            continue;
        }
        EXPECT_EQ(messages.texts(), QStringList{c.message});
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(readFile(InfoFile), file);
        // The box at fault has the focus, its whole text selected; for the grid,
        // the row at fault is current.
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(c.focus));
        if (auto *box = qobject_cast<QLineEdit *>(QApplication::focusWidget()))
            EXPECT_EQ(box->selectedText(), box->text());
        else
            EXPECT_EQ(form.GridSel->currentIndex().row(), 1);
    }

    // The selection dialog refuses it at once and keeps its text.
    useItem(QStringLiteral("I"), InfoFile, file);
    FormInfoString form(state, services);
    FormEditSel edit(form.selections(), 0, services, &form);
    activate(edit);
    edit.TextSel->setText(QString::fromUtf8("\xc5\x81"));
    edit.CmdOK->setFocus();
    edit.CmdOK_Click();
    QApplication::processEvents();
    EXPECT_EQ(messages.texts(), QStringList{refusal("Selection field", "\xc5\x81", "0141")});
    EXPECT_EQ(edit.result(), QDialog::Rejected);
    EXPECT_EQ(form.selections().text(0), QStringLiteral("Off"));
    EXPECT_EQ(QApplication::focusWidget(), edit.TextSel);
    EXPECT_EQ(edit.TextSel->selectedText(), QString::fromUtf8("\xc5\x81"));
    edit.hide();

    // So does Edit Constant for text that never left the box.
    useItem(QStringLiteral("C"), ConstantFile, QByteArray("5"));
    FormConstant constant(state, services);
    constant.TextValue->setText(QString::fromUtf8("5\xc5\x81"));
    constant.CmdOK_Click();
    EXPECT_EQ(messages.texts(), QStringList{refusal("Constant value", "\xc5\x81", "0141")});
    EXPECT_EQ(readFile(ConstantFile), QByteArray("5"));
}

TEST(EditorFormBeside, PlacesTheDialogWhereTheOwnerStaysInView)
{
    const QRect screen(0, 0, 1280, 1024);
    const struct
    {
        QRect owner;
        QSize size;
        QPoint at;
    } cases[] = {
        {{100, 100, 600, 400}, {300, 200}, {708, 100}}, // right of it
        {{100, 100, 872, 400}, {300, 200}, {980, 100}}, // ends at the screen's edge
        {{100, 100, 873, 400}, {300, 200}, {980, 824}}, // one more: no room either side
        {{400, 100, 873, 400}, {300, 200}, {92, 100}},  // left of it
        {{308, 100, 873, 400}, {300, 200}, {0, 100}},   // starts at the screen's edge
        {{0, 0, 1200, 1000}, {300, 200}, {980, 824}},   // neither: bottom right corner
        {{100, 900, 600, 100}, {300, 200}, {708, 824}}, // held within the screen
        {{100, -50, 600, 100}, {300, 200}, {708, 0}},
        {{0, 0, 100, 100}, {2000, 2000}, {0, 0}}, // larger than the screen
    };
    for (const auto &c : cases)
        EXPECT_EQ(editorform::beside(c.owner, c.size, screen), c.at)
            << c.owner.x() << "," << c.owner.width();
}

} // namespace
