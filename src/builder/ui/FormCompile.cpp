#include "builder/ui/FormCompile.h"

#include "builder/Compile.h"
#include "builder/FilePair.h"
#include "platform/PlatformError.h"
#include "platform/ui/BusyPointer.h"
#include "platform/ui/ChooseFile.h"
#include "platform/ui/FieldFocus.h"
#include "platform/ui/Services.h"
#include "project/ProjectState.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString OriginalKey = QStringLiteral("FileOriginal");
const QString OutputKey = QStringLiteral("FileOutput");

// Blanks only: a tab or line break in a path is the user's and stays.
QString trimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

template <typename T> T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

FormCompile::FormCompile(ProjectState &state, Services &services, QWidget *itemTable,
                         QWidget *parent)
    : QDialog(parent), m_state(state), m_services(services), m_itemTable(itemTable)
{
    setObjectName(QStringLiteral("FormCompile"));
    setWindowTitle(QStringLiteral("Compile"));
    setModal(true);

    Frame1 = named(new QFrame(this), "Frame1");
    Frame1->setFrameShape(QFrame::StyledPanel);
    Label1 = named(new QLabel(QStringLiteral("Original Firmware file (*.k7x):"), Frame1), "Label1");
    TextOriginal = named(new QLineEdit(Frame1), "TextOriginal");
    CmdOriginal = named(new QPushButton(QStringLiteral("Browse"), Frame1), "CmdOriginal");
    Label3 = named(new QLabel(QStringLiteral("Output Firmware file (*.k7x):"), Frame1), "Label3");
    TextOutput = named(new QLineEdit(Frame1), "TextOutput");
    CmdOutput = named(new QPushButton(QStringLiteral("Browse"), Frame1), "CmdOutput");
    CmdCompile = named(new QPushButton(QStringLiteral("Compile"), this), "CmdCompile");
    CmdClose = named(new QPushButton(QStringLiteral("Close"), this), "CmdClose");
    LabelStatus = named(new QLabel(this), "LabelStatus");
    LabelStatus->setFont(QFont(QStringLiteral("Arial"), 9));
    CmdCompile->setDefault(true);

    auto *rows = new QGridLayout(Frame1);
    rows->addWidget(Label1, 0, 0, 1, 2);
    rows->addWidget(TextOriginal, 1, 0);
    rows->addWidget(CmdOriginal, 1, 1);
    rows->addWidget(Label3, 2, 0, 1, 2);
    rows->addWidget(TextOutput, 3, 0);
    rows->addWidget(CmdOutput, 3, 1);
    rows->setColumnStretch(0, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(LabelStatus, 1);
    buttons->addWidget(CmdCompile);
    buttons->addWidget(CmdClose);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);
    setMinimumWidth(480);

    connect(CmdOriginal, &QPushButton::clicked, this, &FormCompile::CmdOriginal_Click);
    connect(CmdOutput, &QPushButton::clicked, this, &FormCompile::CmdOutput_Click);
    connect(CmdCompile, &QPushButton::clicked, this, &FormCompile::CmdCompile_Click);
    connect(CmdClose, &QPushButton::clicked, this, &FormCompile::CmdClose_Click);

    Form_Load();
}

void FormCompile::Form_Load()
{
    TextOriginal->setText(m_services.settings.read(OriginalKey));
    TextOutput->setText(m_services.settings.read(OutputKey));
}

void FormCompile::browse(QLineEdit *box, bool save)
{
    FileDialogs::Request request;
    request.title = QStringLiteral("Specify Extended Firmware File");
    request.filter = QStringLiteral("Extended firmware files (*.k7x)|*.k7x|All files|*.*");
    request.filterIndex = 1;
    request.initialName = box->text();
    request.overwritePrompt = true;
    if (const std::optional<QString> chosen = choosefile::ask(
            m_services, save ? choosefile::Mode::Save : choosefile::Mode::Open, request))
        box->setText(*chosen);
}

void FormCompile::CmdOriginal_Click()
{
    browse(TextOriginal, false);
}

void FormCompile::CmdOutput_Click()
{
    browse(TextOutput, true);
}

void FormCompile::setStatus(const QString &status)
{
    LabelStatus->setText(status);
    LabelStatus->repaint();
}

void FormCompile::setRunning(bool running)
{
    CmdCompile->setEnabled(!running);
    CmdClose->setEnabled(!running);
    Frame1->setEnabled(!running);
}

void FormCompile::CmdCompile_Click()
{
    const QString original = trimBlanks(TextOriginal->text());
    const QString output = trimBlanks(TextOutput->text());
    TextOriginal->setText(original);
    TextOutput->setText(output);
    // Remembered even when the compile is refused.
    m_services.settings.write(OriginalKey, original);
    m_services.settings.write(OutputKey, output);

    if (compile::sameFile(original, output)) {
        m_services.messages.show(compile::differentFilesMessage());
        fieldfocus::backTo(*TextOutput);
        return;
    }

    const qsizetype item = m_state.currentItem();
    setRunning(true);
    if (m_itemTable)
        m_itemTable->hide();
    compile::Outcome outcome;
    {
        BusyPointer busy;
        const QString folder = m_state.folderWithSeparator();
        outcome =
            compile::run({m_state.items(), folder, original, output, [&](compile::Stage stage) {
                              // The items are done: the table comes back with its row.
                              if (stage == compile::Stage::Constructing) {
                                  m_state.setCurrentItem(item);
                                  if (m_itemTable)
                                      m_itemTable->show();
                              }
                              setStatus(compile::statusText(stage));
                          }});
    }
    if (!outcome.ok()) {
        m_state.setCurrentItem(outcome.failingItem >= 0 ? outcome.failingItem : item);
        m_services.messages.show(outcome.message());
    }
    if (m_itemTable)
        m_itemTable->show();
    setRunning(false);
    setStatus(compile::statusText(outcome.stage));
}

void FormCompile::CmdClose_Click()
{
    close();
}
