#include "mainwin/FormMain.h"
#include "support/EditorWindowFixture.h"

#include <QTimer>

namespace {

using EditDispatchTest = EditorWindowTest;

// The main window's double-click opens the editor of the item's type modally.
TEST_F(EditDispatchTest, DoubleClickOpensTheEditorOfTheType)
{
    const QByteArray file = "a\tb\tc\td\te\tN\tI\t0-A";
    const std::pair<const char *, const char *> cases[] = {
        {"C", "FormConstant|Edit Constant"},
        {"I", "FormInfoString|Edit Info String"},
        {"F", "FormInfoString|Edit Info String"},
    };
    for (const auto &[type, window] : cases) {
        useItem(QString::fromLatin1(type), QStringLiteral("Item\\x.txt"), file);
        FormMain main(state, services);
        state.setCurrentItem(0);
        QString opened;
        QTimer::singleShot(0, [&] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                opened = modal->objectName() + QLatin1Char('|') + modal->windowTitle();
                modal->close();
            }
        });
        main.GridData_DblClick();
        EXPECT_EQ(opened, QString::fromLatin1(window));
        EXPECT_EQ(readFile(QStringLiteral("Item\\x.txt")), file);
    }
}

} // namespace
