#pragma once

#include "editors/ItemLimits.h"
#include "editors/VogProxy.h"
#include "platform/automation/Object.h"

#include <QDialog>
#include <QPoint>
#include <QVariant>

#include <functional>

class ProjectState;
struct Services;
class QButtonGroup;
class QFrame;
class QKeyEvent;
class QLabel;
class QPushButton;
class QTimer;
class QToolButton;

// "Edit Graphic": the current item's graphic in the Vog control, edited with
// the control's mouse tools and the buttons here, written back on OK. The
// control is created by its ProgID and called by dispatch identifier only,
// through its typed proxy.
class FormGraphic final : public QDialog
{
    Q_OBJECT
public:
    // Creates the control and loads the current item of state at once;
    // messages of the load show through services before the window appears.
    // When the control cannot be created, the message says why and
    // controlCreated() is false: the window must not be opened.
    FormGraphic(ProjectState &state, Services &services, QWidget *parent = nullptr);
    ~FormGraphic() override;

    bool controlCreated() const { return !Vog.isNull(); }
    // The item's file is no file an editor can take (a FIFO, a device, too
    // big): the load has said so, and the window must not be opened.
    bool itemRefused() const { return m_refused; }
    int zoomStep() const { return m_zoomStep; }
    // Held while the window is open; the size dialog reads them.
    const GraphicLimits &graphicLimits() const { return m_limits; }

    automation::Object Vog;
    QFrame *Toolbar1 = nullptr;
    QFrame *Toolbar2 = nullptr;
    QFrame *Frame1 = nullptr;
    QToolButton *OptionSelect = nullptr;
    QToolButton *OptionDraw = nullptr;
    QToolButton *OptionLine = nullptr;
    QToolButton *OptionRectangle = nullptr;
    QToolButton *OptionEllipse = nullptr;
    QToolButton *OptionFloodFill = nullptr;
    QToolButton *OptionFilled = nullptr;
    QToolButton *OptionBlack = nullptr;
    QToolButton *OptionWhite = nullptr;
    QToolButton *OptionInvert = nullptr;
    QToolButton *CmdFill = nullptr;
    QToolButton *CmdCopy = nullptr;
    QToolButton *CmdPaste = nullptr;
    QToolButton *CmdRotate90 = nullptr;
    QToolButton *CmdRotate180 = nullptr;
    QToolButton *CmdRotate270 = nullptr;
    QToolButton *CmdMirrorHor = nullptr;
    QToolButton *CmdMirrorVer = nullptr;
    QToolButton *CmdUndo = nullptr;
    QToolButton *CmdRedo = nullptr;
    QToolButton *CmdText = nullptr;
    QToolButton *CmdImport = nullptr;
    QToolButton *CmdSize = nullptr;
    QToolButton *CmdZoomOut = nullptr;
    QToolButton *CmdZoomIn = nullptr;
    QLabel *LabelPos = nullptr;
    QPushButton *CmdOK = nullptr;
    QPushButton *CmdCancel = nullptr;
    QTimer *Timer1 = nullptr;

    void Form_Load();
    void CmdOK_Click();
    void CmdCancel_Click();
    void CmdZoomIn_Click();
    void CmdZoomOut_Click();
    void CmdFill_Click();
    void CmdRotate90_Click();
    void CmdRotate180_Click();
    void CmdRotate270_Click();
    void CmdMirrorHor_Click();
    void CmdMirrorVer_Click();
    void CmdCopy_Click();
    void CmdPaste_Click();
    void CmdImport_Click();
    void CmdSize_Click();
    void CmdText_Click();
    void CmdUndo_Click();
    void CmdRedo_Click();
    // Ctrl+A: the whole graphic becomes a floating selection, lifted as a
    // mouse lifts a marked one.
    void SelectAll();
    // Escape: a floating selection is placed, a marked one ends.
    void EscapeSelection();
    // Delete: the selection turns white.
    void DeleteSelection();
    void OptionDraw_Click();
    void OptionSelect_Click();
    void OptionLine_Click();
    void OptionRectangle_Click();
    void OptionEllipse_Click();
    void OptionFloodFill_Click();
    void OptionFilled_Click();
    // Ctrl+wheel: one zoom step, the dot under the pointer kept there. The
    // wheel scrolls, Shift+wheel sideways. Pixels are the control's.
    void Vog_Wheel(QPoint pixel, int notches, Qt::KeyboardModifiers modifiers);
    void OptionBlack_Click();
    void OptionWhite_Click();
    void OptionInvert_Click();
    void Timer1_Timer();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeControl();
    void buildLayout();
    void connectHandlers();
    void applyZoom();
    void chooseTool(VogProxy::Tool tool);
    void fitToGraphic();
    bool sizeInRange();
    // A selection operation of the control, undoable.
    void changeSelection(const std::function<void()> &operation);

    // Writes a floating selection into the graphic and ends the selection, as
    // a click outside it does. True when the control took an undo snapshot
    // while doing so.
    bool dropFloating();
    // An undo snapshot before a change the window makes.
    void snapshot();
    // Before new content goes where a selection may float: that selection is
    // placed, and the state after it recorded.
    void beforePlacing();
    void refreshUndo();

    VogProxy m_vog{Vog};
    ProjectState &m_state;
    Services &m_services;
    QButtonGroup *m_toolGroup = nullptr;
    QButtonGroup *m_colourGroup = nullptr;
    GraphicLimits m_limits;
    int m_zoomStep = 0;
    QString m_fileName;
    QString m_path;
    bool m_loaded = false;
    bool m_refused = false;
    bool m_notAGraphic = false; // asked before OK replaces it
};
