#pragma once

#include "link/FrameLog.h"

#include <QAbstractTableModel>

// The frame log as a table for a view: one row a frame, read from the log's
// ring as the view asks for it.
class FrameLogModel final : public QAbstractTableModel, private FrameLog::Observer
{
public:
    enum Column { Time, Direction, Hex, Text, Outcome, ColumnCount };

    explicit FrameLogModel(FrameLog &log, QObject *parent = nullptr);
    ~FrameLogModel() override;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void aboutToDropOldest() override;
    void droppedOldest() override;
    void aboutToAppend(qsizetype row) override;
    void appended() override;
    void changed(qsizetype row) override;
    void aboutToClear() override;
    void cleared() override;

    FrameLog &m_log;
};
