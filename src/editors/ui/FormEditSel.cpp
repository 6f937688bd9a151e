#include "editors/ui/FormEditSel.h"

#include "editors/TextCheck.h"
#include "editors/ui/EditorForm.h"
#include "editors/ui/SelectionListModel.h"
#include "platform/ui/FieldFocus.h"
#include "platform/ui/Services.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FormEditSel::FormEditSel(SelectionListModel &grid, int row, Services &services, QWidget *parent)
    : QDialog(parent), m_grid(grid), m_row(row), m_services(services)
{
    using editorform::named;
    Frame1 = named(new QGroupBox(this), "Frame1");
    Label1 = named(new QLabel(QStringLiteral("New Selection string:"), Frame1), "Label1");
    TextSel = named(new QLineEdit(Frame1), "TextSel");
    CmdOK = named(new QPushButton(QStringLiteral("OK"), this), "CmdOK");
    CmdCancel = named(new QPushButton(QStringLiteral("Cancel"), this), "CmdCancel");
    setObjectName(QStringLiteral("FormEditSel"));
    setWindowTitle(QStringLiteral("Edit Selection String"));

    auto *frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(Label1);
    frameLayout->addWidget(TextSel);
    editorform::layOut(*this, *Frame1, *CmdOK, *CmdCancel);
    // The layout sets the least size; this is only the first.
    resize(400, minimumSizeHint().height());

    connect(CmdOK, &QPushButton::clicked, this, &FormEditSel::CmdOK_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &FormEditSel::CmdCancel_Click);

    Form_Load();
}

void FormEditSel::Form_Load()
{
    TextSel->setText(m_grid.text(m_row));
    TextSel->selectAll();
    TextSel->setFocus();
}

void FormEditSel::CmdOK_Click()
{
    const QString text = TextSel->text();
    if (text.contains(QLatin1Char('\t')) || text.contains(QLatin1Char(';'))) {
        m_services.messages.show(
            QStringLiteral("Selection field cannot contain TAB or ';' characters"));
        fieldfocus::backTo(*TextSel);
        return;
    }
    if (editorform::refuse(m_services.messages,
                           textcheck::refusal(QStringLiteral("Selection field"), text))) {
        fieldfocus::backTo(*TextSel);
        return;
    }
    m_grid.setText(m_row, text);
    accept();
}

void FormEditSel::CmdCancel_Click()
{
    reject();
}
