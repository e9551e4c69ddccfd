#include "gaugedcopy.h"

#include "copyrules.h"
#include "core/errortable.h"
#include "platform/base/platformbundle.h"
#include "platform/ui/sspanel.h"

#include <QPointer>

void setGauge(SSPanel &gauge, int percent, bool withCaption)
{
    if (gauge.floodPercent() != percent)
        gauge.setFloodPercent(percent);
    // Read back rather than formatted: this runs after every chunk.
    bool captioned = false;
    if (withCaption && (gauge.caption().toInt(&captioned) != percent || !captioned))
        gauge.setCaption(QString::number(percent));
}

void showCopyFailure(Platform &platform, CopyFailure failure)
{
    if (failure == CopyFailure::None || failure == CopyFailure::Stopped)
        return;
    platform.dialogs.message({ ProgramTitle, failureDescription(failure), Dialogs::Buttons::Ok, Dialogs::Icon::None });
}

bool CopyFileWithGauge(Platform &platform, const QString &source, const QString &destination, SSPanel &gauge)
{
    EventPump::Loop loop(platform.events, QStringLiteral("CopyFileWithGauge"));
    if (!loop.entered())
        return false;
    QPointer<SSPanel> shown(&gauge);
    CopySteps steps;
    steps.afterChunk = [&](qint64 chunk, qint64 size) {
        setGauge(gauge, CopyRules::fileGaugePercent(CopyRules::GaugeChunk, chunk, size), false);
    };
    steps.afterPiece = [&] {
        platform.events.processPendingEvents();
        return !shown.isNull();
    };
    const CopyFailure failure
        = copyMediaFile(platform.fs, source, destination, CopyRules::GaugeChunk, steps);
    showCopyFailure(platform, failure);
    return failure == CopyFailure::None;
}
