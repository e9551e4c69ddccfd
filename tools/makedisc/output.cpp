#include "output.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>

void Output::makeFolders(const QStringList &relativeFolders)
{
    for (const QString &folder : relativeFolders)
        if (!QDir(m_root).mkpath(folder))
            fail(QStringLiteral("cannot create folder %1").arg(folder));
}

void Output::write(const QString &relativePath, const QByteArray &bytes)
{
    QFile file(m_root + u'/' + relativePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        fail(QStringLiteral("cannot write %1: %2").arg(relativePath, file.errorString()));
}

void Output::writeJpeg(const QString &relativePath, const QImage &image, int quality)
{
    const QByteArray bytes = jpegBytes(image, quality);
    if (bytes.isEmpty())
        fail(QStringLiteral("cannot encode %1").arg(relativePath));
    else
        write(relativePath, bytes);
}

bool Output::failed() const
{
    QMutexLocker lock(&m_mutex);
    return !m_error.isEmpty();
}

QString Output::firstError() const
{
    QMutexLocker lock(&m_mutex);
    return m_error;
}

void Output::fail(const QString &message)
{
    QMutexLocker lock(&m_mutex);
    if (m_error.isEmpty())
        m_error = message;
}

QByteArray jpegBytes(const QImage &image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    if (!writer.write(image))
        return {};
    return bytes;
}
