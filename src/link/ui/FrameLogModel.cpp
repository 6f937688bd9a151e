#include "link/ui/FrameLogModel.h"

#include "link/FrameText.h"

#include <QFontDatabase>

FrameLogModel::FrameLogModel(FrameLog &log, QObject *parent)
    : QAbstractTableModel(parent), m_log(log)
{
    m_log.setObserver(this);
}

FrameLogModel::~FrameLogModel()
{
    m_log.setObserver(nullptr);
}

int FrameLogModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_log.size());
}

int FrameLogModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FrameLogModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const FrameLog::Entry &entry = m_log.at(index.row());
    if (role == Qt::FontRole && (index.column() == Hex || index.column() == Text))
        return QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case Time:
        return frametext::time(entry.msecs);
    case Direction:
        return FrameLog::directionName(entry.direction);
    case Hex:
        return frametext::hex(entry.bytes);
    case Text:
        return frametext::decoded(entry.bytes);
    case Outcome:
        return entry.outcome;
    default:
        return {};
    }
}

QVariant FrameLogModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Time:
        return QStringLiteral("Time");
    case Direction:
        return QStringLiteral("Direction");
    case Hex:
        return QStringLiteral("Hex");
    case Text:
        return QStringLiteral("Text");
    case Outcome:
        return QStringLiteral("Outcome");
    default:
        return {};
    }
}

void FrameLogModel::aboutToDropOldest()
{
    beginRemoveRows({}, 0, 0);
}

void FrameLogModel::droppedOldest()
{
    endRemoveRows();
}

void FrameLogModel::aboutToAppend(qsizetype row)
{
    beginInsertRows({}, static_cast<int>(row), static_cast<int>(row));
}

void FrameLogModel::appended()
{
    endInsertRows();
}

void FrameLogModel::changed(qsizetype row)
{
    Q_EMIT dataChanged(index(static_cast<int>(row), 0), index(static_cast<int>(row), Outcome));
}

void FrameLogModel::aboutToClear()
{
    beginResetModel();
}

void FrameLogModel::cleared()
{
    endResetModel();
}
