#pragma once

#include "output.h"

// The scanned pages of each year's showroom brochure and advertisements.
void addPageJobs(Jobs &jobs, Output &output);
