#pragma once

#include <QList>
#include <QSize>
#include <QString>

class QTemporaryDir;
class QTextStream;

// One part of the viewers' benchmark: it prints its own figures.
struct BenchSection
{
    const char *name;
    void (*run)(QTextStream &out);
};

double median(QList<double> values);
double maximum(const QList<double> &values);
// The disc folder named as the first argument, or else the sample disc
// written into temp; empty, with the reason told to out, when it cannot be written.
QString benchDisc(int argc, char *argv[], const QTemporaryDir &temp, QTextStream &out);
// A photograph-like JPEG: gradients and lines, so that it has a realistic size and decoding cost.
void writeBenchPhoto(const QString &file, QSize size, int seed);
