#pragma once

#include <QString>

// The fixed rules of copying the disc's media to the hard disk: job sizes,
// chunk arithmetic, the gauges' percentages and the texts of the copy panel.
namespace CopyRules {

// The media copy reads and writes 25000 bytes at a time, the single-file
// copy of the screen-saver photo window 1000.
inline constexpr qint64 MediaChunk = 25000;
inline constexpr qint64 GaugeChunk = 1000;

// The free space a job needs, and the total its job gauge runs up to.
qint64 neededBytes(bool photos);
qint64 jobTotal(bool photos);

// A file of size bytes in chunks: the number of full chunks and the rest.
// Counted in 64 bits, so a file of any size has a chunk count.
struct ChunkPlan
{
    qint64 chunks = 0;
    qint64 rest = 0;
    bool operator==(const ChunkPlan &) const = default;
};
ChunkPlan chunkPlan(qint64 size, qint64 chunkSize);

// The file gauge after chunk i: chunkSize x i / size x 100, as a whole
// percentage (truncated; a gauge never reads 100 before the file is done).
int fileGaugePercent(qint64 chunkSize, qint64 chunk, qint64 size);
// The job gauge: 100 - remaining / total x 100, whole, kept within 0..100
// (a job that copies more than its fixed total stays at 100).
int jobGaugePercent(qint64 remaining, qint64 total);

// The pattern "###,###,###": thousands separators, no leading zeros, and
// nothing at all for 0.
QString formatThousands(qint64 value);
// The free-space figure of the refusal: whole kilobytes counted as 1000
// bytes, an estimate below the true value.
qint64 availableFromFree(qint64 freeBytes);
// "Not enough available hard disk space to copy photos." ...
QString refusalMessage(qint64 available, qint64 needed);

QString copyAgainQuestion();
// "Photos successfully copied!" or "Movies successfully copied!", and a line break.
QString copiedMessage(bool photos);
// What a job with failed files says instead.
QString failedMessage(bool photos, int failed, int total);

} // namespace CopyRules
