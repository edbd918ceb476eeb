#pragma once

#include <QTime>
#include <QTimer>
#include <QWidget>

class TimeSource;

// An analog clock face that keeps the local time by itself: silver face, red dots for the
// hours, hour and minute hands, no second hand.
class AnalogClock : public QWidget
{
    Q_OBJECT
public:
    explicit AnalogClock(const TimeSource &clock, QWidget *parent = nullptr);

    QTime shownTime() const { return m_shown; }

public slots:
    void refresh();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const TimeSource &m_clock;
    QTimer m_timer;
    QTime m_shown;
};
