#include "platform/ClockSetterTimedated.h"

#include <QDBusMessage>

TimedatedClockSetter::TimedatedClockSetter(const QDBusConnection &bus) : m_bus(bus) {}

void TimedatedClockSetter::setClock(qint64 secondsSince1970)
{
    if (!m_bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("/org/freedesktop/timedate1"),
        QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("SetTime"));
    const qint64 microseconds = secondsSince1970 * 1000000;
    const bool relative = false;
    const bool interactive = true;
    call << QVariant::fromValue(microseconds) << relative << interactive;
    call.setInteractiveAuthorizationAllowed(true);
    m_bus.send(call);
}
