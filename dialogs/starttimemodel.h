#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

#include "core/sharedtypes.h"

// The start times a coordinator reported, one row each: start number and date and time to the
// microsecond. Rows are only ever added, or all removed together.
class StartTimeModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    struct Row {
        quint8 startNumber = 0;
        quint32 seconds = 0;      // since 1970-01-01 00:00 UTC
        quint32 microseconds = 0; // fraction of that second

        bool operator==(const Row &other) const
        {
            return startNumber == other.startNumber && seconds == other.seconds &&
                   microseconds == other.microseconds;
        }
    };

    using QAbstractTableModel::QAbstractTableModel;

    // Adds the records not listed yet, in their order; an empty list removes every row.
    void Refresh(const QList<HX_GPS_TIME> &starts);
    Row rowAt(int row) const { return m_rows.value(row); }
    // "yyyy/MM/dd hh:mm:ss.uuuuuu" in the PC's local time.
    static QString timeText(quint32 seconds, quint32 microseconds);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QList<Row> m_rows;
};
