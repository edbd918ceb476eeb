#include "nettime/BusyAnimation.h"

#include <QPainter>
#include <QtMath>
#include <algorithm>

BusyAnimation::BusyAnimation(QWidget *parent) : QWidget(parent)
{
    setAccessibleName(QStringLiteral("Searching for a time server"));
    m_timer.setInterval(frameInterval);
    connect(&m_timer, &QTimer::timeout, this, &BusyAnimation::advance);
}

void BusyAnimation::Play(int from, int to, int repetitions)
{
    m_from = std::clamp(from, 1, frameCount);
    m_to = std::clamp(to, m_from, frameCount);
    m_frame = m_from;
    m_repetitionsLeft = std::max(repetitions, 1);
    m_timer.start();
    update();
}

void BusyAnimation::Stop()
{
    m_timer.stop();
    m_repetitionsLeft = 0;
    m_frame = StartFrame;
    update();
}

void BusyAnimation::advance()
{
    if (m_frame < m_to) {
        ++m_frame;
    } else if (--m_repetitionsLeft > 0) {
        m_frame = m_from;
    } else {
        m_timer.stop();
        return;
    }
    update();
}

void BusyAnimation::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(2, 2, -2, -2);

    // The computer: a screen on a stand.
    const QRectF screen(area.left() + area.width() * 0.08, area.top() + area.height() * 0.05,
                        area.width() * 0.84, area.height() * 0.62);
    painter.setPen(QPen(QColor(64, 64, 64), 1.5));
    painter.setBrush(QColor(192, 192, 192));
    painter.drawRoundedRect(screen, 3, 3);
    painter.setBrush(QColor(0, 0, 128));
    painter.drawRect(screen.adjusted(4, 4, -4, -4));
    const QRectF stand(screen.center().x() - area.width() * 0.12, screen.bottom(),
                       area.width() * 0.24, area.height() * 0.12);
    painter.setBrush(QColor(160, 160, 160));
    painter.drawRect(stand);
    painter.drawRect(QRectF(area.left() + area.width() * 0.2, stand.bottom(), area.width() * 0.6,
                            area.height() * 0.1));

    // The glass circles over the screen, one eighth of a turn per frame.
    const double angle = (m_frame - 1) * 2 * M_PI / frameCount;
    const QPointF centre = screen.center() + QPointF(std::cos(angle) * screen.width() * 0.22,
                                                     std::sin(angle) * screen.height() * 0.22);
    const double radius = std::min(area.width(), area.height()) * 0.16;
    painter.setPen(QPen(QColor(128, 64, 0), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(radius * 0.7, radius * 0.7),
                     centre + QPointF(radius * 1.6, radius * 1.6));
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(QColor(200, 230, 255, 190));
    painter.drawEllipse(centre, radius, radius);
}
