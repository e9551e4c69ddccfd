#include "photoindex.h"

#include "contentcatalog.h"
#include "errorreporter.h"
#include "platform/base/mediafs.h"

#include <algorithm>

PhotoIndex::PhotoIndex(const QString &photoRoot, const QStringList &fileNames)
    : m_folder(photoRoot + MediaFolders::Photos)
{
    m_names.reserve(fileNames.size());
    for (const QString &name : fileNames)
        m_names.append(name.toUpper());
    // Plain code-unit order, the order an exchange sort over the same names
    // leaves; equal names are interchangeable, so stability does not matter.
    std::sort(m_names.begin(), m_names.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseSensitive) < 0; });
    m_numbers.reserve(m_names.size());
    for (qsizetype i = 0; i < m_names.size(); ++i) {
        const bool sameGroup = i > 0 && m_names[i].left(2) == m_names[i - 1].left(2);
        m_numbers.append(sameGroup ? m_numbers.constLast() + 1 : 1);
    }
}

QString PhotoIndex::pathAt(int position) const
{
    if (position < 1 || position > Count())
        return {};
    return m_folder + m_names[position - 1];
}

QString PhotoIndex::fileNameAt(int position) const
{
    if (position < 1 || position > Count())
        return {};
    return m_names[position - 1];
}

QString PhotoIndex::groupCodeAt(int position) const
{
    return fileNameAt(position).left(2);
}

QString PhotoIndex::numberAt(int position) const
{
    if (position < 1 || position > Count())
        return {};
    return QString::number(m_numbers[position - 1]);
}

PhotoIndex BuildPhotoIndex(const MediaFs &fs, const QString &photoRoot, ErrorReporter &errors)
{
    for (;;) {
        errors.setErrorCode(QStringLiteral("ER037"));
        // A root without a photo folder, or one without photographs, gives an
        // empty index; a root that is gone (disc removed) or a photo folder
        // that cannot be read is a failure.
        if (fs.isFolder(photoRoot)) {
            if (const auto names = fs.listing(photoRoot + MediaFolders::Photos + QStringLiteral("*.jpg")))
                return PhotoIndex(photoRoot, *names);
        }
        errors.reportError(ErrorReporter::Origin::FailureHandler);
    }
}
