#include "GraphicFixture.h"
#include "editors/ui/FormGraphic.h"
#include "mainwin/FormMain.h"
#include "platform/automation/Registry.h"

#include <QTableView>
#include <QTimer>

namespace {

class ControlMissingTest : public GraphicWindowTest
{
protected:
    // No SetUp requirement: these run without the control library.
    void SetUp() override {}
};

TEST_F(ControlMissingTest, WindowExplainsAndOpensNothing)
{
    const QUuid clsid(QStringLiteral("{E1E72B77-BEC3-11D3-8485-0080C890AEF9}"));
    const QString gone = folder.filePath(QStringLiteral("gone/libvog.so"));
    const QString notLibrary = folder.filePath(QStringLiteral("libvog.so"));
    {
        QFile bogus(notLibrary);
        ASSERT_TRUE(bogus.open(QIODevice::WriteOnly));
        bogus.write("not a library");
    }
    const struct
    {
        const char *name;
        QString server; // empty: not registered at all
        QString problem;
    } cases[] = {
        {"not registered", {}, QStringLiteral("it is not registered.")},
        {"library gone", gone,
         QStringLiteral("its registered library ") + QDir::toNativeSeparators(gone) +
             QStringLiteral(" is missing.")},
        {"no library", notLibrary, QStringLiteral("cannot be loaded or is no control library.")},
    };
    useGraphic();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TemporaryRegistry caseRegistry;
        if (!c.server.isEmpty()) {
            automation::ClassRegistration entry;
            entry.clsid = clsid;
            entry.serverPath = c.server;
            entry.progId = QStringLiteral("Vog.VogCtrl.1");
            ASSERT_TRUE(automation::succeeded(caseRegistry.registerClass(entry)));
        }
        Services caseServices{messages, dialogs, settings, caseRegistry};
        messages.clear();
        FormGraphic form(state, caseServices);
        EXPECT_FALSE(form.controlCreated());
        ASSERT_EQ(messages.shown.size(), 1u);
        const QString text = messages.last();
        EXPECT_TRUE(text.startsWith(
            QStringLiteral("The graphic editor control (Vog.VogCtrl.1) could not be created: ")))
            << text.toStdString();
        EXPECT_TRUE(text.contains(c.problem)) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("vogreg <path to libvog.so>")));
        form.CmdOK_Click();
        EXPECT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(readGraphic(), QByteArray("<missing>")) << "nothing is written";
    }
}

TEST_F(ControlMissingTest, MainWindowDoesNotOpenTheEditor)
{
    // the fixture's registry is empty
    useGraphic();
    state.setCurrentItem(0);
    FormMain main(state, services);
    bool windowSeen = false;
    QTimer::singleShot(0, [&windowSeen] {
        // A modal window here would mean the editor opened; close it so the test ends.
        if (QWidget *modal = QApplication::activeModalWidget()) {
            windowSeen = true;
            modal->close();
        }
    });
    main.GridData_DblClick();
    QApplication::processEvents();
    EXPECT_FALSE(windowSeen);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.last().contains(QStringLiteral("it is not registered.")));
    EXPECT_EQ(readGraphic(), QByteArray("<missing>"));
}

} // namespace
