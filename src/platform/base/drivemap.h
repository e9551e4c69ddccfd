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
// order of their mount points, and the disc the user named (--disc, or the
// question at start-up) the first letter they leave free.
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

    // The map for this run: VIREON_DRIVES alone when set, else the mounted
    // volumes and the chosen disc (a folder or image; none when empty).
    static DriveMap fromEnvironment(const QString &chosenDisc = {});
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
    // Maps the folder (or image file) to the first letter from D that nothing
    // holds and gives that letter; the letter it has when it is mapped already.
    // Nothing when every letter is taken.
    std::optional<QChar> add(const QString &folder);

private:
    QMap<QChar, QString> m_folders;
};
