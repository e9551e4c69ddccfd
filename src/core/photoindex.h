#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class ErrorReporter;
class MediaFs;

// Every photograph of the anthology: PhotoRoot + "\birds\" + NAME (upper
// case), sorted by plain character-code order of the names (model years
// first, then "A2", then the categories by code), each with its number
// within its group. Positions are 1-based; position Count + 1 is an empty
// entry that never matches a group code.
class PhotoIndex
{
public:
    PhotoIndex() = default;
    // Builds the index from the file names of one folder (any case, any order).
    PhotoIndex(const QString &photoRoot, const QStringList &fileNames);

    int Count() const { return int(m_names.size()); }
    // Full path of the entry; empty at Count + 1 (and outside 1..Count + 1).
    QString pathAt(int position) const;
    // The upper-case file name, the part after "\birds\".
    QString fileNameAt(int position) const;
    // The first two characters of the file name; empty for the empty entry.
    QString groupCodeAt(int position) const;
    // The number within its group as decimal text ("1", "2", ...).
    QString numberAt(int position) const;

private:
    QString m_folder; // PhotoRoot + "\birds\"
    QStringList m_names;
    QList<int> m_numbers;
};

// Reads PhotoRoot + "\birds\*.jpg" into the index. Sets ErrorCode "ER037"; a
// folder that cannot be read is reported (Retry reads again, Cancel ends the program).
PhotoIndex BuildPhotoIndex(const MediaFs &fs, const QString &photoRoot, ErrorReporter &errors);
