#include "mainwin/FormMain.h"

#include "link/ui/TerminalCommands.h"
#include "link/ui/TerminalSession.h"
#include "mainwin/MainLayout.h"
#include "mainwin/MainPlace.h"
#include "mainwin/PreviewPane.h"
#include "mainwin/RecentProjects.h"
#include "mainwin/Twips.h"
#include "mainwin/UserGuide.h"
#include "platform/ui/Services.h"
#include "platform/ui/Shell.h"
#include "platform/ui/WindowPlace.h"
#include "project/ItemTable.h"
#include "project/ItemTableModel.h"
#include "project/ProjectState.h"
#include "project/TextFields.h"
#include "project/ui/ProjectLoader.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFont>
#include <QHeaderView>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QStyle>
#include <QTableView>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <utility>

namespace {

QFont arial9()
{
    QFont font(QStringLiteral("Arial"), 9);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// Hands every double-click on a widget to one handler, so that the grid's
// empty area and its header edit the current row as a row does.
class DoubleClicks final : public QObject
{
public:
    DoubleClicks(QObject *parent, std::function<void()> handler)
        : QObject(parent), m_handler(std::move(handler))
    {
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::MouseButtonDblClick)
            return false;
        m_handler();
        return true;
    }

private:
    std::function<void()> m_handler;
};

} // namespace

FormMain::FormMain(ProjectState &state, Services &services, QWidget *parent)
    : QMainWindow(parent), m_state(state), m_services(services),
      m_terminal(std::make_unique<TerminalSession>(services.settings)), m_shellOpen(&shell::open),
      m_programFolder(QCoreApplication::applicationDirPath())
{
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(defaultCaption());
    setCentralWidget(new QWidget(this));
    buildMenus();
    setProgramFolder(m_programFolder);
    buildToolbar();
    buildGrid();

    LabelResHelp = new QLabel(centralWidget());
    LabelResHelp->setObjectName(QStringLiteral("LabelResHelp"));
    LabelResHelp->setFont(arial9());
    LabelResHelp->setWordWrap(true);
    LabelResHelp->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelResHelp->setGeometry(toPixels(60), toPixels(3480), toPixels(5475), toPixels(915));

    FramePreview = new PreviewPane(centralWidget());
    FramePreview->setFont(arial9());
    FramePreview->hide();

    connect(&m_state, &ProjectState::currentItemChanged, this, [this](qsizetype item) {
        if (item != ProjectState::NoItem && GridData->currentIndex().row() != item) {
            const int column = std::max(0, GridData->currentIndex().column());
            GridData->setCurrentIndex(m_state.model()->index(static_cast<int>(item), column));
        }
        showCurrentHelp(item);
        refreshPreview();
    });
    connect(&m_state, &ProjectState::projectFileChanged, this, [this](const QString &path) {
        setWindowTitle(path);
        recentprojects::add(m_services.settings, path);
        fillRecentMenu();
    });
    connect(&m_state, &ProjectState::loadStarted, this, [this] { GridData->hide(); });
    connect(&m_state, &ProjectState::loadFinished, this, [this] {
        GridData->show();
        projectLoaded();
    });

    resize(toPixels(10500), toPixels(7200));
}

FormMain::~FormMain() = default;

void FormMain::setProgramFolder(const QString &folder)
{
    m_programFolder = folder;
    m_guide = userguide::find(folder);
    MenuTutorial->setEnabled(!m_guide.isEmpty());
}

int FormMain::toPixels(int value) const
{
    return twips::toPixels(value, logicalDpiX());
}

void FormMain::buildMenus()
{
    const auto entry = [this](QMenu *menu, const char *name, const char *caption,
                              void (FormMain::*handler)(), const QList<QKeySequence> &keys = {}) {
        QAction *action = menu->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    const auto menu = [this](const char *name, const char *caption) {
        QMenu *m = menuBar()->addMenu(QString::fromLatin1(caption));
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };

    MenuFile = menu("MenuFile", "&File");
    MenuNew = entry(MenuFile, "MenuNew", "&New...", &FormMain::MenuNew_Click, {QKeySequence::New});
    MenuOpen =
        entry(MenuFile, "MenuOpen", "&Open...", &FormMain::MenuOpen_Click, {QKeySequence::Open});
    MenuRecent = MenuFile->addMenu(QStringLiteral("&Recent Projects"));
    MenuRecent->setObjectName(QStringLiteral("MenuRecent"));
    fillRecentMenu();
    MenuFile->addSeparator();
    MenuCompile = entry(MenuFile, "MenuCompile", "&Compile...", &FormMain::MenuCompile_Click,
                        {Qt::CTRL | Qt::Key_B, Qt::Key_F7});
    MenuFile->addSeparator();
    MenuExit =
        entry(MenuFile, "MenuExit", "E&xit", &FormMain::MenuExit_Click, {Qt::CTRL | Qt::Key_Q});

    MenuTools = menu("MenuTools", "&Tools");
    MenuItemEdit = entry(MenuTools, "MenuItemEdit", "&Edit Item", &FormMain::MenuItemEdit_Click,
                         {Qt::Key_Enter, Qt::Key_Return});
    // Enter edits only where the hand is on the grid; elsewhere it keeps its own meaning.
    MenuItemEdit->setShortcutContext(Qt::WidgetShortcut);
    MenuPreview =
        entry(MenuTools, "MenuPreview", "&Preview on Terminal", &FormMain::MenuPreview_Click);
    MenuTools->addSeparator();
    MenuView = entry(MenuTools, "MenuView", "&View Items in Terminal", &FormMain::MenuView_Click);
    entry(MenuTools, "MenuTerminalLog", "Terminal &Log", &FormMain::openTerminalLog);
    MenuTools->addSeparator();
    MenuOptions = entry(MenuTools, "MenuOptions", "&Options", &FormMain::MenuOptions_Click);

    MenuHelp = menu("MenuHelp", "&Help");
    MenuWeb = MenuHelp->addAction(QStringLiteral("&www.merivane.example"));
    MenuWeb->setObjectName(QStringLiteral("MenuWeb"));
    connect(MenuWeb, &QAction::triggered, this, &FormMain::MenuWeb_Click);
    MenuTutorial = entry(MenuHelp, "MenuTutorial", "&Tutorial", &FormMain::MenuTutorial_Click,
                         {QKeySequence::HelpContents});
    MenuHelp->addSeparator();
    MenuAbout = entry(MenuHelp, "MenuAbout", "&About", &FormMain::MenuAbout_Click);
}

void FormMain::fillRecentMenu()
{
    MenuRecent->clear();
    const QStringList files = recentprojects::read(m_services.settings);
    for (qsizetype k = 0; k < files.size(); ++k) {
        QString shown = QDir::toNativeSeparators(files[k]);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        const QString &file = files[k];
        QAction *action = MenuRecent->addAction(QStringLiteral("&%1 %2").arg(k + 1).arg(shown));
        connect(action, &QAction::triggered, this, [this, file] { MenuRecent_Click(file); });
    }
    MenuRecent->setEnabled(!files.isEmpty());
}

void FormMain::MenuRecent_Click(const QString &projectFile)
{
    if (!QFileInfo(projectFile).isFile()) {
        recentprojects::remove(m_services.settings, projectFile);
        fillRecentMenu();
        m_services.messages.show(
            QStringLiteral("The project file '%1' no longer exists; it has been taken off "
                           "Recent Projects.")
                .arg(QDir::toNativeSeparators(projectFile)));
        return;
    }
    openProjectFile(projectFile);
}

void FormMain::buildToolbar()
{
    Toolbar1 = new QWidget(centralWidget());
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    const auto button = [this](const char *name, const char *tip, const QIcon &icon, int left,
                               void (FormMain::*handler)()) {
        auto *b = new QToolButton(Toolbar1);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(QString::fromLatin1(tip));
        b->setIcon(icon);
        b->setIconSize(QSize(toPixels(495) - 8, toPixels(495) - 8));
        b->setAutoRaise(true);
        b->setGeometry(toPixels(left), toPixels(60), toPixels(495), toPixels(495));
        connect(b, &QToolButton::clicked, this, handler);
        return b;
    };
    CmdOpen = button("CmdOpen", "Open Project", style()->standardIcon(QStyle::SP_DialogOpenButton),
                     120, &FormMain::CmdOpen_Click);
    CmdEdit =
        button("CmdEdit", "Edit Item", style()->standardIcon(QStyle::SP_FileDialogContentsView),
               660, &FormMain::CmdEdit_Click);
    // An icon of its own: the usual floppy disk would read as Save.
    CmdCompile = button("CmdCompile", "Compile", QIcon(QStringLiteral(":/icons/main/compile.png")),
                        1200, &FormMain::CmdCompile_Click);
    // Beside Compile rather than on top of it, so that both stay visible.
    Command1 =
        button("Command1", "Preview on Terminal", style()->standardIcon(QStyle::SP_ComputerIcon),
               1740, &FormMain::Command1_Click);
    enablePreview();
}

void FormMain::enablePreview()
{
    const bool enabled = terminalcommands::previewEnabled(m_services.settings);
    MenuPreview->setEnabled(enabled);
    Command1->setEnabled(enabled);
}

void FormMain::buildGrid()
{
    GridData = new QTableView(centralWidget());
    GridData->setObjectName(QStringLiteral("GridData"));
    GridData->setFont(arial9());
    GridData->setModel(m_state.model());
    GridData->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridData->setSelectionMode(QAbstractItemView::SingleSelection);
    GridData->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridData->setWordWrap(false);
    GridData->verticalHeader()->hide();
    // Fixed row heights keep a table of a million rows quick to lay out.
    GridData->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    GridData->verticalHeader()->setDefaultSectionSize(GridData->fontMetrics().height() + 4);
    GridData->horizontalHeader()->setHighlightSections(false);
    GridData->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    GridData->setGeometry(toPixels(60), toPixels(650), toPixels(5475), toPixels(2775));
    GridData->addAction(MenuItemEdit);

    connect(GridData->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { followGridCurrent(current.row()); });
    auto *doubleClicks = new DoubleClicks(GridData, [this] { GridData_DblClick(); });
    GridData->viewport()->installEventFilter(doubleClicks);
    GridData->horizontalHeader()->installEventFilter(doubleClicks);
    GridData->horizontalHeader()->viewport()->installEventFilter(doubleClicks);
}

void FormMain::followGridCurrent(int viewRow)
{
    if (viewRow < 0 || viewRow == m_state.currentItem())
        return;
    m_state.setCurrentItem(viewRow);
}

void FormMain::showCurrentHelp(qsizetype item)
{
    // With no item selected the label keeps what it showed.
    if (item != ProjectState::NoItem)
        LabelResHelp->setText(m_state.items().help(item));
}

void FormMain::refreshPreview()
{
    FramePreview->setPreview(GraphicPreview::of(m_state, m_state.currentItem()));
}

void FormMain::projectLoaded()
{
    const ItemTable &items = m_state.items();
    bool graphics = false;
    for (qsizetype item = 0; item < items.count() && !graphics; ++item)
        graphics = items.type(item) == ItemType::Graphic;
    m_previewRoom = graphics;
    // The load selects its item next, which fills the pane again.
    FramePreview->clear();
    Form_Resize();
}

void FormMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void FormMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    Form_Resize();
}

void FormMain::closeEvent(QCloseEvent *event)
{
    mainplace::write(m_services.settings, normalGeometry(), isMaximized());
    QMainWindow::closeEvent(event);
}

void FormMain::showRemembered()
{
    const mainplace::Place place = mainplace::read(m_services.settings);
    if (place.normal && windowplace::fits(*place.normal, windowplace::availableAreas()))
        setGeometry(*place.normal);
    if (place.maximized)
        showMaximized();
    else
        show();
}

void FormMain::keepLeastSize()
{
    // The rule sizes the grid from the outer size; the least inner size is
    // what keeps its results from overlapping: the last button in view across,
    // and down the grid's header and three rows above the help.
    const int frameWidth = frameGeometry().width() - width();
    const int frameHeight = frameGeometry().height() - height();
    const int rows = GridData->horizontalHeader()->sizeHint().height() +
                     3 * GridData->verticalHeader()->defaultSectionSize() +
                     2 * GridData->frameWidth() + 1;
    const QSize least(toPixels(mainlayout::kLeastWidth) - frameWidth,
                      rows + toPixels(mainlayout::kHeightAroundGrid) - frameHeight);
    if (minimumSize() != least)
        setMinimumSize(least);
}

void FormMain::Form_Resize()
{
    if (!GridData)
        return;
    keepLeastSize();
    const int dpi = logicalDpiX();
    const QSize outer = frameGeometry().size();
    const int width = twips::fromPixels(outer.width(), dpi);
    const int height = twips::fromPixels(outer.height(), dpi);
    const mainlayout::Layout layout = m_previewRoom ? mainlayout::computeWithPreview(width, height)
                                                    : mainlayout::compute(width, height);
    Toolbar1->setGeometry(0, 0, centralWidget()->width(), toPixels(mainlayout::kToolbarHeight));
    GridData->setGeometry(toPixels(mainlayout::kLeft), toPixels(mainlayout::kGridTop),
                          toPixels(layout.gridWidth), toPixels(layout.gridHeight));
    for (int c = 0; c < 4; ++c)
        GridData->setColumnWidth(c, std::max(0, toPixels(layout.columns[c])));
    LabelResHelp->setGeometry(toPixels(mainlayout::kLeft), toPixels(layout.labelTop),
                              toPixels(layout.labelWidth), toPixels(mainlayout::kLabelHeight));
    FramePreview->setVisible(layout.previewWidth > 0);
    if (layout.previewWidth > 0)
        FramePreview->setGeometry(toPixels(layout.previewLeft), toPixels(mainlayout::kGridTop),
                                  toPixels(layout.previewWidth), toPixels(layout.gridHeight));
}

QString FormMain::aboutText()
{
    using textfields::PlainNumber;
    return QStringLiteral("Varden Resource Editor V") + PlainNumber(FENDREL_VERSION_MAJOR) +
           QLatin1Char('.') + PlainNumber(FENDREL_VERSION_MINOR) + QLatin1Char('R') +
           PlainNumber(FENDREL_VERSION_PATCH);
}

void FormMain::MenuNew_Click()
{
    newProject();
}

void FormMain::MenuOpen_Click()
{
    afterOpen(projectloader::OpenProject(m_state, m_services) == 0);
}

void FormMain::openProjectFile(const QString &fullPath)
{
    afterOpen(projectloader::openProjectFile(m_state, m_services, fullPath) == 0);
}

void FormMain::afterOpen(bool loaded)
{
    MenuCompile->setEnabled(loaded);
    MenuItemEdit->setEnabled(loaded);
    GridData->setFocus();
}

void FormMain::MenuCompile_Click()
{
    if (!m_state.items().isEmpty())
        openCompileWindow();
    GridData->setFocus();
}

void FormMain::MenuExit_Click()
{
    close();
}

void FormMain::MenuItemEdit_Click()
{
    editItem();
    GridData->setFocus();
}

void FormMain::MenuPreview_Click()
{
    // The button's handler is reachable only while the entries are enabled.
    if (MenuPreview->isEnabled())
        previewOnTerminal();
}

void FormMain::MenuView_Click()
{
    openItemViewer();
}

void FormMain::MenuOptions_Click()
{
    openOptionsWindow();
    enablePreview();
}

void FormMain::MenuWeb_Click()
{
    m_shellOpen(webAddress());
}

void FormMain::MenuTutorial_Click()
{
    if (!m_guide.isEmpty())
        m_shellOpen(m_guide);
}

void FormMain::MenuAbout_Click()
{
    m_services.messages.show(aboutText());
}

void FormMain::editItem()
{
    const qsizetype item = m_state.currentItem();
    if (item == ProjectState::NoItem)
        return;
    GridData->selectRow(static_cast<int>(item));
    switch (m_state.items().type(item)) {
    case ItemType::Graphic:
        openGraphicEditor();
        break;
    case ItemType::Constant:
        openConstantEditor();
        break;
    case ItemType::InfoStringI:
    case ItemType::InfoStringF:
        openInfoStringEditor();
        break;
    case ItemType::Other:
        showNotEditable();
        break;
    }
}

void FormMain::showNotEditable()
{
    m_services.messages.show(notEditableText());
}
