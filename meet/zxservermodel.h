#pragma once

#include <QAbstractTableModel>
#include <QHostAddress>
#include <QList>
#include <QStringList>

class ZXServer;

// The meet-management servers found on the network, in the order found; never removed. Columns "IP" and
// "NAME" (not translated).
class ZXServerModel : public QAbstractTableModel
{
public:
    enum Column { ColumnAddress = 0, ColumnName = 1 };

    explicit ZXServerModel(QObject *parent = nullptr);
    ~ZXServerModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // renames the server of that address, or appends a new one
    void serverForAddress(const QHostAddress &address, const QString &name);
    // the address as column 0 shows it: an IPv6 address as the IPv4 address it carries
    static QString addressText(const QHostAddress &address);

    const QList<ZXServer *> &servers() const { return m_servers; }

private:
    QList<ZXServer *> m_servers;
    QStringList m_headers;
};
