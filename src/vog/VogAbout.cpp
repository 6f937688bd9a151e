#include "vog/VogAbout.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

// A small dot-matrix emblem drawn in the control's own colours.
QPixmap emblem()
{
    static constexpr const char *rows[] = {"10000001", "10000001", "01000010", "01000010",
                                           "00100100", "00100100", "00011000", "00011000"};
    constexpr int dot = 5;
    constexpr int gap = 1;
    QPixmap pixmap(8 * (dot + gap) + gap, 8 * (dot + gap) + gap);
    pixmap.fill(QColor(229, 229, 240));
    QPainter painter(&pixmap);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const QColor colour = rows[y][x] == '1' ? QColor(64, 64, 64) : Qt::white;
            painter.fillRect(gap + x * (dot + gap), gap + y * (dot + gap), dot, dot, colour);
        }
    }
    return pixmap;
}

} // namespace

void showAboutBox(QWidget *parent)
{
    QDialog box(parent);
    box.setObjectName(QStringLiteral("VogAboutBox"));
    box.setWindowTitle(QStringLiteral("About Vog Control"));
    auto *layout = new QVBoxLayout(&box);
    auto *row = new QHBoxLayout;
    auto *picture = new QLabel(&box);
    picture->setPixmap(emblem());
    row->addWidget(picture, 0, Qt::AlignTop);
    auto *text = new QLabel(QStringLiteral("<b>Vog Control</b>, Version 1.0<br>"
                                           "Dot-matrix bitmap editor for terminal graphics"),
                            &box);
    text->setObjectName(QStringLiteral("LabelAbout"));
    row->addWidget(text, 1);
    layout->addLayout(row);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    layout->addWidget(buttons);
    box.exec();
}
