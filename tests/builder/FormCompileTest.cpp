#include "builder/ui/FormCompile.h"
#include "builder/K7xLayout.h"
#include "mainwin/FormMain.h"
#include "platform/ui/Services.h"
#include "project/ProjectState.h"
#include "project/ui/ProjectLoader.h"
#include "support/ServiceDoubles.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "support/QtPrinting.h"

#include "BuilderFiles.h"

#include <gtest/gtest.h>

namespace {

using namespace builderfiles;

// Records the status line each time it is painted.
class StatusWatcher : public QObject
{
public:
    std::vector<QString> seen;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            const QString text = static_cast<QLabel *>(watched)->text();
            if (seen.empty() || seen.back() != text)
                seen.push_back(text);
        }
        return false;
    }
};

// A project of three items loaded by the real loader, an original and the
// services' doubles.
class FormCompileTest : public ScratchTest, protected ServiceDoubles
{
protected:
    void SetUp() override
    {
        ScratchTest::SetUp();
        put(path(QStringLiteral("Project/Graphic/logo.bin")), QByteArray("\x02\x01\xff\x81", 4));
        put(path(QStringLiteral("Project/Const/port.con")), "3");
        put(path(QStringLiteral("Project/Other/blob.bin")), QByteArray(1000, '\x5a'));
        put(path(QStringLiteral("Project/Resource.k7r")),
            "Logo\tGraphic\\logo.bin\tStart-up logo\tG\t8,8,1,1\r\n"
            "Port\tConst\\port.con\tSerial port\tC\t1,4\r\n"
            "Blob\tOther\\blob.bin\tCarried along\tT\r\n");
        put(path(QStringLiteral("fw.bin")), QByteArray(k7x::ImageSize + 5, '\x11'));
        ASSERT_EQ(projectloader::LoadProject(state, services, QStringLiteral("Resource.k7r"),
                                             path(QStringLiteral("Project"))),
                  0);
        state.setCurrentItem(1);
    }

    ProjectState state;
    QWidget itemTable;
};

TEST_F(FormCompileTest, CompilesAndRestoresTheCurrentItem)
{
    settings.write(QStringLiteral("FileOriginal"), path(QStringLiteral("fw.bin")));
    settings.write(QStringLiteral("FileOutput"),
                   QStringLiteral("  ") + path(QStringLiteral("out.k7x")) + QStringLiteral(" "));
    FormCompile form(state, services, &itemTable);
    EXPECT_EQ(form.TextOriginal->text(), path(QStringLiteral("fw.bin")));
    EXPECT_EQ(form.LabelStatus->text(), QString());
    form.show();
    itemTable.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    StatusWatcher watcher;
    form.LabelStatus->installEventFilter(&watcher);

    form.CmdCompile_Click();
    EXPECT_TRUE(messages.shown.empty()) << messages.last().toStdString();
    EXPECT_EQ(form.TextOutput->text(), path(QStringLiteral("out.k7x")));
    EXPECT_EQ(settings.read(QStringLiteral("FileOutput")), path(QStringLiteral("out.k7x")));
    EXPECT_EQ(watcher.seen, (std::vector<QString>{QStringLiteral("Processing Resource Items..."),
                                                  QStringLiteral("Constructing Resource file..."),
                                                  QStringLiteral("Calculating Checksum..."),
                                                  QStringLiteral("Completed")}));
    EXPECT_EQ(state.currentItem(), 1);
    EXPECT_TRUE(state.folderPath().endsWith(QLatin1Char('/')));
    EXPECT_TRUE(itemTable.isVisible());
    EXPECT_TRUE(form.CmdCompile->isEnabled() && form.CmdClose->isEnabled() &&
                form.Frame1->isEnabled());
    EXPECT_EQ(QFileInfo(path(QStringLiteral("out.k7x"))).size(),
              k7x::ImageSize + 26 + 8LL * 3 + 4 + 1 + 1000);
}

TEST_F(FormCompileTest, FailuresShowTheirMessageWhileTheWindowWaits)
{
    const struct
    {
        const char *name;
        QString original;
        std::function<void()> arrange;
        QString message;
        int itemDuringMessage;
        bool tableShownDuringMessage;
    } cases[] = {
        {"missing item", QStringLiteral("fw.bin"),
         [this] { QFile::remove(path(QStringLiteral("Project/Const/port.con"))); },
         QStringLiteral("Resource Item file error ('...Const/port.con) OR Temporary File error "
                        "(data.tmp):  53: File not found"),
         1, false},
        {"short original", QStringLiteral("short.bin"),
         [this] { put(path(QStringLiteral("short.bin")), QByteArray(k7x::ImageSize - 1, 's')); },
         QStringLiteral("Invalid Original File ('%1/short.bin')"), 0, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.arrange();
        state.setCurrentItem(0);
        put(path(QStringLiteral("out.k7x")), "previous");
        FormCompile form(state, services, &itemTable);
        itemTable.show();
        form.TextOriginal->setText(path(c.original));
        form.TextOutput->setText(path(QStringLiteral("out.k7x")));
        qsizetype row = -2;
        bool shown = false;
        bool disabled = false;
        messages.clear();
        messages.onShow = [&](const Messages::Message &) {
            row = state.currentItem();
            shown = itemTable.isVisible();
            disabled = !form.CmdCompile->isEnabled() && !form.CmdClose->isEnabled() &&
                       !form.Frame1->isEnabled();
        };
        form.CmdCompile_Click();
        EXPECT_EQ(messages.texts(),
                  QStringList{QString(c.message).replace(
                      QStringLiteral("%1"), QDir::toNativeSeparators(scratch.path()))});
        EXPECT_EQ(row, c.itemDuringMessage);
        EXPECT_EQ(shown, c.tableShownDuringMessage);
        EXPECT_TRUE(disabled);
        EXPECT_EQ(form.LabelStatus->text(), QStringLiteral("Error"));
        EXPECT_EQ(state.currentItem(), c.itemDuringMessage);
        EXPECT_TRUE(itemTable.isVisible());
        EXPECT_TRUE(form.CmdCompile->isEnabled());
        EXPECT_EQ(contentsOf(path(QStringLiteral("out.k7x"))), QByteArray("previous"));
        messages.onShow = nullptr;
    }
}

// Compared where they lead after trimming, and the trimmed names are kept even
// though refused.
TEST_F(FormCompileTest, SameFileIsRefusedBeforeAnythingChanges)
{
    FormCompile form(state, services, &itemTable);
    form.TextOriginal->setText(QStringLiteral(" a.k7x"));
    form.TextOutput->setText(QStringLiteral("./a.k7x  "));
    form.CmdCompile_Click();
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral("Original and Output files must be different")});
    EXPECT_EQ(form.LabelStatus->text(), QString());
    EXPECT_EQ(settings.read(QStringLiteral("FileOriginal")), QStringLiteral("a.k7x"));
    EXPECT_EQ(settings.read(QStringLiteral("FileOutput")), QStringLiteral("./a.k7x"));
    EXPECT_EQ(form.TextOriginal->text(), QStringLiteral("a.k7x"));
    EXPECT_EQ(form.TextOutput->selectedText(), QStringLiteral("./a.k7x"));
    EXPECT_EQ(state.currentItem(), 1);
}

// The dialog's retries and messages are choosefile's, tested with the platform.
TEST_F(FormCompileTest, BrowseAsksWithTheBoxText)
{
    FormCompile form(state, services, &itemTable);
    form.TextOriginal->setText(QStringLiteral("old.k7x"));
    dialogs.answer(QStringLiteral("/fw/new.k7x"));
    form.CmdOriginal_Click();
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].initialName, QStringLiteral("old.k7x"));
    EXPECT_EQ(form.TextOriginal->text(), QStringLiteral("/fw/new.k7x"));

    form.TextOutput->setText(QStringLiteral("kept.k7x"));
    dialogs.cancel();
    form.CmdOutput_Click();
    EXPECT_EQ(dialogs.requests[1].initialName, QStringLiteral("kept.k7x"));
    EXPECT_EQ(form.TextOutput->text(), QStringLiteral("kept.k7x"));
}

TEST_F(FormCompileTest, MainWindowCompileCommandOpensTheWindowModally)
{
    FormMain main(state, services);
    main.show();
    QString opened;
    bool modal = false;
    bool hidesTheGrid = false;
    QTimer::singleShot(0, QCoreApplication::instance(), [&] {
        auto *form = qobject_cast<FormCompile *>(QApplication::activeModalWidget());
        if (!form)
            return;
        opened = form->windowTitle();
        modal = form->isModal();
        // A missing original: the grid is hidden while the items are processed.
        form->TextOriginal->setText(path(QStringLiteral("none.bin")));
        form->TextOutput->setText(path(QStringLiteral("out.k7x")));
        messages.onShow = [&](const Messages::Message &) {
            hidesTheGrid = !main.findChild<QTableView *>(QStringLiteral("GridData"))->isVisible();
        };
        form->CmdCompile_Click();
        form->CmdClose_Click();
    });
    main.CmdCompile_Click();
    EXPECT_EQ(opened, QStringLiteral("Compile"));
    EXPECT_TRUE(modal);
    EXPECT_EQ(messages.texts().size(), 1);
    EXPECT_FALSE(hidesTheGrid); // the table is back once the items are done
    EXPECT_TRUE(main.findChild<QTableView *>(QStringLiteral("GridData"))->isVisible());
}

} // namespace
