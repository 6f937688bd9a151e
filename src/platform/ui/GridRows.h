#pragma once

class QTableView;

namespace gridrows {

// The height at which the grid shows the given number of rows whole, with its
// header, frame and horizontal scroll bar: the least a window lets it shrink to.
int heightFor(const QTableView &grid, int rows);

} // namespace gridrows
