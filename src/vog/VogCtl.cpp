#include "vog/VogCtl.h"

#include "platform/CodePage.h"
#include "vog/VogAbout.h"
#include "vog/VogClipboard.h"
#include "vog/VogCodes.h"
#include "vog/VogMembers.h"
#include "vog/VogPpg.h"
#include "vog/VogRaster.h"
#include "vog/VogWidget.h"

#include <QImage>
#include <QPixmap>
#include <algorithm>

using namespace automation;

namespace {

using namespace vog::members;

// The control's 8-bit text is Windows-1252, both ways.
QString toText(const std::string &text)
{
    return codepage::decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}

std::string fromText(const QVariant &value)
{
    return codepage::encode(value.toString()).toStdString();
}

// Whether every character of `text` has a byte in the code page.
bool fitsCodePage(const QString &text)
{
    return codepage::decode(codepage::encode(text)) == text;
}

QVariant int16(int value)
{
    return QVariant::fromValue<qint16>(static_cast<qint16>(value));
}

} // namespace

const MemberTable &CVogCtrl::members()
{
    return dispatchTable();
}

CVogCtrl::CVogCtrl() : m_widget(new VogWidget(m_model)), m_font(defaultFont())
{
    m_widget->setFont(m_font);
    m_widget->resize(320, 240);
}

CVogCtrl::~CVogCtrl()
{
    delete m_widget.data();
}

QWidget *CVogCtrl::widget()
{
    return m_widget;
}

Status CVogCtrl::getIDsOfNames(const QStringList &names, QList<DispId> *ids)
{
    return members().getIDsOfNames(names, ids);
}

Status CVogCtrl::invoke(DispId id, InvokeKind kind, const QVariantList &args, QVariant *result)
{
    const Member *member = nullptr;
    InvokeKind call = 0;
    QVariantList coerced;
    const Status status = members().prepare(id, kind, args, &member, &call, &coerced);
    if (failed(status))
        return status;
    // The window holds the display state; a host that destroyed it has no control left.
    if (!m_widget)
        return E_UNEXPECTED;
    QVariant ignored;
    QVariant &out = result ? *result : ignored;
    if (call == DISPATCH_PROPERTYGET)
        return getProperty(id, &out);
    if (call == DISPATCH_PROPERTYPUT) {
        if (isReadOnly(id))
            return DISP_E_MEMBERNOTFOUND;
        putProperty(id, coerced.first());
        return S_OK;
    }
    return callMethod(id, coerced, &out);
}

Status CVogCtrl::getProperty(DispId id, QVariant *result) const
{
    const VogWidget &w = *m_widget;
    switch (id) {
    case SizeX:
        *result = int16(m_model.SizeX());
        break;
    case SizeY:
        *result = int16(m_model.SizeY());
        break;
    case DotSize:
        *result = int16(w.dotSize());
        break;
    case FromX:
        *result = int16(w.fromX());
        break;
    case FromY:
        *result = int16(w.fromY());
        break;
    case DotGap:
        *result = int16(w.dotGap());
        break;
    case SelSet:
        *result = m_model.SelSet();
        break;
    case SelPosX1:
        *result = int16(m_model.SelPosX1());
        break;
    case SelPosY1:
        *result = int16(m_model.SelPosY1());
        break;
    case SelPosX2:
        *result = int16(m_model.SelPosX2());
        break;
    case SelPosY2:
        *result = int16(m_model.SelPosY2());
        break;
    case DrawMode:
        *result = int16(vog::codes::penCode(w.pen()));
        break;
    case MouseX:
        *result = QVariant::fromValue<qint32>(w.mouseX());
        break;
    case Mode:
        *result = w.mode();
        break;
    case TextAlignment:
        *result = int16(m_textAlignment);
        break;
    case Font:
        *result = m_font;
        break;
    case CanUndo:
        *result = m_model.canUndo();
        break;
    case CanRedo:
        *result = m_model.canRedo();
        break;
    case Tool:
        *result = int16(vog::codes::toolCode(w.tool()));
        break;
    case Filled:
        *result = w.filled();
        break;
    case HoverDotX:
        *result = int16(w.hoverDot() ? w.hoverDot()->x : -1);
        break;
    case HoverDotY:
        *result = int16(w.hoverDot() ? w.hoverDot()->y : -1);
        break;
    case DragWidth:
        *result = int16(w.dragExtent() ? w.dragExtent()->x : 0);
        break;
    case DragHeight:
        *result = int16(w.dragExtent() ? w.dragExtent()->y : 0);
        break;
    case UndoDepth:
        *result = int16(m_model.undoDepth());
        break;
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
    return S_OK;
}

void CVogCtrl::putProperty(DispId id, const QVariant &value)
{
    VogWidget &w = *m_widget;
    const int number = value.toInt();
    switch (id) {
    case DotSize:
        w.setDotSize(number);
        return;
    case FromX:
        w.setFromX(number);
        return;
    case FromY:
        w.setFromY(number);
        return;
    case DotGap:
        w.setDotGap(number);
        return;
    case DrawMode:
        w.setPen(vog::codes::pen(number));
        return;
    case Mode:
        w.setMode(value.toBool());
        return;
    case Tool:
        w.setTool(vog::codes::tool(number));
        return;
    case Filled:
        w.setFilled(value.toBool());
        return;
    case MouseX:
        w.setModified();
        return; // the position is the mouse's to set
    case TextAlignment:
        m_textAlignment = std::clamp(number, 0, 2);
        w.setModified();
        return;
    case UndoDepth:
        m_model.putUndoDepth(number); // nothing shown changes
        w.setModified();
        return;
    case SizeX:
        m_model.putSizeX(number);
        break;
    case SizeY:
        m_model.putSizeY(number);
        break;
    case SelSet:
        m_model.putSelSet(value.toBool());
        break;
    case SelPosX1:
        m_model.putSelPosX1(number);
        break;
    case SelPosY1:
        m_model.putSelPosY1(number);
        break;
    case SelPosX2:
        m_model.putSelPosX2(number);
        break;
    case SelPosY2:
        m_model.putSelPosY2(number);
        break;
    case Font:
        m_font = value.value<QFont>();
        w.setFont(m_font);
        break;
    default:
        return;
    }
    w.setModified();
    w.requestRepaint();
}

Status CVogCtrl::callMethod(DispId id, const QVariantList &args, QVariant *result)
{
    VogWidget &w = *m_widget;
    switch (id) {
    case PaintSelection:
        m_model.PaintSelection(vog::codes::paintMode(args[0].toInt()));
        break;
    case Escape:
        w.setMode(false);
        m_model.Escape();
        w.resetCursor();
        break;
    case Copy:
        *result = vog::clipboard::copy(m_model);
        break;
    case Paste:
        *result = vog::clipboard::paste(m_model);
        break;
    case GetData:
        *result = toText(m_model.GetData());
        return S_OK;
    case SetData:
        *result = m_model.SetData(fromText(args[0]));
        break;
    case GetOvl:
        *result = toText(m_model.GetOvl());
        break;
    case SetOvl:
        *result = m_model.SetOvl(fromText(args[0]));
        break;
    case SetText: {
        // Text the code page cannot hold is refused whole: drawn with stand-ins it
        // would turn into dots the user never wrote.
        const QString text = args[0].toString();
        if (!fitsCodePage(text))
            return S_OK;
        vog::raster::setText(m_model, text, m_font, m_textAlignment, w.paintAreaSize());
        break;
    }
    case MirrorSelection:
        m_model.MirrorSelection(args[0].toBool());
        break;
    case ImportPicture: {
        const QImage picture = args[0].typeId() == QMetaType::QPixmap
                                   ? args[0].value<QPixmap>().toImage()
                                   : args[0].value<QImage>();
        vog::raster::importPicture(m_model, picture);
        break;
    }
    case TightBound:
        m_model.TightBound();
        break;
    case RotateSelection:
        *result = m_model.RotateSelection(vog::codes::turn(args[0].toInt()));
        break;
    case Undo:
        m_model.Undo();
        break;
    case ResetUndo:
        m_model.ResetUndo();
        return S_OK;
    case SaveUndo:
        m_model.SaveUndo();
        return S_OK;
    case Redo:
        m_model.Redo();
        break;
    case UndoChange:
        *result = m_model.undoChange();
        break;
    case RedoChange:
        *result = m_model.redoChange();
        break;
    case Repaint:
        w.setModified();
        break;
    case AboutBox:
        showAboutBox(&w);
        return S_OK;
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
    w.requestRepaint();
    return S_OK;
}

Status CVogCtrl::advise(Dispatch *sink)
{
    m_eventSink = sink;
    return S_OK;
}

Status CVogCtrl::doVerb(qint32 verb, QWidget *parent)
{
    if (verb != OLEIVERB_PROPERTIES)
        return E_NOTIMPL;
    showPropertySheet(parent ? parent : m_widget.data());
    return S_OK;
}
