#pragma once

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QMap>
#include <QString>
#include <optional>

// Answers "which folder is drive L:" for the letters D to Z. The "folder" may
// be an ISO 9660 image file, which MediaFs reads as the disc it holds.
//
// VIREON_DRIVES ("E=/media/cdrom;G=/srv/anthology.iso") maps letters explicitly;
// otherwise mounted optical or removable volumes get D, E, F, ... in the
// order of their mount points.
class DriveMap
{
public:
    struct Mount
    {
        QString mountPoint;
        QString fileSystemType;
    };

    DriveMap() = default;
    explicit DriveMap(QMap<QChar, QString> folders);

    // The map for this run: VIREON_DRIVES when set, else the mounted volumes.
    static DriveMap fromEnvironment();
    // "E=/media/cdrom;G=/srv/x": letters outside D..Z and malformed items are ignored.
    static DriveMap fromSpec(const QString &spec);
    // Optical (iso9660, udf) or removable (below /media, /run/media, /mnt, /cdrom) volumes.
    static DriveMap fromMounts(const QList<Mount> &mounts);
    static QList<Mount> currentMounts();
    // The mount table in the format of /proc/self/mounts, octal escapes decoded.
    static QList<Mount> parseMounts(const QByteArray &table);

    // The native folder (or image file) of drive letter (either case), if the letter is mapped.
    std::optional<QString> folderOf(QChar letter) const;
    QMap<QChar, QString> folders() const { return m_folders; }

private:
    QMap<QChar, QString> m_folders;
};
