#include "photoplaylist.h"

#include "core/screensaverconfig.h"
#include "platform/base/mediafs.h"
#include "platform/base/settingsstore.h"

#include <algorithm>

ScreenSaverSettings readScreenSaverSettings(const SettingsStore &settings)
{
    using namespace ScreenSaverConfig;
    ScreenSaverSettings result;
    bool ok = false;
    const int seconds = settings.read(Application, Section, Interval, QString()).trimmed().toInt(&ok);
    if (ok && seconds >= 1 && seconds <= 3600)
        result.intervalSeconds = seconds;
    result.folder = settings.read(Application, Section, VireonsDir, QString());
    return result;
}

PhotoPlaylist::PhotoPlaylist(const MediaFs &fs, const QString &folder, quint32 seed)
    : m_random(seed)
{
    if (folder.isEmpty())
        return;
    // The folder ends in a backslash; a name is added as it stands.
    const QString prefix = folder.endsWith(u'\\') || folder.endsWith(u'/') ? folder : folder + u'\\';
    for (const QString &name : fs.list(prefix + QStringLiteral("*.jpg")))
        m_paths.append(prefix + name);
}

QString PhotoPlaylist::next()
{
    if (m_paths.isEmpty())
        return {};
    if (m_round.isEmpty())
        shuffle();
    return m_round.takeFirst();
}

void PhotoPlaylist::passOver(const QString &path)
{
    m_paths.removeAll(path);
    m_round.removeAll(path);
}

void PhotoPlaylist::shuffle()
{
    m_round = m_paths;
    std::shuffle(m_round.begin(), m_round.end(), m_random);
    if (m_round.size() > 1 && m_round.constFirst() == m_last)
        m_round.swapItemsAt(0, m_round.size() - 1);
}
