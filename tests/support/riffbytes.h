#pragma once

#include <QByteArray>
#include <QtEndian>

// Little-endian fields and RIFF chunks for building wave and AVI files in tests.
inline QByteArray le16(int value)
{
    QByteArray bytes(2, Qt::Uninitialized);
    qToLittleEndian<quint16>(quint16(value), bytes.data());
    return bytes;
}

inline QByteArray le32(quint32 value)
{
    QByteArray bytes(4, Qt::Uninitialized);
    qToLittleEndian<quint32>(value, bytes.data());
    return bytes;
}

// A chunk with its id and size, followed by the pad byte when the body is odd.
inline QByteArray riffChunk(const char *id, const QByteArray &body)
{
    return id + le32(quint32(body.size())) + body + (body.size() % 2 ? QByteArray(1, '\0') : QByteArray());
}
