#pragma once

#include <QList>
#include <QSize>
#include <QString>

class QTextStream;

// One part of the viewers' benchmark: it prints its own figures.
struct BenchSection
{
    const char *name;
    void (*run)(QTextStream &out);
};

double median(QList<double> values);
double maximum(const QList<double> &values);
// A photograph-like JPEG: gradients and lines, so that it has a realistic size and decoding cost.
void writeBenchPhoto(const QString &file, QSize size, int seed);
