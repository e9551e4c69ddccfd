#pragma once

#include "main/mainwindow.h"
#include "support/harness.h"
#include "support/windowtest.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// The main window after start-up on a small disc: photographs of 1955 (the
// first large enough for several chunks), 1966 and 2002, two movies, and a
// program folder with the intro sound and the screen-saver program. The
// Windows directory stand-in is "<dir>/windows".
class LibraryFixture
{
public:
    LibraryFixture()
    {
        for (const char *name : { "55010.jpg", "55020.jpg", "55030.jpg", "66010.jpg", "A2010.jpg" })
            writePhoto(disc(QStringLiteral("birds/") + QLatin1String(name)));
        append(disc(QStringLiteral("birds/55010.jpg")), 60000);
        append(disc(QStringLiteral("movies/intro.avi")), 70000);
        append(disc(QStringLiteral("movies/road.avi")), 3000);
        touchFile(program(QStringLiteral("passby.wav")));
        append(program(QStringLiteral("Vireon.scr")), 5000);
        run.desktop.windowsFolder = dir.filePath(QStringLiteral("windows"));
        run.startup.run({});
        run.startup.Timer1_Timer();
        window = run.startup.mainWindow();
        run.dialogs.clear();
    }
    ~LibraryFixture() { window->close(); }

    QString disc(const QString &relative) const { return dir.filePath(QStringLiteral("disc/") + relative); }
    QString program(const QString &relative = QString()) const
    {
        return dir.filePath(QStringLiteral("program/") + relative);
    }
    void menu(const char *name) const { window->menu(QLatin1String(name))->trigger(); }
    QStringList files(const QString &folder) const { return QDir(folder).entryList(QDir::Files | QDir::Hidden); }
    // The texts of the boxes shown so far, in order.
    QStringList texts() const
    {
        QStringList shown;
        for (const Dialogs::Message &box : run.dialogs.shown())
            shown << box.text;
        return shown;
    }

    static void append(const QString &file, int bytes)
    {
        QDir().mkpath(QFileInfo(file).path());
        QFile out(file);
        out.open(QIODevice::Append);
        out.write(QByteArray(bytes, 'v'));
    }
    static QByteArray contents(const QString &file)
    {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    Harness run{ dir };
    MainWindow *window = nullptr;
};
