#include "mainwin/PreviewPane.h"

#include "graphics/GraphicImage.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int LeastDot = 2;
constexpr int MostDot = 6;

} // namespace

PreviewPane::PreviewPane(QWidget *parent)
    : QFrame(parent), PicPreview(new QLabel(this)), LabelPreview(new QLabel(this))
{
    setObjectName(QStringLiteral("FramePreview"));
    PicPreview->setObjectName(QStringLiteral("PicPreview"));
    LabelPreview->setObjectName(QStringLiteral("LabelPreview"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    // A thin frame around the dots shows the size of a white graphic too.
    PicPreview->setFrameShape(QFrame::Box);
    PicPreview->setFrameShadow(QFrame::Plain);
    PicPreview->setLineWidth(1);
    PicPreview->setStyleSheet(QStringLiteral("QLabel { color: #a0a0a0; }"));
    LabelPreview->setWordWrap(true);
    LabelPreview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelPreview->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(PicPreview, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(LabelPreview);
    layout->addStretch(1);
    setPreview({});
}

void PreviewPane::setPreview(const GraphicPreview &preview)
{
    m_preview = preview;
    LabelPreview->setText(preview.text);
    drawDots();
}

void PreviewPane::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    drawDots();
}

void PreviewPane::drawDots()
{
    if (!m_preview.graphic) {
        m_dotSize = 0;
        PicPreview->clear();
        PicPreview->hide();
        return;
    }
    const graphics::Graphic &graphic = *m_preview.graphic;
    // Room left for the dots once the margins, the picture's frame and the
    // text below are taken.
    const QMargins margins = layout()->contentsMargins() + contentsMargins();
    const int frame = 2 * PicPreview->frameWidth();
    const int text = LabelPreview->heightForWidth(width() - margins.left() - margins.right());
    const QSize area(width() - margins.left() - margins.right() - frame,
                     height() - margins.top() - margins.bottom() - frame - layout()->spacing() -
                         std::max(text, LabelPreview->fontMetrics().height()));
    m_dotSize =
        graphics::dotSizeToFit(QSize(graphic.width(), graphic.height()), area, LeastDot, MostDot);
    PicPreview->setPixmap(QPixmap::fromImage(graphics::toImage(graphic, m_dotSize)));
    PicPreview->setFixedSize(graphic.width() * m_dotSize + frame,
                             graphic.height() * m_dotSize + frame);
    PicPreview->show();
}
