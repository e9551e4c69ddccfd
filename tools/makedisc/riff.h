#pragma once

#include <QByteArray>
#include <QtEndian>

// Little-endian fields and chunks of RIFF files (wave sounds, AVI movies).
namespace Riff {

inline void put16(QByteArray &out, int value)
{
    char bytes[2];
    qToLittleEndian<quint16>(quint16(value), bytes);
    out.append(bytes, 2);
}

inline void put32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian<quint32>(value, bytes);
    out.append(bytes, 4);
}

inline void chunk(QByteArray &out, const char *id, const QByteArray &body)
{
    out.append(id, 4);
    put32(out, quint32(body.size()));
    out += body;
    if (body.size() % 2)
        out += '\0'; // the pad byte, not counted in the chunk size
}

} // namespace Riff
