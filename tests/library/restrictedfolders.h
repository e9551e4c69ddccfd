#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <unistd.h>

// Folders that refuse writes, for the copy tests. As root (CI) a folder is
// made read-only by a read-only bind mount of itself, since permissions do
// not stop root; elsewhere by taking its write permission away. A small
// filesystem that fills up needs root (tmpfs); without it, ok() is false.
inline bool isRoot()
{
    return geteuid() == 0;
}

inline bool runMount(const QStringList &arguments)
{
    return QProcess::execute(QStringLiteral("mount"), arguments) == 0;
}

class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString &folder) : m_folder(folder)
    {
        if (isRoot()) {
            m_mounted = runMount({ QStringLiteral("--bind"), folder, folder });
            m_ok = m_mounted && runMount({ QStringLiteral("-o"), QStringLiteral("remount,ro,bind"), folder });
        } else {
            m_ok = QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }
    }
    ~ReadOnlyFolder()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), { m_folder });
        else
            QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    bool ok() const { return m_ok; }

private:
    QString m_folder;
    bool m_mounted = false;
    bool m_ok = false;
};

class SmallFilesystem
{
public:
    SmallFilesystem(const QString &folder, const QString &size) : m_folder(folder)
    {
        QDir().mkpath(folder);
        m_ok = isRoot()
            && runMount({ QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"), QStringLiteral("size=") + size,
                          QStringLiteral("tmpfs"), folder });
    }
    ~SmallFilesystem()
    {
        if (m_ok)
            QProcess::execute(QStringLiteral("umount"), { m_folder });
    }
    bool ok() const { return m_ok; }

private:
    QString m_folder;
    bool m_ok = false;
};
