// What the main window keeps between runs (its place, the recent projects)
// and the least size it lets itself be squeezed to.
#include "MainWindowFixture.h"

#include "mainwin/RecentProjects.h"
#include "platform/Settings.h"
#include "platform/ui/WindowPlace.h"
#include "support/QtPrinting.h"

#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QStandardPaths>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kFourItems = "A\ta.bin\tfirst\tT\r\nB\tb.bin\tsecond\tT\r\n"
                              "C\tc.bin\tthird\tT\r\nD\td.bin\tfourth\tT\r\n";

class MainWindowMemory : public MainWindowFixture
{
protected:
    QStringList recentEntries() const
    {
        QStringList texts;
        for (const QAction *a : form->findChild<QMenu *>(u"MenuRecent"_s)->actions())
            texts << a->text();
        return texts;
    }
};

TEST(RecentProjects, KeepsTheLastEightNewestFirst)
{
    MemorySettings settings;
    const struct
    {
        bool add; // else remove
        const char *file;
        const char *listed; // after the step
    } steps[] = {
        {true, "a", "a"},
        {true, "b", "b a"},
        {true, "a", "a b"}, // opened again: to the top, once
        {false, "x", "a b"},
        {false, "a", "b"},
        {true, "c", "c b"},
        {true, "d", "d c b"},
        {true, "e", "e d c b"},
        {true, "f", "f e d c b"},
        {true, "g", "g f e d c b"},
        {true, "h", "h g f e d c b"},
        {true, "i", "i h g f e d c b"}, // eight
        {true, "j", "j i h g f e d c"}, // the ninth pushes the oldest off
        {true, "e", "e j i h g f d c"}, // again from the middle: nothing else drops off
        {false, "c", "e j i h g f d"},
    };
    for (const auto &s : steps) {
        if (s.add)
            recentprojects::add(settings, QLatin1String(s.file));
        else
            recentprojects::remove(settings, QLatin1String(s.file));
        EXPECT_EQ(recentprojects::read(settings).join(u' '), QLatin1String(s.listed))
            << (s.add ? "add " : "remove ") << s.file;
    }
    EXPECT_EQ(settings.values.value(u"RecentProject1"_s), u"e"_s);
    EXPECT_EQ(settings.values.value(u"RecentProject7"_s), u"d"_s);
    EXPECT_EQ(settings.values.value(u"RecentProject8"_s), u""_s) << "no stale entry is left";

    // a settings file edited by hand: gaps and repeats read as one list
    MemorySettings edited;
    edited.values = {{u"RecentProject2"_s, u"p"_s},
                     {u"RecentProject5"_s, u"q"_s},
                     {u"RecentProject8"_s, u"p"_s},
                     {u"RecentProject9"_s, u"r"_s}};
    EXPECT_EQ(recentprojects::read(edited), (QStringList{u"p"_s, u"q"_s}));
}

// The place and the list are read back by a new window from the settings file
// itself, as at the next start.
TEST_F(MainWindowMemory, PlaceAndRecentProjectsSurviveARestart)
{
    const QString file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         u"/Fendrel/Fendrel.conf"_s;
    QFile::remove(file);
    const QString first = write(u"one/Resource.k7r"_s, kFourItems);
    const QString second = write(u"two&three/Resource.k7r"_s, kFourItems);
    {
        UserSettings userSettings;
        Services onDisk{messages, dialogs, userSettings, registry};
        ProjectState run;
        FormMain window(run, onDisk);
        window.openProjectFile(first);
        window.openProjectFile(second);
        window.showRemembered();
        window.setGeometry(40, 50, 600, 400);
        window.close();
    }
    QFile stored(file);
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly)) << file;
    const QString text = QString::fromUtf8(stored.readAll());
    EXPECT_TRUE(text.contains(u"MainWindowPlace=\"40,50,600,400\""_s)) << text;
    EXPECT_TRUE(text.contains(u"MainWindowMaximized=0"_s)) << text;
    EXPECT_TRUE(text.contains(u"RecentProject1="_s + second)) << text;
    EXPECT_TRUE(text.contains(u"RecentProject2="_s + first)) << text;

    UserSettings userSettings;
    Services onDisk{messages, dialogs, userSettings, registry};
    ProjectState run;
    FormMain window(run, onDisk);
    window.showRemembered();
    EXPECT_EQ(window.geometry(), QRect(40, 50, 600, 400));
    QStringList entries;
    for (const QAction *a : window.findChild<QMenu *>(u"MenuRecent"_s)->actions())
        entries << a->text();
    EXPECT_EQ(entries, (QStringList{u"&1 "_s + path(u"two&&three/Resource.k7r"_s),
                                    u"&2 "_s + path(u"one/Resource.k7r"_s)}));
    EXPECT_TRUE(window.findChild<QMenu *>(u"MenuRecent"_s)->isEnabled());
    QFile::remove(file);
}

// The offscreen screen is 800 x 800: a kept place restores only where it fits
// (the window keeps its first size, 700 x 480, otherwise). The platform may
// still move a window to keep its frame in view, so only the size is compared.
TEST_F(MainWindowMemory, KeptPlaceRestoresOnlyWhereItFits)
{
    const struct
    {
        const char *place;
        QSize size;
    } cases[] = {
        // clang-format off
        {"0,0,800,600", {800, 600}},
        {"10,20,400,300", {400, 300}},
        {"401,0,400,300", {700, 480}}, // one pixel off the right
        {"-1,0,400,300", {700, 480}},
        {"0,501,400,300", {700, 480}}, // one pixel off the bottom
        {"1200,900,400,300", {700, 480}}, // a screen since removed
        {"10,20,0,300", {700, 480}}, // no size
        // clang-format on
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.place);
        MemorySettings kept;
        kept.values = {{u"MainWindowPlace"_s, QLatin1String(c.place)}};
        Services withKept{messages, dialogs, kept, registry};
        ProjectState run;
        FormMain window(run, withKept);
        window.showRemembered();
        EXPECT_EQ(window.size(), c.size);
        EXPECT_FALSE(window.isMaximized());
    }
    MemorySettings maximized;
    maximized.values = {{u"MainWindowPlace"_s, u"10,20,300,200"_s},
                        {u"MainWindowMaximized"_s, u"1"_s}};
    Services withMaximized{messages, dialogs, maximized, registry};
    ProjectState run;
    FormMain window(run, withMaximized);
    window.showRemembered();
    EXPECT_TRUE(window.isMaximized());
    window.close();
    EXPECT_EQ(maximized.values.value(u"MainWindowMaximized"_s), u"1"_s);
}

TEST_F(MainWindowMemory, AMissingRecentProjectIsTakenOffWithANote)
{
    const QString kept = write(u"kept/Resource.k7r"_s, kFourItems);
    const QString gone = path(u"gone/Resource.k7r"_s);
    settings.values = {{u"RecentProject1"_s, gone}, {u"RecentProject2"_s, kept}};
    form = std::make_unique<FormMain>(state, services);

    form->MenuRecent_Click(gone);
    EXPECT_EQ(messages.texts(),
              QStringList{u"The project file '"_s + gone +
                          u"' no longer exists; it has been taken off Recent Projects."_s});
    EXPECT_EQ(settings.values.value(u"RecentProject1"_s), kept);
    EXPECT_EQ(settings.values.value(u"RecentProject2"_s), u""_s);
    EXPECT_EQ(recentEntries(), QStringList{u"&1 "_s + kept});

    messages.clear();
    form->findChild<QMenu *>(u"MenuRecent"_s)->actions().at(0)->trigger();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(form->windowTitle(), kept);
    EXPECT_EQ(state.items().count(), 4);
}

// Squeezed as far as it goes, nothing overlaps, every button shows and the
// grid keeps its header and three rows in view.
TEST_F(MainWindowMemory, TheLeastSizeKeepsEverythingReadable)
{
    open(kFourItems);
    form->show();
    form->resize(10, 10);
    EXPECT_EQ(form->size(), form->minimumSize());
    EXPECT_EQ(form->frameGeometry().width(), 157) << "the last button's right edge and a margin";

    QList<QWidget *> parts{grid, help, form->findChild<QWidget *>(u"Toolbar1"_s)};
    for (int a = 0; a < parts.size(); ++a)
        for (int b = a + 1; b < parts.size(); ++b)
            EXPECT_FALSE(parts[a]->geometry().intersects(parts[b]->geometry()))
                << parts[a]->objectName() << " " << parts[b]->objectName();
    for (const char *name : {"CmdOpen", "CmdEdit", "CmdCompile", "Command1"}) {
        const auto *button = form->findChild<QToolButton *>(QLatin1String(name));
        EXPECT_LE(button->mapTo(form.get(), QPoint(button->width(), 0)).x(), form->width()) << name;
    }
    const int rows = grid->viewport()->height() / grid->verticalHeader()->defaultSectionSize();
    EXPECT_GE(rows, 3);
    EXPECT_LE(rows, 4) << "no more room than three rows need";
    EXPECT_GT(help->height(), 0);
    EXPECT_LE(help->geometry().bottom(), form->centralWidget()->height());
}

} // namespace
