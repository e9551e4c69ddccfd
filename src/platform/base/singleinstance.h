#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// A lock held for the whole run. A lock left behind by a run that crashed is
// recognised as stale (its process is gone) and taken over.
class SingleInstance
{
public:
    // lockPath: where the lock lives; by default in the user's runtime folder.
    explicit SingleInstance(const QString &lockPath = defaultLockPath());
    // True when no other running instance holds the lock (it is ours now).
    bool acquire();
    void release();
    static QString defaultLockPath();

private:
    std::unique_ptr<QLockFile> m_lock;
};
