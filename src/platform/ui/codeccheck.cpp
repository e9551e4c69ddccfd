#include "codeccheck.h"

#include "platform/base/aviheader.h"
#include "platform/base/periodformats.h"

#include <gst/gst.h>

namespace CodecCheck {

bool hasElement(const QString &name)
{
    // gst_init_check may be called again after the media player started
    // GStreamer; it then only reports that it is running.
    static const bool started = gst_init_check(nullptr, nullptr, nullptr);
    if (!started)
        return false;
    GstPluginFeature *feature
        = gst_registry_find_feature(gst_registry_get(), name.toUtf8().constData(), GST_TYPE_ELEMENT_FACTORY);
    if (!feature)
        return false;
    const bool usable = gst_plugin_feature_get_rank(feature) > GST_RANK_NONE;
    gst_object_unref(feature);
    return usable;
}

QString periodFormatReport()
{
    return formatReport(hasElement);
}

QStringList movieProblems(const QString &path)
{
    QString error;
    const std::optional<AviStreams> streams = readAviStreamsFromFile(path, &error);
    if (!streams)
        return { error };
    return ::movieProblems(*streams, hasElement);
}

} // namespace CodecCheck
