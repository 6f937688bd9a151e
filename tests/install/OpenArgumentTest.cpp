// The project file named on the command line (what a file manager passes) opens
// as File > Open would with the same file chosen in its dialog.
#include "mainwin/FormMain.h"

#include "support/ProjectFixture.h"
#include "support/QtPrinting.h"

#include <QAction>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class OpenArgumentTest : public ProjectFixture
{
protected:
    bool enabled(const char *name) const
    {
        const QAction *action = form.findChild<QAction *>(QLatin1String(name));
        return action && action->isEnabled();
    }
    void setMenus(bool on)
    {
        for (const char *name : {"MenuCompile", "MenuItemEdit"})
            form.findChild<QAction *>(QLatin1String(name))->setEnabled(on);
    }

    FormMain form{state, services};
};

TEST_F(OpenArgumentTest, OpensLikeOpenWithoutItsDialog)
{
    const struct
    {
        const char *name;
        QByteArray bytes;
        bool loaded;
        QString message;
    } cases[] = {
        {"invalid line", "Good\tf\th\tT\r\nBad\r\n", false,
         u"Invalid Project File Data at line  1"_s},
        {"valid", kTwoItems, true, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        const QString folder = path(QString::fromLatin1(c.name));
        const QString file = write(QString::fromLatin1(c.name) + u"/Resource.k7r"_s, c.bytes);
        setMenus(!c.loaded);
        form.openProjectFile(file);

        EXPECT_EQ(messages.texts(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
        EXPECT_TRUE(dialogs.requests.empty());
        EXPECT_EQ(settings.read(u"FileProject"_s), file);
        EXPECT_EQ(state.folderPath(), folder + u"/"_s);
        EXPECT_EQ(QDir::currentPath(), folder);
        EXPECT_EQ(state.projectFile(), c.loaded ? file : QString());
        EXPECT_EQ(enabled("MenuCompile"), c.loaded);
        EXPECT_EQ(enabled("MenuItemEdit"), c.loaded);
    }
}

TEST_F(OpenArgumentTest, AMissingFileIsReportedAndLoadsNothing)
{
    form.openProjectFile(path(u"absent/Resource.k7r"_s));
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().contains(u"not found"_s, Qt::CaseInsensitive))
        << messages.texts().first().toStdString();
    EXPECT_TRUE(state.projectFile().isEmpty());
    EXPECT_FALSE(enabled("MenuCompile"));
}

} // namespace
