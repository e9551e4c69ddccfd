#include "documenttable.h"

#include "documentviewer.h"
#include "core/errortable.h"
#include "core/session.h"
#include "platform/base/mediafs.h"
#include "platform/base/platformbundle.h"

namespace {
// The program title, the blanks and the document's name.
QString titled(int blanks, const QString &name)
{
    return ProgramTitle + QString(blanks, u' ') + name;
}

const QString ScreenSaverHelp = QStringLiteral("SSCommand5");
}

const QList<DocumentEntry> &documentTable()
{
    static const QList<DocumentEntry> table{
        { QStringLiteral("mnuIntro"),    QStringLiteral("\\RichText\\introduction.rtf"),            titled(7, QStringLiteral("Introduction")),            QStringLiteral("ER007") },
        { QStringLiteral("mnuNotice"),   QStringLiteral("\\richtext\\notice.rtf"),                  titled(7, QStringLiteral("Notice")),                  QStringLiteral("ER025") },
        { QStringLiteral("mnuCredits"),  QStringLiteral("\\richtext\\credits.rtf"),                 titled(7, QStringLiteral("Credits")),                 QStringLiteral("ER010") },
        { QStringLiteral("mnuContrib"),  QStringLiteral("\\richtext\\contrib.rtf"),                 titled(7, QStringLiteral("Contributions")),           QStringLiteral("ER053") },
        { QStringLiteral("mnuRegister"), QStringLiteral("\\RichText\\Register.rtf"),                QStringLiteral("Quillon Software Registration Form"), QStringLiteral("ER008") },
        { QStringLiteral("mnuWallPaper"), QStringLiteral("\\richtext\\WallPaper Instructions.rtf"), titled(5, QStringLiteral("Wallpaper Instructions")),  QStringLiteral("ER008") },
        { QStringLiteral("mnuMisc(1)"),  QStringLiteral("\\RichText\\VireonAdsList.rtf"),           titled(7, QStringLiteral("Advertising Checklist")),   QStringLiteral("ER009") },
        { QStringLiteral("mnuMisc(3)"),  QStringLiteral("\\richtext\\2002_Press_Release.rtf"),      titled(7, QStringLiteral("2002 Press Release")),      QStringLiteral("ER009") },
        { ScreenSaverHelp,               QStringLiteral("\\richtext\\sshelp.rtf"),                  titled(7, QStringLiteral("Install Screen Saver Help")), QStringLiteral("ER052"), true },
    };
    return table;
}

std::optional<DocumentEntry> documentEntry(const QString &control)
{
    for (const DocumentEntry &entry : documentTable()) {
        if (entry.control == control)
            return entry;
    }
    return std::nullopt;
}

QStringList documentMenuEntries()
{
    QStringList names;
    for (const DocumentEntry &entry : documentTable()) {
        if (entry.control.startsWith(u"mnu"))
            names << entry.control;
    }
    return names;
}

std::optional<QString> documentPath(const MediaFs &fs, const QString &mediaRoot, const DocumentEntry &entry)
{
    if (!entry.lookedUpFirst)
        return mediaRoot + entry.path;
    const QString folder = entry.path.left(entry.path.lastIndexOf(u'\\') + 1);
    const QStringList found = fs.list(mediaRoot + entry.path);
    if (found.isEmpty())
        return std::nullopt;
    return mediaRoot + folder + found.constFirst();
}

void OpenDocument(Platform &platform, Session &session, MainWindowHost &host, const DocumentEntry &entry)
{
    session.errors.setErrorCode(entry.errorCode);
    const std::optional<QString> path = documentPath(platform.fs, session.roots.MediaRoot, entry);
    if (!path)
        return session.errors.reportError(ErrorReporter::Origin::Detected);
    if (!ShowDocument(platform, host, *path, entry.caption))
        session.errors.reportError(ErrorReporter::Origin::FailureHandler);
}

void ShowScreenSaverHelp(Platform &platform, Session &session, MainWindowHost &host)
{
    OpenDocument(platform, session, host, *documentEntry(ScreenSaverHelp));
}
