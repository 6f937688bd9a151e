#include "editors/ui/FormText.h"

#include "editors/GraphicTools.h"
#include "editors/TextCheck.h"
#include "editors/ui/EditorForm.h"
#include "platform/automation/Object.h"
#include "platform/ui/FieldFocus.h"
#include "platform/ui/FileDialogs.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Services.h"

#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <utility>

FormText::FormText(automation::Object &vog, Services &services, QWidget *parent,
                   std::function<void()> beforeFirstText)
    : QDialog(parent), m_vog(vog), m_messages(services.messages), m_dialogs(services.dialogs),
      m_beforeFirstText(std::move(beforeFirstText))
{
    using editorform::named;
    TextData = named(new QPlainTextEdit(this), "TextData");
    // Made in the order Tab visits them: the options left of Font.
    Frame1 = named(new QGroupBox(this), "Frame1");
    OptionLeft = named(new QRadioButton(QStringLiteral("Left"), Frame1), "OptionLeft");
    OptionCenter = named(new QRadioButton(QStringLiteral("Center"), Frame1), "OptionCenter");
    OptionRight = named(new QRadioButton(QStringLiteral("Right"), Frame1), "OptionRight");
    CmdFont = named(new QPushButton(QStringLiteral("Font"), this), "CmdFont");
    CmdOK = named(new QPushButton(QStringLiteral("OK"), this), "CmdOK");
    CmdCancel = named(new QPushButton(QStringLiteral("Cancel"), this), "CmdCancel");
    setObjectName(QStringLiteral("FormText"));
    setWindowTitle(QStringLiteral("Edit Text"));
    setModal(true);

    TextData->setFont(QFont(QStringLiteral("Arial"), 11));
    TextData->setTabChangesFocus(true);
    TextData->setLineWrapMode(QPlainTextEdit::NoWrap);
    TextData->setFixedHeight(TextData->fontMetrics().lineSpacing() * 4 + 12);

    auto *options = new QHBoxLayout(Frame1);
    options->addWidget(OptionLeft);
    options->addWidget(OptionCenter);
    options->addWidget(OptionRight);
    options->addStretch();
    OptionLeft->setChecked(true); // as designed, for an alignment the control does not know

    auto *row = new QHBoxLayout;
    row->addWidget(Frame1, 1);
    row->addWidget(CmdFont);

    auto *fields = new QVBoxLayout;
    fields->addWidget(TextData);
    fields->addLayout(row);
    fields->addStretch();

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(CmdOK);
    buttons->addWidget(CmdCancel);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);
    // The layout sets the least size; this is only the first.
    resize(420, minimumSizeHint().height());

    connect(TextData, &QPlainTextEdit::textChanged, this, &FormText::TextData_Change);
    connect(OptionLeft, &QRadioButton::clicked, this, &FormText::OptionLeft_Click);
    connect(OptionCenter, &QRadioButton::clicked, this, &FormText::OptionCenter_Click);
    connect(OptionRight, &QRadioButton::clicked, this, &FormText::OptionRight_Click);
    connect(CmdFont, &QPushButton::clicked, this, &FormText::CmdFont_Click);
    connect(CmdOK, &QPushButton::clicked, this, &FormText::CmdOK_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &FormText::CmdCancel_Click);

    Form_Load();
}

void FormText::Form_Load()
{
    using graphictools::Alignment;
    switch (graphictools::alignmentOf(m_vog.get(QStringLiteral("TextAlignment")).toInt())) {
    case Alignment::Left:
        OptionLeft->setChecked(true);
        break;
    case Alignment::Right:
        OptionRight->setChecked(true);
        break;
    case Alignment::Center:
        OptionCenter->setChecked(true);
        break;
    case Alignment::None:
        break;
    }
    preview();
}

void FormText::preview()
{
    // The control starts a new line at each carriage return; the text box
    // separates lines with line feeds.
    QString text = m_previewed;
    text.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    if (m_beforeFirstText && !text.trimmed().isEmpty())
        std::exchange(m_beforeFirstText, {})();
    m_vog.call(QStringLiteral("SetText"), {text});
}

void FormText::TextData_Change()
{
    const QString text = TextData->toPlainText();
    const QString refusal = textcheck::refusal(QStringLiteral("Text"), text);
    if (refusal.isEmpty()) {
        m_previewed = text;
        preview();
        return;
    }
    // The box goes back to the text the control shows.
    {
        const QSignalBlocker quiet(TextData);
        TextData->setPlainText(m_previewed);
    }
    m_messages.show(refusal);
    fieldfocus::backTo(*TextData);
}

void FormText::align(int textAlignment)
{
    m_vog.put(QStringLiteral("TextAlignment"), textAlignment);
    preview();
}

void FormText::OptionLeft_Click()
{
    align(graphictools::textAlignment(graphictools::Alignment::Left));
}

void FormText::OptionCenter_Click()
{
    align(graphictools::textAlignment(graphictools::Alignment::Center));
}

void FormText::OptionRight_Click()
{
    align(graphictools::textAlignment(graphictools::Alignment::Right));
}

void FormText::CmdFont_Click()
{
    const QFont current = m_vog.get(QStringLiteral("Font")).value<QFont>();
    QFont font = current;
    if (const std::optional<QFont> chosen = m_dialogs.chooseFont(current, QStringLiteral("Font"))) {
        // Only what the control's font keeps: face, weight, slant, size and lines.
        font.setFamily(chosen->family());
        font.setBold(chosen->bold());
        font.setItalic(chosen->italic());
        if (chosen->pointSizeF() > 0)
            font.setPointSizeF(chosen->pointSizeF());
        else if (chosen->pixelSize() > 0)
            font.setPixelSize(chosen->pixelSize());
        font.setStrikeOut(chosen->strikeOut());
        font.setUnderline(chosen->underline());
    }
    m_vog.put(QStringLiteral("Font"), font);
    preview();
}

void FormText::CmdOK_Click()
{
    accept();
}

void FormText::CmdCancel_Click()
{
    reject();
}

void FormText::reject()
{
    m_vog.put(QStringLiteral("SelSet"), false);
    QDialog::reject();
}
