#pragma once

#include <QRandomGenerator>
#include <QString>
#include <QStringList>

class MediaFs;
class SettingsStore;

// What the installation configured: the delay in whole seconds and the
// folder of the photographs.
struct ScreenSaverSettings
{
    int intervalSeconds = 5;
    QString folder;
};
// An interval that is missing or not a whole number of 1 to 3600 seconds is 5.
ScreenSaverSettings readScreenSaverSettings(const SettingsStore &settings);

// The photographs of the folder in random order: every photograph once per
// round, a new order each round, never the same one twice in a row.
class PhotoPlaylist
{
public:
    PhotoPlaylist(const MediaFs &fs, const QString &folder, quint32 seed);

    bool isEmpty() const { return m_paths.isEmpty(); }
    int count() const { return int(m_paths.size()); }
    // The media path of the next photograph; empty when there is none.
    QString next();
    // The photograph is on the screen: the next round does not begin with it.
    void shown(const QString &path) { m_last = path; }
    // A photograph that cannot be shown (corrupt, gone) leaves the list.
    void passOver(const QString &path);

private:
    void shuffle();

    QStringList m_paths;
    QStringList m_round;
    QString m_last;
    QRandomGenerator m_random;
};
