#pragma once

#include "output.h"

// The pictures laid over the main photograph (script lettering, emblem and
// clip-art strip of each year) and the artwork of the printed booklet's cover.
void addArtworkJobs(Jobs &jobs, Output &output);
