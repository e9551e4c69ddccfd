#include "eventpump.h"

#include <QCoreApplication>

EventPump::Loop::Loop(EventPump &pump, const QString &name)
    : m_pump(pump)
    , m_name(name)
    , m_entered(!pump.m_running.contains(name))
{
    if (m_entered)
        m_pump.m_running.insert(name);
}

EventPump::Loop::~Loop()
{
    if (m_entered)
        m_pump.m_running.remove(m_name);
}

void QtEventPump::processPendingEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtEventPump::waitForEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}
