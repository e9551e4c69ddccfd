#pragma once

#include "catalog.h"
#include "output.h"
#include "wavwriter.h"

#include <QImage>

// The five movies of disc/movies: a car crossing a landscape under the
// movie's title, with the sound of it passing by. Each movie is stored with
// another of the period's compressors (Motion JPEG, Cinepak, MS Video-1) and
// sound formats (16- and 8-bit PCM, MS and IMA ADPCM).
void addMovieJobs(Jobs &jobs, Output &output);

// What the movies hold before compression: the pictures of one, and the
// sound all five share.
QList<QImage> moviePictures(const Layout::Movie &entry);
Wav::Audio movieSound();
