#pragma once

#include <QString>
#include <array>

// The sound effects of the panel pnlSound: the name shown beside play button
// i and the wave file it plays from the disc's "\wav\" folder. Several names
// do not echo their file ("Traffic" plays horns.wav); the pairs are as the
// disc was made.
struct SoundEffect
{
    QString name;
    QString fileName;
};

constexpr int SoundCount = 29;

const std::array<SoundEffect, SoundCount> &soundTable();

// MediaRoot + "\wav\" + the file of index 0..28.
QString soundPath(const QString &mediaRoot, int index);
