#include "UiFixture.h"
#include "link/ui/TerminalCommands.h"
#include "project/ProjectState.h"
#include "support/ScriptedTransport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class PreviewCommandTest : public UiTest
{
protected:
    void addItem(const char *type, const char *fileName, int size)
    {
        state.items().append({QString::fromLatin1(type),
                              QStringLiteral("item"),
                              QString::fromLatin1(fileName),
                              {},
                              {}});
        if (size < 0)
            return;
        QFile file(dir.filePath(
            QString::fromLatin1(fileName).replace(QLatin1Char('\\'), QLatin1Char('/'))));
        QDir().mkpath(QFileInfo(file).path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(size, '\x11'));
    }

    QTemporaryDir dir;
    ProjectState state;
    ScriptedTransport transport;
};

TEST_F(PreviewCommandTest, RefusalsSendNothing)
{
    state.setFolderPath(dir.path());
    addItem("G", "Graphics\\ok.bin", 250);
    addItem("C", "Constants\\c.txt", -1); // no file: refused on its type first
    addItem("I", "info.txt", 5);
    addItem("G", "Graphics\\missing.bin", -1);
    addItem("G", "big.bin", 1028);
    const struct
    {
        int row;
        const char *message; // prefix; nullptr: no message
    } cases[] = {
        {-1, nullptr},
        {1, "Non-graphic Resource Item cannot be displayed on the Terminal screen"},
        {2, "Non-graphic Resource Item cannot be displayed on the Terminal screen"},
        {3, "Could not access Resource file ('Graphics"},
        {4, "Resource is too big"},
    };
    for (const auto &c : cases) {
        messages.clear();
        state.setCurrentItem(c.row);
        EXPECT_EQ(terminalcommands::previewOnTerminal(state, services, transport), -1) << c.row;
        EXPECT_TRUE(transport.requests.empty()) << c.row;
        if (!c.message) {
            EXPECT_TRUE(messages.shown.empty());
        } else {
            ASSERT_EQ(messages.shown.size(), 1u) << c.row;
            EXPECT_TRUE(messages.last().startsWith(QString::fromLatin1(c.message)))
                << messages.last().toStdString();
        }
    }
}

} // namespace
