#pragma once

#include <QAbstractTableModel>
#include <QStringList>

// The rows of the selection grid: column 0 the entry's number (" 0-", " 1-",
// ...), always derived from the row, column 1 the selection text.
class SelectionListModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit SelectionListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    const QStringList &texts() const { return m_texts; }
    void setTexts(const QStringList &texts);
    QString text(int row) const;
    void setText(int row, const QString &text);

private:
    QStringList m_texts;
};
