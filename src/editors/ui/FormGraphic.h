#pragma once

#include "editors/ItemLimits.h"
#include "platform/automation/Object.h"

#include <QDialog>

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
// control is created by its ProgID and called by name only.
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
    int zoomStep() const { return m_zoomStep; }
    // Held while the window is open; the size dialog reads them.
    const GraphicLimits &graphicLimits() const { return m_limits; }

    automation::Object Vog;
    QFrame *const Toolbar1;
    QFrame *const Toolbar2;
    QFrame *const Frame1;
    QToolButton *const OptionSelect;
    QToolButton *const OptionDraw;
    QToolButton *const OptionBlack;
    QToolButton *const OptionWhite;
    QToolButton *const OptionInvert;
    QToolButton *const CmdFill;
    QToolButton *const CmdCopy;
    QToolButton *const CmdPaste;
    QToolButton *const CmdRotate90;
    QToolButton *const CmdRotate180;
    QToolButton *const CmdRotate270;
    QToolButton *const CmdMirrorHor;
    QToolButton *const CmdMirrorVer;
    QToolButton *const CmdText;
    QToolButton *const CmdImport;
    QToolButton *const CmdSize;
    QToolButton *const CmdZoomOut;
    QToolButton *const CmdZoomIn;
    QLabel *const LabelPos;
    QPushButton *const CmdOK;
    QPushButton *const CmdCancel;
    QTimer *const Timer1;

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
    void OptionDraw_Click();
    void OptionSelect_Click();
    void OptionBlack_Click();
    void OptionWhite_Click();
    void OptionInvert_Click();
    void Timer1_Timer();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void placeControl();
    void buildLayout();
    void connectHandlers();
    void applyZoom();
    void fitToGraphic();
    bool sizeInRange();
    int vogInt(const QString &name);

    ProjectState &m_state;
    Services &m_services;
    QButtonGroup *const m_toolGroup;
    QButtonGroup *const m_colourGroup;
    GraphicLimits m_limits;
    int m_zoomStep = 0;
    QString m_fileName;
    QString m_path;
    bool m_loaded = false;
};
