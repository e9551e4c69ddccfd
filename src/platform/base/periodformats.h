#pragma once

#include "aviheader.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The video and sound formats of the disc's movies, what plays each of them
// through GStreamer and which Debian package brings that.
struct PeriodFormat
{
    enum Kind { Video, Sound };

    QString name; // "Indeo 5"
    Kind kind;
    QList<QByteArray> fourCcs; // video: the FourCCs writers used for it, upper case
    quint16 formatTag = 0; // sound: the wave format tag...
    int bitsPerSample = 0; // ...and the sample size, where it tells formats apart
    QStringList elements; // GStreamer elements, any one of which plays the format
    QString package; // the Debian package that supplies the first of them

    QString title() const; // "Indeo 5 video"
};

// Cinepak, Indeo 3, 4 and 5, MS Video-1 and Motion JPEG video; MS ADPCM,
// IMA ADPCM and 8-bit PCM sound: the formats the movie check lists.
const QList<PeriodFormat> &periodFormats();

// The format of a video FourCC (compared without regard to case), or of a
// wave format tag with its sample size. Besides the listed formats these know
// the others of the time a movie in their place may use (uncompressed and RLE
// pictures, Indeo 2, TrueMotion, UltiMotion, MS MPEG-4; PCM of any size,
// A-law, mu-law, GSM 6.10, TrueSpeech, Yamaha ADPCM, MPEG audio); nothing for
// any other.
const PeriodFormat *videoFormatOf(QByteArrayView fourCc);
const PeriodFormat *soundFormatOf(quint16 formatTag, int bitsPerSample);

// Answers whether GStreamer here has a usable element of that name.
using ElementProbe = std::function<bool(const QString &element)>;

bool canPlay(const PeriodFormat &format, const ElementProbe &hasElement);

// One line per listed format: whether it can be played here and, if not,
// which package to install.
QString formatReport(const ElementProbe &hasElement);

// "no decoder for Indeo 5 video (package gstreamer1.0-libav)"
QString missingDecoderMessage(const PeriodFormat &format);

// Why a movie with these streams cannot be played here, video first; empty
// when it can. An unknown video FourCC counts as undecodable; a blank one in
// both headers means uncompressed pictures.
QStringList movieProblems(const AviStreams &streams, const ElementProbe &hasElement);
