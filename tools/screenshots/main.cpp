// fendrel_screenshots PROGRAM_FOLDER OUTPUT_FOLDER [TERMINAL_UDP_PORT]: opens every
// window of the editor on a copy of the template in ~/Projects, as a user's clicks
// would, and saves a screenshot of each for the user guide; with a port, the item
// viewer asks that terminal for two items. scripts/screenshots runs it under Xvfb.

#include "mainwin/FormMain.h"
#include "platform/Settings.h"
#include "platform/automation/Registry.h"
#include "platform/ui/FileDialogs.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Services.h"
#include "project/ItemTable.h"
#include "project/ItemType.h"
#include "project/NewProject.h"
#include "project/ProjectState.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>
#include <QTimer>

#include <deque>
#include <functional>

namespace {

// Copies the template's project file and item folders.
bool copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    const QDir source(from);
    for (const QString &name : source.entryList(QDir::Files)) {
        if (!QFile::copy(source.filePath(name), to + QLatin1Char('/') + name))
            return false;
    }
    for (const QString &name : source.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!copyTree(source.filePath(name), to + QLatin1Char('/') + name))
            return false;
    }
    return true;
}

class Tour
{
public:
    // terminalPort: the UDP port of a simulated terminal on this machine, or
    // empty to leave the link alone.
    Tour(FormMain &window, ProjectState &state, const QString &output, const QString &terminalPort)
        : m_window(window), m_state(state), m_output(output), m_terminalPort(terminalPort)
    {
    }

    void run()
    {
        shoot(&m_window, "main.png");
        open([this] { m_window.MenuNew_Click(); });
        shootModal("new-project.png");
        then([] { click(QStringLiteral("cmdCtrl_0")); });
        shootModal("folder-picker.png");
        closeModal();
        closeModal();
        open([this] { m_window.MenuCompile_Click(); });
        shootModal("compile.png");
        closeModal();
        // The log lists what the link sends once the window is open.
        then([this] {
            m_window.findChild<QAction *>(QStringLiteral("MenuTerminalLog"))->trigger();
        });
        open([this] { m_window.MenuOptions_Click(); });
        if (m_terminalPort.isEmpty()) {
            shootModal("options.png");
            closeModal();
        } else {
            then([this] {
                click(QStringLiteral("OptionEthernet"));
                type(QStringLiteral("TextIP"), QStringLiteral("127.0.0.1"));
                type(QStringLiteral("TextUDP"), m_terminalPort);
            });
            shootModal("options.png");
            then([] { click(QStringLiteral("CmdSetting_0")); });
        }
        open([this] { m_window.MenuView_Click(); });
        if (!m_terminalPort.isEmpty()) {
            for (const char *number : {"3", "7"}) {
                then([number] {
                    type(QStringLiteral("TextNum"), QLatin1String(number));
                    click(QStringLiteral("CmdOK"));
                });
            }
        }
        shootModal("view-items.png");
        closeModal();
        then([this] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (w->objectName() == QLatin1String("FormTerminalLog") && w->isVisible()) {
                    save(w, "terminal-log.png");
                    w->close();
                }
            }
        });
        for (const auto &[type, file] : {std::pair{ItemType::Graphic, "graphic-editor.png"},
                                         {ItemType::Constant, "constant-editor.png"},
                                         {ItemType::InfoStringI, "info-string-editor.png"}}) {
            open([this, itemType = type] {
                m_state.setCurrentItem(firstOfType(itemType));
                m_window.MenuItemEdit_Click();
            });
            shootModal(file);
            closeModal();
        }
        then([this] { m_state.setCurrentItem(firstOfType(ItemType::Graphic)); });
        open([this] { m_window.MenuAbout_Click(); });
        shootModal("about.png");
        closeModal();
        then([] { QCoreApplication::exit(0); });
        next();
    }

    int failures() const { return m_failures; }

private:
    qsizetype firstOfType(ItemType type) const
    {
        for (qsizetype item = 0; item < m_state.items().count(); ++item) {
            if (m_state.items().type(item) == type)
                return item;
        }
        return 0;
    }

    static void click(const QString &name)
    {
        if (QWidget *modal = QApplication::activeModalWidget())
            if (auto *button = modal->findChild<QAbstractButton *>(name))
                button->click();
    }

    static void type(const QString &name, const QString &text)
    {
        if (QWidget *modal = QApplication::activeModalWidget())
            if (auto *edit = modal->findChild<QLineEdit *>(name))
                edit->setText(text);
    }

    // Each step runs once the windows have painted after the one before; a step
    // that opens a modal window runs the rest inside that window's loop.
    void then(std::function<void()> step) { m_steps.push_back(std::move(step)); }
    void open(std::function<void()> opener) { then(std::move(opener)); }
    void shoot(QWidget *w, const char *file)
    {
        then([this, w, file] { save(w, file); });
    }
    void shootModal(const char *file)
    {
        then([this, file] {
            if (QWidget *modal = QApplication::activeModalWidget())
                save(modal, file);
            else {
                QTextStream(stderr) << file << ": no window opened\n";
                ++m_failures;
            }
        });
    }
    void closeModal()
    {
        then([] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                dialog->reject();
        });
    }

    void next()
    {
        if (m_steps.empty())
            return;
        QTimer::singleShot(700, &m_window, [this] {
            std::function<void()> step = std::move(m_steps.front());
            m_steps.pop_front();
            // A modal window's step runs the following ones from its own loop.
            next();
            step();
        });
    }

    // What the X server shows of the window, as a user would capture it.
    void save(QWidget *w, const char *file)
    {
        const QPixmap shot = w->screen()->grabWindow(w->winId());
        const QString path = m_output + QLatin1Char('/') + QLatin1String(file);
        if (shot.isNull() || !shot.save(path)) {
            QTextStream(stderr) << path << ": could not be saved\n";
            ++m_failures;
            return;
        }
        QTextStream(stdout) << path << '\n';
    }

    FormMain &m_window;
    ProjectState &m_state;
    QString m_output;
    QString m_terminalPort;
    std::deque<std::function<void()>> m_steps;
    int m_failures = 0;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fendrel"));
    QApplication::setOrganizationName(QStringLiteral("Fendrel"));
    const QStringList args = QApplication::arguments();
    if (args.size() != 3 && args.size() != 4) {
        QTextStream(stderr)
            << "usage: fendrel_screenshots PROGRAM_FOLDER OUTPUT_FOLDER [TERMINAL_UDP_PORT]\n";
        return 2;
    }
    const QString project = QDir::homePath() + QStringLiteral("/Projects/Plant7");
    if (!copyTree(newproject::templateFolder(args[1]), project)) {
        QTextStream(stderr) << "could not copy the template\n";
        return 1;
    }
    DialogMessages messages;
    SystemFileDialogs dialogs;
    // The sandbox scripts/screenshots makes: the settings and the registry are its own.
    UserSettings settings;
    const automation::ClassRegistry registry = automation::ClassRegistry::user();
    Services services{messages, dialogs, settings, registry};
    ProjectState state;
    FormMain window(state, services);
    window.setProgramFolder(args[1]);
    window.move(0, 0);
    window.show();
    window.openProjectFile(project + QStringLiteral("/Resource.k7r"));
    QDir().mkpath(args[2]);
    Tour tour(window, state, args[2], args.value(3));
    tour.run();
    app.exec();
    return tour.failures() == 0 ? 0 : 1;
}
