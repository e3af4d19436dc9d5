#include "meet/zxservermodel.h"

#include <QDebug>

#include "meet/zxserver.h"

ZXServerModel::ZXServerModel(QObject *parent)
    : QAbstractTableModel(parent), m_headers{QStringLiteral("IP"), QStringLiteral("NAME")}
{
}

ZXServerModel::~ZXServerModel() = default;

int ZXServerModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_servers.size());
}

int ZXServerModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_headers.size());
}

QVariant ZXServerModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || index.row() < 0 || index.row() >= m_servers.size())
        return QVariant();
    const ZXServer *server = m_servers.at(index.row());
    switch (index.column()) {
    case ColumnAddress:
        return addressText(server->address);
    case ColumnName:
        return server->name;
    default:
        return QVariant();
    }
}

QVariant ZXServerModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= m_headers.size())
        return QVariant();
    return m_headers.at(section);
}

Qt::ItemFlags ZXServerModel::flags(const QModelIndex &index) const
{
    // the root is no item
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

void ZXServerModel::serverForAddress(const QHostAddress &address, const QString &name)
{
    for (int row = 0; row < m_servers.size(); ++row) {
        if (m_servers.at(row)->address == address) {
            m_servers.at(row)->name = name;
            emit dataChanged(index(row, ColumnAddress), index(row, ColumnName), {Qt::DisplayRole});
            return;
        }
    }
    qDebug().noquote() << QStringLiteral("Created new server on ip \"%1\"").arg(address.toString());
    auto *server = new ZXServer(this);
    server->address = address;
    server->name = name;
    const int row = int(m_servers.size());
    beginInsertRows(QModelIndex(), row, row);
    m_servers.append(server);
    endInsertRows();
}

QString ZXServerModel::addressText(const QHostAddress &address)
{
    if (address.protocol() == QAbstractSocket::IPv6Protocol)
        return QHostAddress(address.toIPv4Address()).toString();
    return address.toString();
}
