#include "editors/ui/FormInfoString.h"

#include "editors/InfoString.h"
#include "editors/TextCheck.h"
#include "editors/ui/EditorForm.h"
#include "editors/ui/FormEditSel.h"
#include "editors/ui/SelectionListModel.h"
#include "platform/CodePage.h"
#include "platform/ui/FieldFocus.h"
#include "platform/ui/GridRows.h"
#include "platform/ui/Services.h"
#include "project/ItemFile.h"
#include "project/ProjectState.h"
#include "project/TextFields.h"

#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// 400 twips at 15 twips a pixel: room for the vertical scroll bar.
constexpr int ScrollBarAllowance = 27;
} // namespace

FormInfoString::FormInfoString(ProjectState &state, Services &services, QWidget *parent)
    : QDialog(parent), m_state(state), m_services(services)
{
    using editorform::named;
    Frame1 = named(new QGroupBox(this), "Frame1");
    Label1 = named(new QLabel(QStringLiteral("Online Setting Name:"), Frame1), "Label1");
    TextName = named(new QLineEdit(Frame1), "TextName");
    Label2 = named(new QLabel(QStringLiteral("Online Setting Info:"), Frame1), "Label2");
    Textinfo = named(new QLineEdit(Frame1), "Textinfo");
    Label3 = named(
        new QLabel(QStringLiteral("Selection strings ('0-', '1-', etc. added automatically):"),
                   Frame1),
        "Label3");
    GridSel = named(new QTableView(Frame1), "GridSel");
    CmdOK = named(new QPushButton(QStringLiteral("OK"), this), "CmdOK");
    CmdCancel = named(new QPushButton(QStringLiteral("Cancel"), this), "CmdCancel");
    m_selections = new SelectionListModel(this);
    setObjectName(QStringLiteral("FormInfoString"));
    setWindowTitle(QStringLiteral("Edit Info String"));
    runEditSel = [](FormEditSel &dialog) { dialog.exec(); };

    GridSel->setModel(m_selections);
    GridSel->installEventFilter(this);
    GridSel->horizontalHeader()->hide();
    GridSel->verticalHeader()->hide();
    GridSel->verticalHeader()->setDefaultSectionSize(GridSel->fontMetrics().height() + 6);
    GridSel->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridSel->setSelectionMode(QAbstractItemView::SingleSelection);
    GridSel->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab goes on to the next control; Ctrl+Tab and the arrows move between rows.
    GridSel->setTabKeyNavigation(false);
    m_lastBox = TextName;
    TextName->installEventFilter(this);
    Textinfo->installEventFilter(this);
    GridSel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    GridSel->setMinimumHeight(gridrows::heightFor(*GridSel, 3));

    auto *frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(Label1);
    frameLayout->addWidget(TextName);
    frameLayout->addWidget(Label2);
    frameLayout->addWidget(Textinfo);
    frameLayout->addWidget(Label3);
    frameLayout->addWidget(GridSel, 1);

    editorform::layOut(*this, *Frame1, *CmdOK, *CmdCancel);
    resize(520, 360);

    connect(CmdOK, &QPushButton::clicked, this, &FormInfoString::CmdOK_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &FormInfoString::CmdCancel_Click);
    connect(GridSel, &QTableView::doubleClicked, this, &FormInfoString::GridSel_DblClick);

    Form_Load();
}

FormInfoString::~FormInfoString() = default;

void FormInfoString::Form_Load()
{
    Form_Resize();
    const editorform::CurrentItem current = editorform::loadCurrentItem(
        m_state, m_services.messages,
        QStringLiteral(". This Program cannot create new InfoString Resource File because it "
                       "needs some data from the original InfoString Resource File"));
    m_refused = current.refused;
    if (!current.fileRead()) {
        CmdOK->setEnabled(false);
        return;
    }
    m_fileName = current.fileName;
    m_type = m_state.items().type(current.item);
    m_path = current.path;

    m_content = codepage::decode(current.read.bytes);
    const infostring::Fields fields = infostring::fields(m_content, m_type);
    if (!fields.usable()) {
        m_services.messages.show(QStringLiteral("InfoString Resource file format error ('") +
                                 itemfile::shownName(m_fileName) +
                                 QStringLiteral("'). This Program cannot correct this"));
        CmdOK->setEnabled(false);
        return;
    }

    TextName->setText(fields.name);
    Textinfo->setText(fields.info);
    m_selections->setTexts(infostring::selectionTexts(fields.selectionList));
    if (m_selections->rowCount() > 0)
        GridSel->setCurrentIndex(m_selections->index(0, 1));
}

void FormInfoString::Form_Resize()
{
    const int width = GridSel->width();
    const int number = qRound(width / 10.0);
    GridSel->setColumnWidth(0, number);
    GridSel->setColumnWidth(1, qMax(0, width - number - ScrollBarAllowance));
}

bool FormInfoString::eventFilter(QObject *watched, QEvent *event)
{
    // The grid gets its size from the layout after the window's own resize.
    if (watched == GridSel && event->type() == QEvent::Resize)
        Form_Resize();
    if (watched == GridSel && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            (key->modifiers() & Qt::ControlModifier)) {
            GridSel_NextRow(back ? -1 : 1);
            return true;
        }
    }
    if ((watched == TextName || watched == Textinfo) && event->type() == QEvent::FocusIn)
        m_lastBox = static_cast<QLineEdit *>(watched);
    return QDialog::eventFilter(watched, event);
}

void FormInfoString::GridSel_NextRow(int step)
{
    const int row = std::clamp(GridSel->currentIndex().row() + step, 0,
                               std::max(0, m_selections->rowCount() - 1));
    if (m_selections->rowCount() > 0)
        GridSel->setCurrentIndex(m_selections->index(row, 1));
}

void FormInfoString::GridSel_DblClick()
{
    // With no rows there is no text to edit.
    const int row = GridSel->currentIndex().row();
    if (m_selections->rowCount() == 0 || row < 0)
        return;
    FormEditSel dialog(*m_selections, row, m_services, this);
    runEditSel(dialog);
}

void FormInfoString::CmdOK_Click()
{
    const QChar tab = QLatin1Char('\t');
    const struct
    {
        bool failed;
        const char *message;
        QLineEdit *box;
    } checks[] = {
        {TextName->text().contains(tab), "Name field cannot contain TAB characters", TextName},
        {Textinfo->text().contains(tab), "Info field cannot contain TAB characters", Textinfo},
        {TextName->text().isEmpty(), "Name field cannot be empty", TextName},
        {Textinfo->text().isEmpty(), "Info field cannot be empty", Textinfo},
    };
    for (const auto &check : checks) {
        if (check.failed) {
            m_services.messages.show(QString::fromLatin1(check.message));
            fieldfocus::backTo(*check.box);
            return;
        }
    }
    // Text the file cannot hold is refused before anything is replaced.
    for (QLineEdit *box : {TextName, Textinfo}) {
        const QString field = QLatin1String(box == TextName ? "Name field" : "Info field");
        if (editorform::refuse(m_services.messages, textcheck::refusal(field, box->text()))) {
            fieldfocus::backTo(*box);
            return;
        }
    }
    const QStringList &texts = m_selections->texts();
    for (int row = 0; row < texts.size(); ++row) {
        if (editorform::refuse(m_services.messages,
                               textcheck::refusal(QStringLiteral("Selection field"), texts[row]))) {
            GridSel->setCurrentIndex(m_selections->index(row, 1));
            fieldfocus::backTo(*static_cast<QWidget *>(GridSel));
            return;
        }
    }

    switch (infostring::applyEdit(m_content, m_type, TextName->text(), Textinfo->text(),
                                  m_selections->texts())) {
    case infostring::EditResult::InternalError:
        m_services.messages.show(QStringLiteral("Internal error"));
        reject();
        return;
    case infostring::EditResult::TooLong:
        m_services.messages.show(
            QStringLiteral("New InfoString is too long (") +
            textfields::BlankSignedNumber(static_cast<long long>(m_content.size())) +
            QStringLiteral(" while max. size is 240 chars. Please, decrese the length of some "
                           "fields)"));
        // No one box is at fault: back to the one the user was typing in.
        fieldfocus::backTo(*m_lastBox);
        return;
    case infostring::EditResult::Ok:
        break;
    }

    if (editorform::save(m_services.messages, m_state, m_path, m_fileName,
                         codepage::encode(m_content)))
        accept();
}

void FormInfoString::CmdCancel_Click()
{
    reject();
}
