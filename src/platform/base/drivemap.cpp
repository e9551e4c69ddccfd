#include "drivemap.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace {
bool isDriveLetter(QChar letter)
{
    return letter >= u'D' && letter <= u'Z';
}

// A drive's folder never ends with a separator, except the file-system root itself.
QString withoutTrailingSeparators(QString folder)
{
    while (folder.size() > 1 && folder.endsWith(u'/'))
        folder.chop(1);
    return folder;
}

bool isOpticalOrRemovable(const DriveMap::Mount &mount)
{
    static const QStringList opticalTypes { QStringLiteral("iso9660"), QStringLiteral("udf") };
    static const QStringList removableFolders { QStringLiteral("/media"), QStringLiteral("/run/media"),
        QStringLiteral("/mnt"), QStringLiteral("/cdrom") };
    if (opticalTypes.contains(mount.fileSystemType))
        return true;
    return std::any_of(removableFolders.begin(), removableFolders.end(), [&](const QString &folder) {
        return mount.mountPoint == folder || mount.mountPoint.startsWith(folder + u'/');
    });
}

// The mount table writes blanks, tabs, newlines and backslashes in a field
// as three-digit octal escapes ("\040" for a blank).
QByteArray decodeMountField(const QByteArray &field)
{
    QByteArray decoded;
    decoded.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QByteArray digits = field.mid(i + 1, 3);
        bool octal = field[i] == '\\' && digits.size() == 3
            && std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '7'; });
        if (octal) {
            decoded.append(char(digits.toInt(nullptr, 8)));
            i += 3;
        } else {
            decoded.append(field[i]);
        }
    }
    return decoded;
}
}

DriveMap::DriveMap(QMap<QChar, QString> folders)
{
    for (auto it = folders.cbegin(); it != folders.cend(); ++it)
        m_folders.insert(it.key().toUpper(), it.value());
}

DriveMap DriveMap::fromEnvironment(const QString &chosenDisc)
{
    const QString spec = qEnvironmentVariable("VIREON_DRIVES");
    if (!spec.isEmpty())
        return fromSpec(spec);
    DriveMap drives = fromMounts(currentMounts());
    if (!chosenDisc.isEmpty())
        drives.add(chosenDisc);
    return drives;
}

DriveMap DriveMap::fromSpec(const QString &spec)
{
    QMap<QChar, QString> folders;
    for (const QString &item : spec.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype equals = item.indexOf(u'=');
        const QString letter = item.left(equals).trimmed().toUpper();
        const QString folder = withoutTrailingSeparators(item.mid(equals + 1));
        if (equals < 0 || letter.size() != 1 || !isDriveLetter(letter[0]) || !QDir::isAbsolutePath(folder))
            continue;
        folders.insert(letter[0], folder);
    }
    return DriveMap(folders);
}

DriveMap DriveMap::fromMounts(const QList<Mount> &mounts)
{
    QStringList mountPoints;
    for (const Mount &mount : mounts) {
        if (isOpticalOrRemovable(mount))
            mountPoints.append(withoutTrailingSeparators(mount.mountPoint));
    }
    mountPoints.sort();
    mountPoints.removeDuplicates();

    QMap<QChar, QString> folders;
    QChar letter = u'D';
    for (const QString &mountPoint : std::as_const(mountPoints)) {
        if (!isDriveLetter(letter))
            break;
        folders.insert(letter, mountPoint);
        letter = QChar(letter.unicode() + 1);
    }
    return DriveMap(folders);
}

QList<DriveMap::Mount> DriveMap::currentMounts()
{
    QFile table(QStringLiteral("/proc/self/mounts"));
    if (!table.open(QIODevice::ReadOnly))
        return {};
    return parseMounts(table.readAll());
}

QList<DriveMap::Mount> DriveMap::parseMounts(const QByteArray &table)
{
    QList<Mount> mounts;
    for (const QByteArray &line : table.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 3)
            continue;
        mounts.append({ QFile::decodeName(decodeMountField(fields[1])),
            QFile::decodeName(decodeMountField(fields[2])) });
    }
    return mounts;
}

std::optional<QChar> DriveMap::add(const QString &folder)
{
    const QString native = withoutTrailingSeparators(folder);
    for (auto it = m_folders.cbegin(); it != m_folders.cend(); ++it) {
        if (it.value() == native)
            return it.key();
    }
    for (QChar letter = u'D'; isDriveLetter(letter); letter = QChar(letter.unicode() + 1)) {
        if (!m_folders.contains(letter)) {
            m_folders.insert(letter, native);
            return letter;
        }
    }
    return std::nullopt;
}

std::optional<QString> DriveMap::folderOf(QChar letter) const
{
    const auto it = m_folders.constFind(letter.toUpper());
    if (it == m_folders.cend())
        return std::nullopt;
    return *it;
}
