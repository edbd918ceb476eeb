#pragma once

#include <QTimer>
#include <QWidget>

// The busy animation shown while a synchronisation runs: a magnifying glass that searches
// across a computer, in eight frames. Like a clip control it plays a range of frames a
// number of times over and, when stopped, rests on its first frame.
class BusyAnimation : public QWidget
{
    Q_OBJECT
public:
    explicit BusyAnimation(QWidget *parent = nullptr);

    int StartFrame = 1;
    int StopFrame = 8;
    static constexpr int frameCount = 8;
    static constexpr int frameInterval = 100; // ms

    // Plays frames `from` to `to`, `repetitions` times over, then stays on the last.
    void Play(int from, int to, int repetitions);
    void Stop();

    bool isPlaying() const { return m_timer.isActive(); }
    int currentFrame() const { return m_frame; }
    int repetitionsLeft() const { return m_repetitionsLeft; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void advance();

    QTimer m_timer;
    int m_from = 1;
    int m_to = 8;
    int m_frame = 1;
    int m_repetitionsLeft = 0;
};
