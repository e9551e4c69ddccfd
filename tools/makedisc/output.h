#pragma once

#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QStringList>

class QImage;

// The folder a disc is generated into. Files are written by relative path
// ("disc/birds/55010.jpg"), possibly from several threads at once; the first
// failure is kept and reported once the work is done.
class Output
{
public:
    explicit Output(const QString &root) : m_root(root) {}

    const QString &root() const { return m_root; }
    void makeFolders(const QStringList &relativeFolders);
    void write(const QString &relativePath, const QByteArray &bytes);
    void writeJpeg(const QString &relativePath, const QImage &image, int quality = 80);

    void fail(const QString &message);
    bool failed() const;
    QString firstError() const;

private:

    QString m_root;
    mutable QMutex m_mutex;
    QString m_error;
};

// Encodes an image as JPEG at the given quality; empty on failure.
QByteArray jpegBytes(const QImage &image, int quality);

#include <functional>

// Independent pieces of work, one per file or small set of files; they may
// run in any order on any thread.
using Jobs = QList<std::function<void()>>;
