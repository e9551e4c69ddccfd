#pragma once

#include "output.h"

// The five movies of disc/movies: a car crossing a landscape under the
// movie's title, with the sound of it passing by.
void addMovieJobs(Jobs &jobs, Output &output);
