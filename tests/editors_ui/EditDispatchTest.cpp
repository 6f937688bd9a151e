#include "EditorWindowFixture.h"
#include "FormMain.h"

#include <QTimer>

namespace {

class EditDispatchTest : public EditorWindowTest
{
};

// The main window's double-click opens the editor of the item's type modally.
TEST_F(EditDispatchTest, DoubleClickOpensTheEditorOfTheType)
{
    const struct
    {
        const char *type, *window, *title;
    } cases[] = {
        {"C", "FormConstant", "Edit Constant"},
        {"I", "FormInfoString", "Edit Info String"},
        {"F", "FormInfoString", "Edit Info String"},
    };
    for (const auto &c : cases) {
        useItem(QString::fromLatin1(c.type), QStringLiteral("Item\\x.txt"));
        writeFile(QStringLiteral("Item\\x.txt"), "a\tb\tc\td\te\tN\tI\t0-A");
        FormMain main(state, services);
        state.setCurrentRow(1);
        QString opened;
        QTimer::singleShot(0, [&] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                opened = modal->objectName() + QLatin1Char('|') + modal->windowTitle();
                modal->close();
            }
        });
        main.GridData_DblClick();
        EXPECT_EQ(opened,
                  QString::fromLatin1(c.window) + QLatin1Char('|') + QString::fromLatin1(c.title));
        EXPECT_EQ(readFile(QStringLiteral("Item\\x.txt")), QByteArray("a\tb\tc\td\te\tN\tI\t0-A"));
    }
}

} // namespace
