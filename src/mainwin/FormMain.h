#pragma once

#include <QMainWindow>
#include <QString>

#include <functional>
#include <memory>

class PreviewPane;
class ProjectState;
class TerminalSession;
struct Services;
class QAction;
class QLabel;
class QMenu;
class QTableView;
class QToolButton;
class QWidget;

// The program's one top-level window: the item table in GridData, the current
// item's help under it, and every command in the menus and tool buttons.
class FormMain : public QMainWindow
{
    Q_OBJECT
public:
    FormMain(ProjectState &state, Services &services, QWidget *parent = nullptr);
    ~FormMain() override;

    static QString defaultCaption() { return QStringLiteral("Merivane Resource Editor"); }
    static QString webAddress() { return QStringLiteral("https://www.merivane.example/"); }
    static QString aboutText();
    static QString notEditableText()
    {
        return QStringLiteral("This Resource Item cannot be edited and must be left 'as is'");
    }

    // Event handlers, one per control event; tests call them directly.
    void Form_Resize();
    void MenuNew_Click();
    void MenuOpen_Click();
    void MenuCompile_Click();
    void MenuExit_Click();
    void MenuItemEdit_Click();
    void MenuPreview_Click();
    void MenuView_Click();
    void MenuOptions_Click();
    void MenuWeb_Click();
    void MenuTutorial_Click();
    void MenuAbout_Click();
    void CmdOpen_Click() { MenuOpen_Click(); }
    void CmdEdit_Click() { MenuItemEdit_Click(); }
    void CmdCompile_Click() { MenuCompile_Click(); }
    void Command1_Click() { MenuPreview_Click(); }
    void GridData_DblClick() { editItem(); }
    // An entry of File > Recent Projects; one that no longer exists is taken off.
    void MenuRecent_Click(const QString &projectFile);

    // Shows the window where and as large as it was at the last close, when
    // that still fits the screens; otherwise at its first size.
    void showRemembered();

    // The desktop shell's "Open"; a test replaces it to see what would open.
    void setShellOpen(std::function<void(const QString &)> open) { m_shellOpen = std::move(open); }

    // Steps of New after its dialog: create the folder, copy the template,
    // load the copy and work in its folder.
    void createProject(const QString &folder, const QString &name);
    // Open without its dialog: the project file a file manager passes to the program.
    void openProjectFile(const QString &fullPath);
    // The folder that holds the template "Project_Default" and the user guide;
    // the program's own.
    void setProgramFolder(const QString &folder);

    // Twips at the screen's real resolution (15 twips a pixel at 96 dpi).
    int toPixels(int twips) const;

    ProjectState &state() { return m_state; }
    Services &services() { return m_services; }
    // The terminal link of the run and its log window, handed to the terminal commands.
    TerminalSession &terminal() { return *m_terminal; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Commands of the other subsystems, each in a file of its own under
    // commands/ so that each can be wired without touching the rest.
    void newProject();
    void openGraphicEditor();
    void openConstantEditor();
    void openInfoStringEditor();
    void openCompileWindow();
    void openOptionsWindow();
    void openItemViewer();
    void previewOnTerminal();
    void openTerminalLog();

    // Preview on Terminal is offered only when the Options window enables it.
    void enablePreview();
    void afterOpen(bool loaded);
    void editItem();
    void showNotEditable();
    void buildMenus();
    void buildToolbar();
    void buildGrid();
    void showCurrentHelp(qsizetype item);
    // Reads the current item's file again when it is a graphic.
    void refreshPreview();
    void projectLoaded();
    void followGridCurrent(int viewRow);
    void fillRecentMenu();
    // No smaller than keeps every button, the help and three rows of the grid in view.
    void keepLeastSize();

    ProjectState &m_state;
    Services &m_services;
    std::unique_ptr<TerminalSession> m_terminal;
    std::function<void(const QString &)> m_shellOpen;
    QString m_programFolder;
    QString m_guide; // the user guide's index, empty when it is not installed

    QWidget *Toolbar1 = nullptr;
    QToolButton *CmdOpen = nullptr;
    QToolButton *CmdEdit = nullptr;
    QToolButton *CmdCompile = nullptr;
    QToolButton *Command1 = nullptr;
    QTableView *GridData = nullptr;
    QLabel *LabelResHelp = nullptr;
    PreviewPane *FramePreview = nullptr;
    // The preview takes room beside the grid only in a project with graphics.
    bool m_previewRoom = false;

    QMenu *MenuFile = nullptr;
    QAction *MenuNew = nullptr;
    QAction *MenuOpen = nullptr;
    QMenu *MenuRecent = nullptr;
    QAction *MenuCompile = nullptr;
    QAction *MenuExit = nullptr;
    QMenu *MenuTools = nullptr;
    QAction *MenuItemEdit = nullptr;
    QAction *MenuPreview = nullptr;
    QAction *MenuView = nullptr;
    QAction *MenuOptions = nullptr;
    QMenu *MenuHelp = nullptr;
    QAction *MenuWeb = nullptr;
    QAction *MenuTutorial = nullptr;
    QAction *MenuAbout = nullptr;
};
