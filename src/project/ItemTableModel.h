#pragma once

#include <QAbstractTableModel>

class ItemTable;

// The item table as the main grid shows it: columns "#", "T", "Full Name" and
// "Filename"; view row r is item r (the grid's header row is the view's header).
class ItemTableModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { NumberColumn, TypeColumn, FullNameColumn, FileNameColumn, ColumnCount };
    enum Role { HelpRole = Qt::UserRole + 1, LimitsRole };

    explicit ItemTableModel(const ItemTable &items, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // The table is replaced as a whole by the loaders; views learn it by a reset.
    void beginReplace() { beginResetModel(); }
    void endReplace() { endResetModel(); }

private:
    const ItemTable &m_items;
};
