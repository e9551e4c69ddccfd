#pragma once

#include "output.h"

// The photographs of every year and category, in disc/birds.
void addPhotoJobs(Jobs &jobs, Output &output);
