#pragma once

#include <QByteArray>
#include <QMap>
#include <QtGlobal>

// A device's settings as it reports them: value bytes (big-endian) by info field id, in id order.
class SimInfoFields
{
public:
    void define(quint8 id, int width, quint64 value);
    void defineBytes(quint8 id, const QByteArray &value);
    // The fields a coordinator and a block report alike, at their power-on values.
    void defineCommon(const QByteArray &mac, bool wired);

    // Takes a set-info value; a field the device knows keeps its width, a new one keeps the sent width.
    void set(quint8 id, const QByteArray &value);

    quint64 value(quint8 id) const;
    QByteArray bytes(quint8 id) const { return m_fields.value(id); }
    bool contains(quint8 id) const { return m_fields.contains(id); }

    // All fields as items, in id order.
    QByteArray items() const;

private:
    QMap<quint8, QByteArray> m_fields;
};
