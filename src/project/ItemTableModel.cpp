#include "project/ItemTableModel.h"

#include "project/ItemTable.h"

#include <limits>

ItemTableModel::ItemTableModel(const ItemTable &items, QObject *parent)
    : QAbstractTableModel(parent), m_items(items)
{
}

int ItemTableModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    // Views count rows in int; a larger table shows its first 2^31 - 1 items.
    const qsizetype count = m_items.count();
    return count > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max()
                                                   : static_cast<int>(count);
}

int ItemTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ItemTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const qsizetype item = index.row();
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case NumberColumn:
            return m_items.numberText(item);
        case TypeColumn:
            return m_items.typeLetter(item);
        case FullNameColumn:
            return m_items.fullName(item);
        case FileNameColumn:
            return m_items.fileName(item);
        default:
            return {};
        }
    case HelpRole:
        return m_items.help(item);
    case LimitsRole:
        return m_items.limits(item);
    default:
        return {};
    }
}

QVariant ItemTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case NumberColumn:
        return QStringLiteral("#");
    case TypeColumn:
        return QStringLiteral("T");
    case FullNameColumn:
        return QStringLiteral("Full Name");
    case FileNameColumn:
        return QStringLiteral("Filename");
    default:
        return {};
    }
}

Qt::ItemFlags ItemTableModel::flags(const QModelIndex &index) const
{
    // Read only: the program never changes the project file.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
