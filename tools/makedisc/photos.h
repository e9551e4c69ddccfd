#pragma once

#include "catalog.h"
#include "output.h"

#include <QImage>

// The photographs of every year and category, in disc/birds.
QImage drawPhoto(const Layout::Group &group, const Layout::Photo &photo);
void addPhotoJobs(Jobs &jobs, Output &output);
