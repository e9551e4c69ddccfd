#include "harness.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

TestServices::TestServices(const QString &disc, const QString &printed, QSize screenPixels)
    : fs(DriveMap({ { u'E', disc } }))
    , screen(screenPixels)
    , media(std::make_shared<MediaLog>())
    , printer(printed)
    , platform{ fs, dialogs, settings, screen, desktop, recordingMediaControls(media), printer, clipboard, events }
    , session(dialogs)
{
    session.roots.MediaRoot = QStringLiteral("E:");
}

Harness::Harness(const QTemporaryDir &dir, QSize screenPixels)
    : TestServices(dir.filePath(QStringLiteral("disc")), dir.filePath(QStringLiteral("printed")), screenPixels)
    , instance(dir.filePath(QStringLiteral("lock")))
    , startup(platform, session, instance)
{
    session.roots.ProgramFolder = dir.filePath(QStringLiteral("program"));
}

void touchFile(const QString &file)
{
    QDir().mkpath(QFileInfo(file).path());
    QFile(file).open(QIODevice::WriteOnly);
}

void writePhoto(const QString &file, QSize size)
{
    QDir().mkpath(QFileInfo(file).path());
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(40, 90, 160));
    image.save(file, "JPG");
}
