#include "editors/ui/FormGraphic.h"

#include "editors/ControlHost.h"
#include "editors/GraphicCodec.h"
#include "editors/GraphicTools.h"
#include "editors/ui/EditorForm.h"
#include "editors/ui/FormSize.h"
#include "editors/ui/FormText.h"
#include "graphics/GraphicImage.h"
#include "platform/PlatformError.h"
#include "platform/Settings.h"
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
    OptionSelect = toolButton(Toolbar1, "OptionSelect", "select", "Selection Tool", true);
    OptionDraw = toolButton(Toolbar1, "OptionDraw", "draw", "Draw Tool", true);
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
    m_toolGroup->addButton(OptionDraw);
    m_toolGroup->addButton(OptionSelect);
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
    addGroup({OptionSelect, OptionDraw});
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
    LabelPos->setMinimumWidth(LabelPos->fontMetrics().horizontalAdvance(
        QStringLiteral("Selection  127, 127- 127, 127  ( 128x 128)")));
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
    // A press on the dots may start a stroke or a move that the control records.
    if (auto *area = qobject_cast<QAbstractScrollArea *>(control))
        area->viewport()->installEventFilter(this);
}

int FormGraphic::vogInt(const QString &name)
{
    return Vog.get(name).toInt();
}

void FormGraphic::Form_Load()
{
    const QString problem =
        controlhost::create(Vog, controlhost::vogProgId(), automation::ClassRegistry::user());
    if (!problem.isEmpty()) {
        m_services.messages.show(problem);
        return;
    }
    placeControl();

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
        Vog.put(QStringLiteral("SizeX"), m_limits.maxWidth);
        Vog.put(QStringLiteral("SizeY"), 8 * m_limits.maxBands);
    } else {
        // A header the control refuses leaves its own graphic; the size check
        // judges that. A file that held something else is replaced only when asked.
        m_notAGraphic =
            !Vog.call(QStringLiteral("SetData"), {graphiccodec::bytesToDotText(current.read.bytes)})
                 .toBool() &&
            !current.read.bytes.isEmpty();
        if (m_notAGraphic)
            m_services.messages.show(editorform::notAGraphicText(m_fileName));
        if (!sizeInRange())
            m_services.messages.show(graphiccodec::invalidSizeText());
    }
    // The history starts at the graphic as loaded.
    Vog.call(QStringLiteral("ResetUndo"));
    Vog.call(QStringLiteral("SaveUndo"));
    refreshUndo();
    m_loaded = true;
}

bool FormGraphic::sizeInRange()
{
    return graphiccodec::sizeInRange(vogInt(QStringLiteral("SizeX")),
                                     vogInt(QStringLiteral("SizeY")), m_limits);
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
    const QString data = Vog.call(QStringLiteral("GetData")).toString();
    if (data.isEmpty()) {
        m_services.messages.show(QStringLiteral("Internal error: no data to save"));
        return;
    }
    if (editorform::save(m_services.messages, m_state, m_path, m_fileName,
                         graphiccodec::dotTextToBytes(data), m_notAGraphic))
        accept();
}

void FormGraphic::CmdCancel_Click()
{
    reject();
}

void FormGraphic::keyPressEvent(QKeyEvent *event)
{
    // Esc would close the window and lose every change; only Cancel and the
    // window's close button do that here.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FormGraphic::applyZoom()
{
    // The gap first, as the control has always been given them.
    Vog.put(QStringLiteral("DotGap"), graphictools::dotGap(m_zoomStep));
    Vog.put(QStringLiteral("DotSize"), graphictools::dotSize(m_zoomStep));
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
    const QSize graphic(vogInt(QStringLiteral("SizeX")) * pitch + gap + scrollBar + 4,
                        vogInt(QStringLiteral("SizeY")) * pitch + gap + scrollBar + 4);
    // The layout's wish with the whole graphic in view, then the control may shrink again.
    control->setMinimumSize(graphic);
    QSize wanted = sizeHint();
    control->setMinimumSize(std::min(graphic.width(), 160), std::min(graphic.height(), 120));
    if (const QScreen *screen = this->screen())
        wanted = wanted.boundedTo(screen->availableSize() * 9 / 10);
    resize(wanted);
}

bool FormGraphic::selectionSet()
{
    return Vog.get(QStringLiteral("SelSet")).toBool();
}

bool FormGraphic::dropFloating()
{
    if (!selectionSet())
        return false;
    if (OptionDraw->isChecked()) {
        // Escape would also leave the draw tool; setting it again drops the
        // selection, and the control takes a snapshot before doing so.
        Vog.put(QStringLiteral("Mode"), true);
        return true;
    }
    Vog.call(QStringLiteral("Escape"));
    return false;
}

void FormGraphic::snapshot()
{
    Vog.call(QStringLiteral("SaveUndo"));
}

void FormGraphic::beforePlacing()
{
    if (!dropFloating())
        snapshot();
}

void FormGraphic::refreshUndo()
{
    CmdUndo->setEnabled(Vog.get(QStringLiteral("CanUndo")).toBool());
    CmdRedo->setEnabled(Vog.get(QStringLiteral("CanRedo")).toBool());
}

// The history may repeat what is shown (an Undo first saves the state it
// leaves): the control steps over such snapshots, so a press always changes
// the graphic.
void FormGraphic::CmdUndo_Click()
{
    Vog.call(QStringLiteral("UndoChange"));
    refreshUndo();
}

void FormGraphic::CmdRedo_Click()
{
    Vog.call(QStringLiteral("RedoChange"));
    refreshUndo();
}

bool FormGraphic::eventFilter(QObject *watched, QEvent *event)
{
    // The control records a stroke of the draw tool, or a lift, move or drop
    // of a selection, as one snapshot: the buttons follow at the release.
    if (event->type() == QEvent::MouseButtonRelease && Vog.widget() &&
        watched->parent() == Vog.widget())
        refreshUndo();
    return QDialog::eventFilter(watched, event);
}

void FormGraphic::changeSelection(const char *method, const QVariant &argument)
{
    // Without a selection the control changes nothing: no step to undo.
    if (selectionSet())
        snapshot();
    Vog.call(QLatin1String(method), {argument});
    refreshUndo();
}

void FormGraphic::CmdFill_Click()
{
    using graphictools::Colour;
    const Colour colour = OptionWhite->isChecked()   ? Colour::White
                          : OptionBlack->isChecked() ? Colour::Black
                                                     : Colour::Invert;
    changeSelection("PaintSelection", graphictools::paintMode(colour));
}

void FormGraphic::DeleteSelection()
{
    changeSelection("PaintSelection", graphictools::paintMode(graphictools::Colour::White));
}

void FormGraphic::CmdRotate90_Click()
{
    changeSelection("RotateSelection", graphictools::rotateAngle(90));
}

void FormGraphic::CmdRotate180_Click()
{
    changeSelection("RotateSelection", graphictools::rotateAngle(180));
}

void FormGraphic::CmdRotate270_Click()
{
    changeSelection("RotateSelection", graphictools::rotateAngle(270));
}

void FormGraphic::CmdMirrorHor_Click()
{
    changeSelection("MirrorSelection", true);
}

void FormGraphic::CmdMirrorVer_Click()
{
    changeSelection("MirrorSelection", false);
}

void FormGraphic::CmdCopy_Click()
{
    Vog.call(QStringLiteral("Copy"));
}

void FormGraphic::CmdPaste_Click()
{
    beforePlacing();
    Vog.call(QStringLiteral("Paste"));
    refreshUndo();
}

void FormGraphic::SelectAll()
{
    if (OptionDraw->isChecked()) {
        OptionSelect->setChecked(true);
        OptionSelect_Click();
    }
    dropFloating();
    const int height = vogInt(QStringLiteral("SizeY"));
    const graphiccodec::WholeLift lift = graphiccodec::liftWhole(
        graphiccodec::dotTextToBytes(Vog.call(QStringLiteral("GetData")).toString()), height);
    // SetData takes the snapshot of the graphic before the lift.
    if (!Vog.call(QStringLiteral("SetData"), {lift.rest}).toBool())
        return;
    Vog.put(QStringLiteral("SizeY"), height);
    Vog.call(QStringLiteral("SetOvl"), {lift.floating});
    refreshUndo();
}

void FormGraphic::CmdImport_Click()
{
    FileDialogs::Request request;
    request.title = QStringLiteral("Load");
    request.filter = QStringLiteral("All files|*.*");
    request.filterIndex = 1;
    request.initialName = settings::read(QStringLiteral("FileImport"));
    const FileDialogs::Result chosen = m_services.dialogs.open(request);
    if (chosen.error == platformerror::DialogCancelled)
        return;
    const QString failure = QStringLiteral("Could not Import the file:");
    if (chosen.error != 0) {
        m_services.messages.show(failure + platformerror::make(chosen.error).text());
        return;
    }
    settings::write(QStringLiteral("FileImport"), chosen.fileName);

    // Only the part of the picture the control keeps is read.
    const graphics::Picture picture = graphics::readPicture(chosen.fileName);
    if (picture.error.isError()) {
        m_services.messages.show(failure + picture.error.text());
        return;
    }
    beforePlacing();
    Vog.call(QStringLiteral("ImportPicture"), {picture.image});
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

void FormGraphic::OptionDraw_Click()
{
    // The control ends a selection, dropping what floats after a snapshot.
    Vog.put(QStringLiteral("Mode"), true);
    refreshUndo();
}

void FormGraphic::OptionSelect_Click()
{
    Vog.put(QStringLiteral("Mode"), false);
}

void FormGraphic::OptionBlack_Click()
{
    Vog.put(QStringLiteral("DrawMode"), graphictools::drawMode(graphictools::Colour::Black));
}

void FormGraphic::OptionWhite_Click()
{
    Vog.put(QStringLiteral("DrawMode"), graphictools::drawMode(graphictools::Colour::White));
}

void FormGraphic::OptionInvert_Click()
{
    Vog.put(QStringLiteral("DrawMode"), graphictools::drawMode(graphictools::Colour::Invert));
}

void FormGraphic::Timer1_Timer()
{
    const bool selected = selectionSet();
    LabelPos->setText(selected
                          ? graphictools::selectionStatus(true, vogInt(QStringLiteral("SelPosX1")),
                                                          vogInt(QStringLiteral("SelPosY1")),
                                                          vogInt(QStringLiteral("SelPosX2")),
                                                          vogInt(QStringLiteral("SelPosY2")))
                          : graphictools::selectionStatus(false, 0, 0, 0, 0));
    refreshUndo();
}
