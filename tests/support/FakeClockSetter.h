#pragma once

#include "platform/ClockSetter.h"

#include <QList>
#include <mutex>

// Records each instant the program would set the clock to, and sets nothing. Safe to call
// from the synchronisation's worker thread.
class FakeClockSetter final : public ClockSetter
{
public:
    void setClock(qint64 secondsSince1970) override
    {
        std::lock_guard lock(m_mutex);
        m_instants.append(secondsSince1970);
    }
    QList<qint64> instants() const
    {
        std::lock_guard lock(m_mutex);
        return m_instants;
    }

private:
    mutable std::mutex m_mutex;
    QList<qint64> m_instants;
};
