#include "link/ui/FormTerminalLog.h"

#include "link/Transport.h"
#include "link/ui/FrameLogModel.h"
#include "platform/CodePage.h"
#include "platform/SaveFile.h"
#include "platform/ui/ChooseFile.h"
#include "platform/ui/GridRows.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Services.h"
#include "platform/ui/WindowPlace.h"

#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace {

template <typename T> T *named(T *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

constexpr QLatin1String PlaceKey("TerminalLogPlace");

} // namespace

FormTerminalLog::FormTerminalLog(Services &services, Transport &transport, QWidget *parent)
    : QWidget(parent, Qt::Window), m_services(services), m_transport(transport)
{
    setObjectName(QStringLiteral("FormTerminalLog"));
    setWindowTitle(QStringLiteral("Terminal Log"));
    m_model = new FrameLogModel(m_log, this);

    GridFrames = named(new QTableView(this), "GridFrames");
    GridFrames->setModel(m_model);
    GridFrames->setWordWrap(false);
    GridFrames->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridFrames->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridFrames->verticalHeader()->hide();
    // Fixed row heights and column widths: the view never measures 10,000 rows.
    GridFrames->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    GridFrames->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    GridFrames->setMinimumHeight(gridrows::heightFor(*GridFrames, 3));
    QHeaderView *columns = GridFrames->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Interactive);
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    columns->resizeSection(FrameLogModel::Time, digit * 14);
    columns->resizeSection(FrameLogModel::Direction, digit * 10);
    columns->resizeSection(FrameLogModel::Hex, digit * 42);
    columns->resizeSection(FrameLogModel::Text, digit * 30);
    columns->setStretchLastSection(true);

    // New frames scroll into view unless the user has scrolled up to read.
    connect(m_model, &QAbstractItemModel::rowsAboutToBeInserted, this, [this] {
        const QScrollBar *bar = GridFrames->verticalScrollBar();
        m_follow = bar->value() == bar->maximum();
    });
    connect(m_model, &QAbstractItemModel::rowsInserted, this, [this] {
        if (m_follow)
            GridFrames->scrollToBottom();
    });

    CmdClear = named(new QPushButton(QStringLiteral("Clear"), this), "CmdClear");
    CmdSaveAs = named(new QPushButton(QStringLiteral("Save As..."), this), "CmdSaveAs");
    CmdClose = named(new QPushButton(QStringLiteral("Close"), this), "CmdClose");
    connect(CmdClear, &QPushButton::clicked, this, [this] { CmdClear_Click(); });
    connect(CmdSaveAs, &QPushButton::clicked, this, [this] { CmdSaveAs_Click(); });
    connect(CmdClose, &QPushButton::clicked, this, [this] { CmdClose_Click(); });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(CmdClear);
    buttons->addWidget(CmdSaveAs);
    buttons->addStretch();
    buttons->addWidget(CmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(GridFrames);
    layout->addLayout(buttons);
    resize(digit * 150, fontMetrics().height() * 30);
}

FormTerminalLog::~FormTerminalLog()
{
    if (isVisible())
        rememberPlace();
    if (m_transport.frameLog() == &m_log)
        m_transport.setFrameLog(nullptr);
}

void FormTerminalLog::placeBeside(const QWidget &main)
{
    if (const std::optional<QRect> place =
            windowplace::fromText(m_services.settings.read(PlaceKey))) {
        const QScreen *screen = QGuiApplication::screenAt(place->center());
        if (screen && screen->availableGeometry().intersects(*place)) {
            resize(place->size());
            move(place->topLeft());
            return;
        }
    }
    const QScreen *screen = main.screen() ? main.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect outer = main.frameGeometry();
    int menuBottom = outer.top();
    if (const auto *window = qobject_cast<const QMainWindow *>(&main); window && window->menuBar())
        menuBottom = window->menuBar()->mapToGlobal(QPoint(0, window->menuBar()->height())).y();
    // Before it is shown the window has no frame yet: its inner size stands in.
    move(windowplace::beside(outer, menuBottom, frameGeometry().size().expandedTo(size()),
                             screen->availableGeometry()));
}

void FormTerminalLog::rememberPlace()
{
    m_services.settings.write(PlaceKey, windowplace::toText(QRect(pos(), size())));
}

void FormTerminalLog::showEvent(QShowEvent *event)
{
    m_transport.setFrameLog(&m_log);
    QWidget::showEvent(event);
}

void FormTerminalLog::hideEvent(QHideEvent *event)
{
    // Closed, the log costs the link nothing; minimised, it goes on recording.
    if (!event->spontaneous()) {
        rememberPlace();
        if (m_transport.frameLog() == &m_log)
            m_transport.setFrameLog(nullptr);
    }
    QWidget::hideEvent(event);
}

void FormTerminalLog::CmdClear_Click()
{
    m_log.clear();
}

void FormTerminalLog::CmdSaveAs_Click()
{
    const std::optional<QString> path =
        choosefile::ask(m_services, choosefile::Mode::Save,
                        {QStringLiteral("Save Terminal Log"),
                         QStringLiteral("Text files (*.txt)|*.txt|All files (*.*)|*.*"), 1,
                         QStringLiteral("terminal-log.txt"), true});
    if (!path)
        return;
    // the frames' text came from the terminal's bytes through the code page
    if (const PlatformError error = savefile::save(*path, codepage::encode(m_log.text()));
        error.isError())
        m_services.messages.show(QStringLiteral("Could not save the log ('") +
                                 QDir::toNativeSeparators(*path) + QStringLiteral("'):") +
                                 error.text());
}

void FormTerminalLog::CmdClose_Click()
{
    close();
}
