#pragma once

#include "photoexportrules.h"

#include <QImage>
#include <QString>

class SSPanel;
struct Platform;

// SSCommand4 of the photo window: asks for a destination with the save
// dialog (again after a refused one) and copies the photograph there with
// the gauge. source is the photograph's media path, photoFolder the media
// path of the photo folder (PhotoRoot + "\birds\").
void copyPhotoToDisk(Platform &platform, const QString &source, const QString &photoFolder, SSPanel &gauge);

// The printed page of the photograph on screen, after the question; where no
// printer is set up the page is saved as a PDF file, and the user is told where.
void printPhoto(Platform &platform, const QImage &picture, const QString &selectionLabel,
                PhotoExportRules::PrintHeading heading);
