#include "platform/ui/GridRows.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>

namespace gridrows {

int heightFor(const QTableView &grid, int rows)
{
    const QHeaderView *header = grid.horizontalHeader();
    const int headerHeight = header->isHidden() ? 0 : header->sizeHint().height();
    const int scrollBar = grid.horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff
                              ? 0
                              : grid.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return 2 * grid.frameWidth() + headerHeight + scrollBar +
           rows * grid.verticalHeader()->defaultSectionSize();
}

} // namespace gridrows
