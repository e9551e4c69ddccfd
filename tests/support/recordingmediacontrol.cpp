#include "recordingmediacontrol.h"

#include <QWidget>

using namespace Qt::StringLiterals;

RecordingMediaControl::RecordingMediaControl(std::shared_ptr<MediaLog> log)
    : m_log(std::move(log))
{
    m_log->controls.append(this);
}

RecordingMediaControl::~RecordingMediaControl()
{
    m_log->controls.removeOne(this);
}

void RecordingMediaControl::setDeviceType(const QString &deviceType)
{
    m_log->calls.append(u"deviceType="_s + deviceType);
}

void RecordingMediaControl::setFileName(const QString &nativeFileName)
{
    m_log->calls.append(u"fileName="_s + nativeFileName);
}

void RecordingMediaControl::setDisplayWindow(QWidget *window)
{
    m_window = window;
    m_log->calls.append(u"displayWindow="_s + (window ? window->objectName() : QString()));
}

void RecordingMediaControl::setWait(bool wait)
{
    m_log->calls.append(wait ? u"wait=true"_s : u"wait=false"_s);
}

bool RecordingMediaControl::command(const QString &command)
{
    m_log->calls.append(command);
    if (!m_log->answers.value(command, true))
        return false;
    if (command == u"open")
        m_mode = Mode::Open;
    else if (command == u"close")
        m_mode = Mode::NotOpen;
    else if (command == u"play" && m_mode != Mode::NotOpen)
        m_mode = Mode::Playing;
    else if (command == u"pause" && m_mode != Mode::NotOpen)
        m_mode = Mode::Paused;
    else if (command == u"stop" && m_mode != Mode::NotOpen)
        m_mode = Mode::Stopped;
    return true;
}

void RecordingMediaControl::done()
{
    m_mode = Mode::Stopped;
    if (m_onDone)
        m_onDone();
}

MediaControlFactory recordingMediaControls(std::shared_ptr<MediaLog> log)
{
    return [log] { return std::make_unique<RecordingMediaControl>(log); };
}
