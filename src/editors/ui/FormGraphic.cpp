#include "editors/ui/FormGraphic.h"

#include "editors/ControlHost.h"
#include "editors/GraphicCodec.h"
#include "editors/GraphicTools.h"
#include "editors/ui/EditorForm.h"
#include "editors/ui/FormSize.h"
#include "editors/ui/FormText.h"
#include "graphics/GraphicImage.h"
#include "platform/PlatformError.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Services.h"
#include "project/ItemFile.h"
#include "project/ProjectState.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QButtonGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>

// Resources of a static library are registered by name from outside any namespace.
static void initGraphicIcons()
{
    Q_INIT_RESOURCE(GraphicIcons);
}

namespace {

QToolButton *toolButton(QWidget *parent, const char *name, const char *icon, const char *tip,
                        bool checkable = false)
{
    auto *button = editorform::named(new QToolButton(parent), name);
    button->setIcon(
        QIcon(QStringLiteral(":/icons/graphic/") + QLatin1String(icon) + QStringLiteral(".png")));
    button->setIconSize(QSize(22, 22));
    button->setFixedSize(29, 29);
    if (tip)
        button->setToolTip(QLatin1String(tip));
    button->setAccessibleName(QLatin1String(name));
    button->setCheckable(checkable);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QFrame *toolbar(QWidget *parent, const char *name)
{
    auto *frame = editorform::named(new QFrame(parent), name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    return frame;
}

// A thin line between groups of buttons.
QFrame *separator(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedHeight(22);
    return line;
}

} // namespace

FormGraphic::FormGraphic(ProjectState &state, Services &services, QWidget *parent)
    : QDialog(parent), m_state(state), m_services(services)
{
    using editorform::named;
    Toolbar1 = toolbar(this, "Toolbar1");
    Toolbar2 = toolbar(this, "Toolbar2");
    Frame1 = toolbar(this, "Frame1");
    OptionSelect = toolButton(Toolbar1, "OptionSelect", "select", "Selection Tool (S)", true);
    OptionDraw = toolButton(Toolbar1, "OptionDraw", "draw", "Draw Tool (P)", true);
    OptionLine = toolButton(Toolbar1, "OptionLine", "line", "Line (L)", true);
    OptionRectangle = toolButton(Toolbar1, "OptionRectangle", "rectangle", "Rectangle (R)", true);
    OptionEllipse = toolButton(Toolbar1, "OptionEllipse", "ellipse", "Ellipse (E)", true);
    OptionFloodFill = toolButton(Toolbar1, "OptionFloodFill", "floodfill", "Fill (F)", true);
    OptionFilled = toolButton(Toolbar1, "OptionFilled", "filled", "Filled shapes (O)", true);
    OptionBlack = toolButton(Toolbar1, "OptionBlack", "black", "Black", true);
    OptionWhite = toolButton(Toolbar1, "OptionWhite", "white", "White", true);
    OptionInvert = toolButton(Toolbar1, "OptionInvert", "invert", "Invert", true);
    CmdFill = toolButton(Toolbar1, "CmdFill", "fill", nullptr);
    CmdCopy = toolButton(Toolbar1, "CmdCopy", "copy", "Copy");
    CmdPaste = toolButton(Toolbar1, "CmdPaste", "paste", "Paste");
    CmdRotate90 = toolButton(Toolbar1, "CmdRotate90", "rotate90", "Rotate 90");
    CmdRotate180 = toolButton(Toolbar1, "CmdRotate180", "rotate180", "Rotate 180");
    CmdRotate270 = toolButton(Toolbar1, "CmdRotate270", "rotate270", "Rotate 270");
    CmdMirrorHor = toolButton(Toolbar1, "CmdMirrorHor", "mirrorhor", "Mirror horizontally");
    CmdMirrorVer = toolButton(Toolbar1, "CmdMirrorVer", "mirrorver", "Mirror Vertically");
    CmdUndo = toolButton(Toolbar2, "CmdUndo", "undo", "Undo");
    CmdRedo = toolButton(Toolbar2, "CmdRedo", "redo", "Redo");
    CmdText = toolButton(Toolbar2, "CmdText", "text", "Text");
    CmdImport = toolButton(Toolbar2, "CmdImport", "import", "Import *.bmp");
    CmdSize = toolButton(Toolbar2, "CmdSize", "size", "Graphic size");
    CmdZoomOut = toolButton(Toolbar2, "CmdZoomOut", "zoomout", "Zoom out");
    CmdZoomIn = toolButton(Toolbar2, "CmdZoomIn", "zoomin", "Zoom in");
    LabelPos = named(new QLabel(Frame1), "LabelPos");
    CmdOK = named(new QPushButton(QStringLiteral("OK"), Frame1), "CmdOK");
    CmdCancel = named(new QPushButton(QStringLiteral("Cancel"), Frame1), "CmdCancel");
    Timer1 = named(new QTimer(this), "Timer1");
    m_toolGroup = new QButtonGroup(this);
    m_colourGroup = new QButtonGroup(this);

    initGraphicIcons();
    setObjectName(QStringLiteral("FormGraphic"));
    setWindowTitle(QStringLiteral("Edit Graphic"));
    setModal(true);

    // The two groups are independent: the mouse tool and the colour.
    for (QToolButton *tool :
         {OptionSelect, OptionDraw, OptionLine, OptionRectangle, OptionEllipse, OptionFloodFill})
        m_toolGroup->addButton(tool);
    m_colourGroup->addButton(OptionInvert);
    m_colourGroup->addButton(OptionBlack);
    m_colourGroup->addButton(OptionWhite);
    // These match the control's own start (Mode FALSE, DrawMode 0), so the
    // control is not set here.
    OptionSelect->setChecked(true);
    OptionBlack->setChecked(true);

    buildLayout();
    connectHandlers();
    refreshUndo();
    Form_Load();
    if (!controlCreated())
        return;
    Timer1->setInterval(100);
    Timer1_Timer();
    Timer1->start();
    fitToGraphic();
}

FormGraphic::~FormGraphic()
{
    Timer1->stop();
}

void FormGraphic::buildLayout()
{
    // The chosen tool and colour stand out from the buttons around them.
    Toolbar1->setStyleSheet(
        QStringLiteral("QToolButton:checked { background-color: #d6e6f8; border: 1px solid #2f74c0;"
                       " border-radius: 3px; }"));
    auto *tools = new QHBoxLayout(Toolbar1);
    tools->setContentsMargins(3, 3, 3, 3);
    tools->setSpacing(1);
    const auto addGroup = [tools, this](std::initializer_list<QToolButton *> buttons) {
        if (tools->count() > 0)
            tools->addWidget(separator(Toolbar1));
        for (QToolButton *button : buttons)
            tools->addWidget(button);
    };
    addGroup({OptionSelect, OptionDraw, OptionLine, OptionRectangle, OptionEllipse, OptionFloodFill,
              OptionFilled});
    addGroup({OptionBlack, OptionWhite, OptionInvert, CmdFill});
    addGroup({CmdCopy, CmdPaste});
    addGroup({CmdRotate90, CmdRotate180, CmdRotate270, CmdMirrorHor, CmdMirrorVer});

    auto *view = new QHBoxLayout(Toolbar2);
    view->setContentsMargins(3, 3, 3, 3);
    view->setSpacing(1);
    view->addWidget(CmdUndo);
    view->addWidget(CmdRedo);
    view->addWidget(separator(Toolbar2));
    view->addWidget(CmdText);
    view->addWidget(CmdImport);
    view->addWidget(CmdSize);
    view->addWidget(separator(Toolbar2));
    view->addWidget(CmdZoomOut);
    view->addWidget(CmdZoomIn);

    auto *bars = new QHBoxLayout;
    bars->setSpacing(6);
    bars->addWidget(Toolbar1);
    bars->addWidget(Toolbar2);
    bars->addStretch();

    Frame1->setFrameShape(QFrame::NoFrame);
    auto *bottom = new QHBoxLayout(Frame1);
    bottom->setContentsMargins(0, 0, 0, 0);
    LabelPos->setMinimumWidth(LabelPos->fontMetrics().horizontalAdvance(QStringLiteral(
        "Selection  127, 127- 127, 127  ( 128x 128)   Dot 127, 127   Size 128x 128")));
    bottom->addWidget(LabelPos, 1);
    bottom->addWidget(CmdOK);
    bottom->addWidget(CmdCancel);
    CmdOK->setDefault(true);
    CmdOK->setAutoDefault(true);
    editorform::enterLikeClick(*this);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bars);
    layout->addStretch(1); // the control goes here once created
    layout->addWidget(Frame1);
}

void FormGraphic::connectHandlers()
{
    connect(CmdOK, &QPushButton::clicked, this, &FormGraphic::CmdOK_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &FormGraphic::CmdCancel_Click);
    connect(CmdZoomIn, &QToolButton::clicked, this, &FormGraphic::CmdZoomIn_Click);
    connect(CmdZoomOut, &QToolButton::clicked, this, &FormGraphic::CmdZoomOut_Click);
    connect(CmdFill, &QToolButton::clicked, this, &FormGraphic::CmdFill_Click);
    connect(CmdRotate90, &QToolButton::clicked, this, &FormGraphic::CmdRotate90_Click);
    connect(CmdRotate180, &QToolButton::clicked, this, &FormGraphic::CmdRotate180_Click);
    connect(CmdRotate270, &QToolButton::clicked, this, &FormGraphic::CmdRotate270_Click);
    connect(CmdMirrorHor, &QToolButton::clicked, this, &FormGraphic::CmdMirrorHor_Click);
    connect(CmdMirrorVer, &QToolButton::clicked, this, &FormGraphic::CmdMirrorVer_Click);
    connect(CmdCopy, &QToolButton::clicked, this, &FormGraphic::CmdCopy_Click);
    connect(CmdPaste, &QToolButton::clicked, this, &FormGraphic::CmdPaste_Click);
    connect(CmdImport, &QToolButton::clicked, this, &FormGraphic::CmdImport_Click);
    connect(CmdSize, &QToolButton::clicked, this, &FormGraphic::CmdSize_Click);
    connect(CmdText, &QToolButton::clicked, this, &FormGraphic::CmdText_Click);
    connect(OptionDraw, &QToolButton::clicked, this, &FormGraphic::OptionDraw_Click);
    connect(OptionSelect, &QToolButton::clicked, this, &FormGraphic::OptionSelect_Click);
    connect(OptionLine, &QToolButton::clicked, this, &FormGraphic::OptionLine_Click);
    connect(OptionRectangle, &QToolButton::clicked, this, &FormGraphic::OptionRectangle_Click);
    connect(OptionEllipse, &QToolButton::clicked, this, &FormGraphic::OptionEllipse_Click);
    connect(OptionFloodFill, &QToolButton::clicked, this, &FormGraphic::OptionFloodFill_Click);
    connect(OptionFilled, &QToolButton::clicked, this, &FormGraphic::OptionFilled_Click);
    connect(OptionBlack, &QToolButton::clicked, this, &FormGraphic::OptionBlack_Click);
    connect(OptionWhite, &QToolButton::clicked, this, &FormGraphic::OptionWhite_Click);
    connect(OptionInvert, &QToolButton::clicked, this, &FormGraphic::OptionInvert_Click);
    connect(CmdUndo, &QToolButton::clicked, this, &FormGraphic::CmdUndo_Click);
    connect(CmdRedo, &QToolButton::clicked, this, &FormGraphic::CmdRedo_Click);
    connect(Timer1, &QTimer::timeout, this, &FormGraphic::Timer1_Timer);

    const auto shortcut = [this](QKeyCombination keys, void (FormGraphic::*handler)()) {
        connect(new QShortcut(QKeySequence(keys), this), &QShortcut::activated, this, handler);
    };
    shortcut(Qt::CTRL | Qt::Key_Z, &FormGraphic::CmdUndo_Click);
    shortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_Z, &FormGraphic::CmdRedo_Click);
    shortcut(Qt::CTRL | Qt::Key_Y, &FormGraphic::CmdRedo_Click);
    shortcut(Qt::CTRL | Qt::Key_C, &FormGraphic::CmdCopy_Click);
    shortcut(Qt::CTRL | Qt::Key_V, &FormGraphic::CmdPaste_Click);
    shortcut(Qt::CTRL | Qt::Key_A, &FormGraphic::SelectAll);
    shortcut(QKeyCombination(Qt::Key_Delete), &FormGraphic::DeleteSelection);
    // One key a tool, as the tool tips say; a key clicks its button.
    const std::pair<Qt::Key, QToolButton *> keys[] = {
        {Qt::Key_S, OptionSelect},    {Qt::Key_P, OptionDraw},    {Qt::Key_L, OptionLine},
        {Qt::Key_R, OptionRectangle}, {Qt::Key_E, OptionEllipse}, {Qt::Key_F, OptionFloodFill},
        {Qt::Key_O, OptionFilled}};
    for (const auto &[key, button] : keys)
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, button,
                &QToolButton::click);
}

void FormGraphic::placeControl()
{
    QWidget *control = Vog.widget();
    if (!control)
        return;
    control->setParent(this);
    control->setObjectName(QStringLiteral("Vog"));
    auto *layout = static_cast<QVBoxLayout *>(this->layout());
    // Replaces the placeholder stretch between the toolbars and the buttons.
    delete layout->takeAt(1);
    layout->insertWidget(1, control, 1);
    control->show();
    // Tab visits the dots where they lie: after the toolbars, before OK and Cancel.
    setTabOrder(CmdZoomIn, control);
    // A press on the dots may start a stroke or a move that the control
    // records; the wheel zooms and scrolls.
    if (auto *area = qobject_cast<QAbstractScrollArea *>(control))
        area->viewport()->installEventFilter(this);
}

void FormGraphic::Form_Load()
{
    const QString problem = controlhost::create(Vog, controlhost::vogProgId(), m_services.registry);
    if (!problem.isEmpty()) {
        m_services.messages.show(problem);
        return;
    }
    placeControl();
    // A hundred steps to undo, where a host that does not ask has eight.
    m_vog.setUndoDepth(100);

    m_state.folderWithSeparator();
    const editorform::CurrentItem current = editorform::loadCurrentItem(
        m_state, m_services.messages, QStringLiteral(". Clicking OK will create a new file"));
    m_refused = current.refused;
    if (!current.exists() || m_refused) {
        CmdOK->setEnabled(false);
        return;
    }
    m_limits = itemlimits::parseGraphic(m_state.items().limits(current.item));
    m_zoomStep = 0;
    applyZoom();
    m_fileName = current.fileName;
    m_path = current.path;
    if (!current.fileRead()) {
        // A white graphic of the largest permitted size, to be created on OK.
        m_vog.setSizeX(m_limits.maxWidth);
        m_vog.setSizeY(8 * m_limits.maxBands);
    } else {
        // A header the control refuses leaves its own graphic; the size check
        // judges that. A file that held something else is replaced only when asked.
        m_notAGraphic = !m_vog.setData(graphiccodec::bytesToDotText(current.read.bytes)) &&
                        !current.read.bytes.isEmpty();
        if (m_notAGraphic)
            m_services.messages.show(editorform::notAGraphicText(m_fileName));
        if (!sizeInRange())
            m_services.messages.show(graphiccodec::invalidSizeText());
    }
    // The history starts at the graphic as loaded.
    m_vog.resetUndo();
    m_vog.saveUndo();
    refreshUndo();
    m_loaded = true;
}

bool FormGraphic::sizeInRange()
{
    return graphiccodec::sizeInRange(m_vog.sizeX(), m_vog.sizeY(), m_limits);
}

void FormGraphic::CmdOK_Click()
{
    if (!m_loaded)
        return;
    if (!sizeInRange()) {
        m_services.messages.show(graphiccodec::invalidSizeText());
        return;
    }
    dropFloating();
    m_vog.clear();
    const QString dots = m_vog.getData();
    if (dots.isEmpty() || !m_vog.failure().isEmpty()) {
        m_services.messages.show(QStringLiteral("Internal error: no data to save"));
        return;
    }
    if (editorform::save(m_services.messages, m_state, m_path, m_fileName,
                         graphiccodec::dotTextToBytes(dots), m_notAGraphic))
        accept();
}

void FormGraphic::CmdCancel_Click()
{
    reject();
}

void FormGraphic::keyPressEvent(QKeyEvent *event)
{
    // Esc would close the window and lose every change; only Cancel and the
    // window's close button do that here. It ends the selection instead.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        EscapeSelection();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FormGraphic::EscapeSelection()
{
    // A floating selection is placed where it is shown, as a click outside
    // places it; a marked one ends; without one nothing happens. Nothing seen
    // changes, so it is no step of its own: an undo after it takes back what
    // made the selection float. The tool stays what it was.
    if (!m_vog.selSet())
        return;
    const VogProxy::Tool tool = m_vog.tool();
    m_vog.escape();
    if (tool != VogProxy::Tool::Select)
        m_vog.setTool(tool);
    refreshUndo();
}

void FormGraphic::applyZoom()
{
    // The gap first, as the control has always been given them.
    m_vog.setDotGap(graphictools::dotGap(m_zoomStep));
    m_vog.setDotSize(graphictools::dotSize(m_zoomStep));
}

void FormGraphic::CmdZoomIn_Click()
{
    if (m_zoomStep >= graphictools::ZoomSteps - 1)
        return;
    ++m_zoomStep;
    applyZoom();
}

void FormGraphic::CmdZoomOut_Click()
{
    if (m_zoomStep <= 0)
        return;
    --m_zoomStep;
    applyZoom();
}

void FormGraphic::fitToGraphic()
{
    QWidget *control = Vog.widget();
    if (!control)
        return;
    const int pitch = graphictools::dotSize(m_zoomStep) + graphictools::dotGap(m_zoomStep);
    const int gap = graphictools::dotGap(m_zoomStep);
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QSize graphic(m_vog.sizeX() * pitch + gap + scrollBar + 4,
                        m_vog.sizeY() * pitch + gap + scrollBar + 4);
    // The layout's wish with the whole graphic in view, then the control may shrink again.
    control->setMinimumSize(graphic);
    QSize wanted = sizeHint();
    control->setMinimumSize(std::min(graphic.width(), 160), std::min(graphic.height(), 120));
    if (const QScreen *screen = this->screen())
        wanted = wanted.boundedTo(screen->availableSize() * 9 / 10);
    resize(wanted);
}

bool FormGraphic::dropFloating()
{
    if (!m_vog.selSet())
        return false;
    if (!OptionSelect->isChecked()) {
        // Escape would also leave the drawing tool; choosing it again drops
        // the selection, and the control takes a snapshot before doing so.
        m_vog.setTool(m_vog.tool());
        return true;
    }
    m_vog.escape();
    return false;
}

void FormGraphic::snapshot()
{
    m_vog.saveUndo();
}

void FormGraphic::beforePlacing()
{
    if (!dropFloating())
        snapshot();
}

void FormGraphic::refreshUndo()
{
    CmdUndo->setEnabled(m_vog.canUndo());
    CmdRedo->setEnabled(m_vog.canRedo());
}

// The history may repeat what is shown (an Undo first saves the state it
// leaves): the control steps over such snapshots, so a press always changes
// the graphic.
void FormGraphic::CmdUndo_Click()
{
    m_vog.undoChange();
    refreshUndo();
}

void FormGraphic::CmdRedo_Click()
{
    m_vog.redoChange();
    refreshUndo();
}

bool FormGraphic::eventFilter(QObject *watched, QEvent *event)
{
    // The control records a stroke, a shape, a fill, or a lift, move or drop
    // of a selection, as one snapshot: the buttons follow at the release.
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonRelease && type != QEvent::Wheel)
        return QDialog::eventFilter(watched, event);
    const bool onControl = Vog.widget() && watched->parent() == Vog.widget();
    if (onControl && type == QEvent::MouseButtonRelease) {
        // A shape is drawn by the release itself, after this filter.
        QMetaObject::invokeMethod(this, &FormGraphic::refreshUndo, Qt::QueuedConnection);
    }
    if (onControl && type == QEvent::Wheel) {
        const auto *wheel = static_cast<QWheelEvent *>(event);
        const QPoint angle = wheel->angleDelta();
        const int notches = (angle.y() != 0 ? angle.y() : angle.x()) / 120;
        if (notches != 0)
            Vog_Wheel(wheel->position().toPoint(), notches, wheel->modifiers());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void FormGraphic::changeSelection(const std::function<void()> &operation)
{
    // Without a selection the control changes nothing: no step to undo.
    if (m_vog.selSet())
        snapshot();
    operation();
    refreshUndo();
}

void FormGraphic::CmdFill_Click()
{
    using graphictools::Colour;
    const Colour colour = OptionWhite->isChecked()   ? Colour::White
                          : OptionBlack->isChecked() ? Colour::Black
                                                     : Colour::Invert;
    changeSelection([this, colour] { m_vog.paintSelection(graphictools::paintMode(colour)); });
}

void FormGraphic::DeleteSelection()
{
    changeSelection(
        [this] { m_vog.paintSelection(graphictools::paintMode(graphictools::Colour::White)); });
}

void FormGraphic::CmdRotate90_Click()
{
    changeSelection([this] { m_vog.rotateSelection(graphictools::rotateAngle(90)); });
}

void FormGraphic::CmdRotate180_Click()
{
    changeSelection([this] { m_vog.rotateSelection(graphictools::rotateAngle(180)); });
}

void FormGraphic::CmdRotate270_Click()
{
    changeSelection([this] { m_vog.rotateSelection(graphictools::rotateAngle(270)); });
}

void FormGraphic::CmdMirrorHor_Click()
{
    changeSelection([this] { m_vog.mirrorSelection(true); });
}

void FormGraphic::CmdMirrorVer_Click()
{
    changeSelection([this] { m_vog.mirrorSelection(false); });
}

void FormGraphic::CmdCopy_Click()
{
    m_vog.copy();
}

void FormGraphic::CmdPaste_Click()
{
    beforePlacing();
    m_vog.paste();
    refreshUndo();
}

void FormGraphic::SelectAll()
{
    if (!OptionSelect->isChecked()) {
        OptionSelect->setChecked(true);
        OptionSelect_Click();
    }
    dropFloating();
    const int height = m_vog.sizeY();
    const graphiccodec::WholeLift lift =
        graphiccodec::liftWhole(graphiccodec::dotTextToBytes(m_vog.getData()), height);
    // SetData takes the snapshot of the graphic before the lift.
    if (!m_vog.setData(lift.rest))
        return;
    m_vog.setSizeY(height);
    m_vog.setOvl(lift.floating);
    refreshUndo();
}

void FormGraphic::CmdImport_Click()
{
    FileDialogs::Request request;
    request.title = QStringLiteral("Load");
    request.filter = QStringLiteral("All files|*.*");
    request.filterIndex = 1;
    request.initialName = m_services.settings.read(QStringLiteral("FileImport"));
    const FileDialogs::Result chosen = m_services.dialogs.open(request);
    if (chosen.error == platformerror::DialogCancelled)
        return;
    const QString failure = QStringLiteral("Could not Import the file:");
    if (chosen.error != 0) {
        m_services.messages.show(failure + platformerror::make(chosen.error).text());
        return;
    }
    m_services.settings.write(QStringLiteral("FileImport"), chosen.fileName);

    const graphics::Picture picture = graphics::readPicture(chosen.fileName);
    if (picture.image.isNull()) {
        m_services.messages.show(failure + picture.error.text());
        return;
    }
    // Judged as k7x import judges it, at the picture's own depth, cropped to
    // the graphic; it floats at the top-left corner.
    beforePlacing();
    const QImage dots = graphics::importedDots(picture.image, QSize(m_vog.sizeX(), m_vog.sizeY()));
    if (!dots.isNull()) {
        // A floating selection's dot text: width, height in dots, the bands.
        QByteArray bytes = graphics::fromDots(dots).fileBytes();
        bytes[1] = static_cast<char>(dots.height());
        m_vog.setOvl(graphiccodec::bytesToDotText(bytes));
    }
    refreshUndo();
}

void FormGraphic::CmdSize_Click()
{
    FormSize size(Vog, m_limits, m_services.messages, this, [this] { snapshot(); });
    size.exec();
    refreshUndo();
}

void FormGraphic::CmdText_Click()
{
    // The dialog's preview replaces whatever floats; what the user placed stays.
    const bool snapshotTaken = dropFloating();
    FormText text(Vog, m_services, this, [this, snapshotTaken] {
        if (!snapshotTaken)
            snapshot();
    });
    if (const QScreen *screen = this->screen()) {
        text.adjustSize();
        text.move(editorform::beside(frameGeometry(), text.frameGeometry().size(),
                                     screen->availableGeometry()));
    }
    text.exec();
    refreshUndo();
}

void FormGraphic::chooseTool(VogProxy::Tool tool)
{
    // A drawing tool ends a selection, dropping what floats after a snapshot.
    m_vog.setTool(tool);
    refreshUndo();
}

void FormGraphic::OptionDraw_Click()
{
    chooseTool(VogProxy::Tool::Pen);
}

void FormGraphic::OptionSelect_Click()
{
    chooseTool(VogProxy::Tool::Select);
}

void FormGraphic::OptionLine_Click()
{
    chooseTool(VogProxy::Tool::Line);
}

void FormGraphic::OptionRectangle_Click()
{
    chooseTool(VogProxy::Tool::Rectangle);
}

void FormGraphic::OptionEllipse_Click()
{
    chooseTool(VogProxy::Tool::Ellipse);
}

void FormGraphic::OptionFloodFill_Click()
{
    chooseTool(VogProxy::Tool::Fill);
}

void FormGraphic::OptionFilled_Click()
{
    m_vog.setFilled(OptionFilled->isChecked());
}

void FormGraphic::OptionBlack_Click()
{
    m_vog.setDrawMode(graphictools::drawMode(graphictools::Colour::Black));
}

void FormGraphic::OptionWhite_Click()
{
    m_vog.setDrawMode(graphictools::drawMode(graphictools::Colour::White));
}

void FormGraphic::OptionInvert_Click()
{
    m_vog.setDrawMode(graphictools::drawMode(graphictools::Colour::Invert));
}

void FormGraphic::Vog_Wheel(QPoint pixel, int notches, Qt::KeyboardModifiers modifiers)
{
    if (modifiers.testFlag(Qt::ControlModifier)) {
        const int step =
            std::clamp(m_zoomStep + (notches > 0 ? 1 : -1), 0, graphictools::ZoomSteps - 1);
        const int dotX = m_vog.hoverDotX(), dotY = m_vog.hoverDotY();
        if (step == m_zoomStep)
            return;
        m_zoomStep = step;
        applyZoom();
        if (dotX >= 0 && dotY >= 0) {
            const int pitch = graphictools::dotSize(step) + graphictools::dotGap(step);
            m_vog.setFromX(graphictools::originKeeping(dotX, pixel.x(), pitch));
            m_vog.setFromY(graphictools::originKeeping(dotY, pixel.y(), pitch));
        }
        return;
    }
    // Three dots a notch, up or left for a wheel turned away from the user.
    const bool sideways = modifiers.testFlag(Qt::ShiftModifier);
    const int from = sideways ? m_vog.fromX() : m_vog.fromY();
    const int next = std::max(from - 3 * notches, 0);
    if (sideways)
        m_vog.setFromX(next);
    else
        m_vog.setFromY(next);
}

void FormGraphic::Timer1_Timer()
{
    QString status = m_vog.selSet()
                         ? graphictools::selectionStatus(true, m_vog.selPosX1(), m_vog.selPosY1(),
                                                         m_vog.selPosX2(), m_vog.selPosY2())
                         : graphictools::selectionStatus(false, 0, 0, 0, 0);
    if (const int x = m_vog.hoverDotX(), y = m_vog.hoverDotY(); x >= 0 && y >= 0)
        status += QStringLiteral("   ") + graphictools::dotStatus(x, y);
    if (const int w = m_vog.dragWidth(), h = m_vog.dragHeight(); w > 0 && h > 0)
        status += QStringLiteral("   ") + graphictools::sizeStatus(w, h);
    LabelPos->setText(status);
    refreshUndo();
}
