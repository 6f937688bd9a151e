#include "vog/VogCtl.h"

#include "platform/CodePage.h"
#include "vog/VogAbout.h"
#include "vog/VogClipboard.h"
#include "vog/VogPpg.h"
#include "vog/VogRaster.h"
#include "vog/VogWidget.h"

#include <QImage>
#include <QPixmap>
#include <algorithm>

using namespace automation;

namespace {

enum VogDispId : DispId {
    idSizeX = 1,
    idSizeY,
    idDotSize,
    idFromX,
    idFromY,
    idDotGap,
    idSelSet,
    idSelPosX1,
    idSelPosY1,
    idSelPosX2,
    idSelPosY2,
    idDrawMode,
    idMouseX,
    idMode,
    idTextAlignment,
    idPaintSelection,
    idEscape,
    idCopy,
    idPaste,
    idGetData,
    idSetData,
    idGetOvl,
    idSetOvl,
    idSetText,
    idMirrorSelection,
    idImportPicture,
    idTightBound,
    idRotateSelection,
    idUndo,
    idResetUndo,
    idSaveUndo,
    idRedo,
    idRepaint,
    idFont = -512,
    idAboutBox = -552,
};

Member property(DispId id, const char *name, VarType type)
{
    return Member{id, QLatin1String(name), true, type, {}, {}};
}

Member method(DispId id, const char *name, VarType result, QList<Param> params = {})
{
    return Member{id, QLatin1String(name), false, result, std::move(params), {}};
}

Param param(const char *name, VarType type)
{
    return Param{QLatin1String(name), type};
}

QString toText(const std::string &text)
{
    return QString::fromLatin1(text);
}

// Host strings become the control's 8-bit text.
std::string fromText(const QVariant &value)
{
    return value.toString().toLatin1().toStdString();
}

QVariant int16(int value)
{
    return QVariant::fromValue<qint16>(static_cast<qint16>(value));
}

} // namespace

const MemberTable &CVogCtrl::members()
{
    static const MemberTable table({
        property(idSizeX, "SizeX", VarType::Int16),
        property(idSizeY, "SizeY", VarType::Int16),
        property(idDotSize, "DotSize", VarType::Int16),
        property(idFromX, "FromX", VarType::Int16),
        property(idFromY, "FromY", VarType::Int16),
        property(idDotGap, "DotGap", VarType::Int16),
        property(idSelSet, "SelSet", VarType::Bool),
        property(idSelPosX1, "SelPosX1", VarType::Int16),
        property(idSelPosY1, "SelPosY1", VarType::Int16),
        property(idSelPosX2, "SelPosX2", VarType::Int16),
        property(idSelPosY2, "SelPosY2", VarType::Int16),
        property(idDrawMode, "DrawMode", VarType::Int16),
        property(idMouseX, "MouseX", VarType::Int32),
        property(idMode, "Mode", VarType::Bool),
        property(idTextAlignment, "TextAlignment", VarType::Int16),
        property(idFont, "Font", VarType::Font),
        method(idPaintSelection, "PaintSelection", VarType::Void,
               {param("PaintMode", VarType::Int16)}),
        method(idEscape, "Escape", VarType::Void),
        method(idCopy, "Copy", VarType::Bool),
        method(idPaste, "Paste", VarType::Bool),
        method(idGetData, "GetData", VarType::String),
        method(idSetData, "SetData", VarType::Bool, {param("str", VarType::String)}),
        method(idGetOvl, "GetOvl", VarType::String),
        method(idSetOvl, "SetOvl", VarType::Bool, {param("str", VarType::String)}),
        method(idSetText, "SetText", VarType::Void, {param("str", VarType::String)}),
        method(idMirrorSelection, "MirrorSelection", VarType::Void, {param("hor", VarType::Bool)}),
        method(idImportPicture, "ImportPicture", VarType::Void, {param("pic", VarType::Picture)}),
        method(idTightBound, "TightBound", VarType::Void),
        method(idRotateSelection, "RotateSelection", VarType::Bool,
               {param("angle", VarType::Int16)}),
        method(idUndo, "Undo", VarType::Void),
        method(idResetUndo, "ResetUndo", VarType::Void),
        method(idSaveUndo, "SaveUndo", VarType::Void),
        method(idRedo, "Redo", VarType::Void),
        method(idRepaint, "Repaint", VarType::Void),
        method(idAboutBox, "AboutBox", VarType::Void),
    });
    return table;
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
        putProperty(id, coerced.first());
        return S_OK;
    }
    return callMethod(id, coerced, &out);
}

Status CVogCtrl::getProperty(DispId id, QVariant *result) const
{
    const VogWidget &w = *m_widget;
    switch (id) {
    case idSizeX:
        *result = int16(m_model.SizeX());
        break;
    case idSizeY:
        *result = int16(m_model.SizeY());
        break;
    case idDotSize:
        *result = int16(w.dotSize());
        break;
    case idFromX:
        *result = int16(w.fromX());
        break;
    case idFromY:
        *result = int16(w.fromY());
        break;
    case idDotGap:
        *result = int16(w.dotGap());
        break;
    case idSelSet:
        *result = m_model.SelSet();
        break;
    case idSelPosX1:
        *result = int16(m_model.SelPosX1());
        break;
    case idSelPosY1:
        *result = int16(m_model.SelPosY1());
        break;
    case idSelPosX2:
        *result = int16(m_model.SelPosX2());
        break;
    case idSelPosY2:
        *result = int16(m_model.SelPosY2());
        break;
    case idDrawMode:
        *result = int16(w.drawMode());
        break;
    case idMouseX:
        *result = QVariant::fromValue<qint32>(w.mouseX());
        break;
    case idMode:
        *result = w.mode();
        break;
    case idTextAlignment:
        *result = int16(m_textAlignment);
        break;
    case idFont:
        *result = m_font;
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
    case idDotSize:
        w.setDotSize(number);
        return;
    case idFromX:
        w.setFromX(number);
        return;
    case idFromY:
        w.setFromY(number);
        return;
    case idDotGap:
        w.setDotGap(number);
        return;
    case idDrawMode:
        w.setDrawMode(number);
        return;
    case idMode:
        w.setMode(value.toBool());
        return;
    case idMouseX:
        w.setModified();
        return; // the position is the mouse's to set
    case idTextAlignment:
        m_textAlignment = std::clamp(number, 0, 2);
        w.setModified();
        return;
    case idSizeX:
        m_model.putSizeX(number);
        break;
    case idSizeY:
        m_model.putSizeY(number);
        break;
    case idSelSet:
        m_model.putSelSet(value.toBool());
        break;
    case idSelPosX1:
        m_model.putSelPosX1(number);
        break;
    case idSelPosY1:
        m_model.putSelPosY1(number);
        break;
    case idSelPosX2:
        m_model.putSelPosX2(number);
        break;
    case idSelPosY2:
        m_model.putSelPosY2(number);
        break;
    case idFont:
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
    case idPaintSelection:
        m_model.PaintSelection(args[0].toInt());
        break;
    case idEscape:
        w.setMode(false);
        m_model.Escape();
        w.resetCursor();
        break;
    case idCopy:
        *result = vog::clipboard::copy(m_model);
        break;
    case idPaste:
        *result = vog::clipboard::paste(m_model);
        break;
    case idGetData:
        *result = toText(m_model.GetData());
        return S_OK;
    case idSetData:
        *result = m_model.SetData(fromText(args[0]));
        break;
    case idGetOvl:
        *result = toText(m_model.GetOvl());
        break;
    case idSetOvl:
        *result = m_model.SetOvl(fromText(args[0]));
        break;
    case idSetText:
        vog::raster::setText(m_model, toText(fromText(args[0])), m_font, m_textAlignment,
                             w.paintAreaSize());
        break;
    case idMirrorSelection:
        m_model.MirrorSelection(args[0].toBool());
        break;
    case idImportPicture: {
        const QImage picture = args[0].typeId() == QMetaType::QPixmap
                                   ? args[0].value<QPixmap>().toImage()
                                   : args[0].value<QImage>();
        vog::raster::importPicture(m_model, picture);
        break;
    }
    case idTightBound:
        m_model.TightBound();
        break;
    case idRotateSelection:
        *result = m_model.RotateSelection(args[0].toInt());
        break;
    case idUndo:
        m_model.Undo();
        break;
    case idResetUndo:
        m_model.ResetUndo();
        return S_OK;
    case idSaveUndo:
        m_model.SaveUndo();
        return S_OK;
    case idRedo:
        m_model.Redo();
        break;
    case idRepaint:
        w.setModified();
        break;
    case idAboutBox:
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
