#include "mainwin/frmGetNewProjectPath.h"

#include "mainwin/Twips.h"
#include "mainwin/frmFilePath.h"
#include "platform/ui/FieldFocus.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Services.h"
#include "project/NewProject.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

frmGetNewProjectPath::frmGetNewProjectPath(Services &services, const QString &programFolder,
                                           const QDate &today, QWidget *parent)
    : QDialog(parent), m_services(services), m_baseFolder(programFolder)
{
    setObjectName(QStringLiteral("frmGetNewProjectPath"));
    setWindowTitle(QStringLiteral("New Project"));

    Label1 = new QLabel(QStringLiteral("Project Name:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    twips::place(Label1, 120, 120, 1935, 255);

    txtPathName = new QLineEdit(this);
    txtPathName->setObjectName(QStringLiteral("txtPathName"));
    twips::place(txtPathName, 120, 360, 3255, 285);

    Label2 = new QLabel(QStringLiteral("Location:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    twips::place(Label2, 120, 840, 1455, 255);

    txtLocation = new QPlainTextEdit(this);
    txtLocation->setObjectName(QStringLiteral("txtLocation"));
    txtLocation->setReadOnly(true);
    txtLocation->setWordWrapMode(QTextOption::WrapAnywhere);
    twips::place(txtLocation, 120, 1080, 2775, 645);

    const struct
    {
        const char *caption;
        int left, top, width;
    } buttons[] = {
        {"&...", 3000, 1080, 375}, {"OK", 1200, 1920, 1095}, {"Cancel", 2400, 1920, 1095}};
    for (int i = 0; i < 3; ++i) {
        cmdCtrl[i] = new QPushButton(QString::fromLatin1(buttons[i].caption), this);
        cmdCtrl[i]->setObjectName(QStringLiteral("cmdCtrl_") + QString::number(i));
        twips::place(cmdCtrl[i], buttons[i].left, buttons[i].top, buttons[i].width, 375);
        cmdCtrl[i]->setAutoDefault(false);
        connect(cmdCtrl[i], &QPushButton::clicked, this, [this, i] { cmdCtrl_Click(i); });
    }
    setFixedSize(twips::toPixels(3600, logicalDpiX()), twips::toPixels(2500, logicalDpiX()));

    m_pickFolder = [this](const QString &start) -> std::optional<QString> {
        frmFilePath picker(m_services, this);
        picker.setPath(start);
        picker.exec();
        if (!picker.IsOK())
            return std::nullopt;
        return picker.Path();
    };

    connect(txtPathName, &QLineEdit::textChanged, this, [this] { txtPathName_Change(); });
    txtPathName->setText(today.toString(QStringLiteral("yyyyMMdd")));
    txtPathName_Change();
}

frmGetNewProjectPath::~frmGetNewProjectPath() = default;

QString frmGetNewProjectPath::location() const
{
    return txtLocation->toPlainText();
}

void frmGetNewProjectPath::setProjectName(const QString &name)
{
    txtPathName->setText(name);
}

void frmGetNewProjectPath::txtPathName_Change()
{
    txtLocation->setPlainText(m_baseFolder + QLatin1Char('/') + txtPathName->text());
}

void frmGetNewProjectPath::cmdCtrl_Click(int index)
{
    switch (index) {
    case 0:
        browse();
        break;
    case 1:
        confirm();
        break;
    default:
        m_isOK = false;
        reject();
        break;
    }
}

void frmGetNewProjectPath::browse()
{
    // the base folder as shown: Location without "/" and the name
    const QString shown = location();
    const QString start = shown.left(shown.size() - txtPathName->text().size() - 1);
    if (const std::optional<QString> chosen = m_pickFolder(start)) {
        m_baseFolder = *chosen;
        txtPathName_Change();
    }
}

void frmGetNewProjectPath::confirm()
{
    const QString folder = location();
    m_filePath = folder;
    m_projectFileName = txtPathName->text();
    const PlatformError error = newproject::createFolder(folder);
    if (error.isError()) {
        if (error.number == platformerror::PathNotFound)
            m_services.messages.critical(pathNotAllowedText());
        m_services.messages.show(newproject::folderFailureText(folder, error));
        fieldfocus::backTo(*txtPathName);
        return;
    }
    m_isOK = true;
    accept();
}
