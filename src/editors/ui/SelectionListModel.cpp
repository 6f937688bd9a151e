#include "editors/ui/SelectionListModel.h"

#include "project/TextFields.h"

SelectionListModel::SelectionListModel(QObject *parent) : QAbstractTableModel(parent) {}

int SelectionListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_texts.size());
}

int SelectionListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant SelectionListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == 0)
            return QString(textfields::BlankSignedNumber(static_cast<long long>(index.row())) +
                           QLatin1Char('-'));
        return m_texts.at(index.row());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(
            (index.column() == 0 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
    default:
        return {};
    }
}

void SelectionListModel::setTexts(const QStringList &texts)
{
    beginResetModel();
    m_texts = texts;
    endResetModel();
}

QString SelectionListModel::text(int row) const
{
    return row >= 0 && row < m_texts.size() ? m_texts.at(row) : QString();
}

void SelectionListModel::setText(int row, const QString &text)
{
    if (row < 0 || row >= m_texts.size() || m_texts.at(row) == text)
        return;
    m_texts[row] = text;
    const QModelIndex cell = index(row, 1);
    Q_EMIT dataChanged(cell, cell, {Qt::DisplayRole});
}
