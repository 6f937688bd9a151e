#include "vog/VogPpg.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

CVogPropPage::CVogPropPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CVogPropPage"));
    auto *layout = new QVBoxLayout(this);
    auto *text = new QLabel(tr("The Vog control's properties are set by its host."), this);
    text->setObjectName(QStringLiteral("LabelPlaceholder"));
    layout->addWidget(text);
    layout->addStretch();
}

QString CVogPropPage::caption()
{
    return QStringLiteral("General");
}

void showPropertySheet(QWidget *parent)
{
    QDialog sheet(parent);
    sheet.setObjectName(QStringLiteral("VogPropertySheet"));
    sheet.setWindowTitle(QStringLiteral("Vog Control Properties"));
    auto *layout = new QVBoxLayout(&sheet);
    auto *tabs = new QTabWidget(&sheet);
    tabs->addTab(new CVogPropPage(tabs), CVogPropPage::caption());
    layout->addWidget(tabs);
    auto *buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, &sheet);
    buttons->button(QDialogButtonBox::Apply)->setEnabled(false);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &sheet, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &sheet, &QDialog::reject);
    layout->addWidget(buttons);
    sheet.exec();
}
