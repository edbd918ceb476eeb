#include "shell/AnalogClock.h"

#include "platform/TimeSource.h"

#include <QPainter>
#include <QPainterPath>

AnalogClock::AnalogClock(const TimeSource &clock, QWidget *parent) : QWidget(parent), m_clock(clock)
{
    setAccessibleName(QStringLiteral("Analog clock"));
    connect(&m_timer, &QTimer::timeout, this, &AnalogClock::refresh);
    m_timer.start(1000);
    refresh();
}

void AnalogClock::refresh()
{
    const QTime now = m_clock.localNow().time();
    // Without a second hand the face only changes once a minute.
    const QTime minute(now.hour(), now.minute());
    if (minute != m_shown) {
        m_shown = minute;
        setAccessibleDescription(m_shown.toString(QStringLiteral("HH:mm")));
        update();
    }
}

void AnalogClock::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    // Single border, 2 pixels wide.
    painter.setPen(QPen(palette().color(QPalette::Dark), 2));
    painter.setBrush(palette().color(QPalette::Button));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));

    const int side = qMin(width(), height()) - 8;
    painter.translate(width() / 2.0, height() / 2.0);
    painter.scale(side / 200.0, side / 200.0);

    painter.setPen(QPen(QColor(128, 128, 128), 2));
    painter.setBrush(QColor(192, 192, 192));
    painter.drawEllipse(QPointF(0, 0), 96, 96);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::red);
    for (int hour = 0; hour < 12; ++hour) {
        painter.save();
        painter.rotate(hour * 30.0);
        painter.drawEllipse(QPointF(0, -84), hour % 3 == 0 ? 6 : 4, hour % 3 == 0 ? 6 : 4);
        painter.restore();
    }

    auto drawHand = [&](double degrees, double length, double width) {
        painter.save();
        painter.rotate(degrees);
        QPainterPath hand;
        hand.moveTo(-width, 8);
        hand.lineTo(0, -length);
        hand.lineTo(width, 8);
        hand.closeSubpath();
        painter.drawPath(hand);
        painter.restore();
    };
    painter.setBrush(Qt::black);
    drawHand(30.0 * ((m_shown.hour() % 12) + m_shown.minute() / 60.0), 50, 6);
    drawHand(6.0 * m_shown.minute(), 76, 4);
    painter.drawEllipse(QPointF(0, 0), 5, 5);
}
