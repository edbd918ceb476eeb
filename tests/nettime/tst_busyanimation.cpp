#include "nettime/BusyAnimation.h"

#include <QTest>

// The busy animation plays its frames in order, as often as asked, and rests on the
// first frame when stopped.
class BusyAnimationTest : public QObject
{
    Q_OBJECT
private slots:
    void playsTheRangeAsOftenAsAsked();
    void stopRestsOnTheFirstFrame();
};

void BusyAnimationTest::playsTheRangeAsOftenAsAsked()
{
    BusyAnimation animation;
    QVERIFY(!animation.accessibleName().isEmpty());
    animation.Play(animation.StartFrame, animation.StopFrame, 2);
    QList<int> frames{animation.currentFrame()};
    while (animation.isPlaying()) {
        QTest::qWait(BusyAnimation::frameInterval / 4);
        if (animation.currentFrame() != frames.last())
            frames << animation.currentFrame();
    }
    QCOMPARE(frames, QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 1, 2, 3, 4, 5, 6, 7, 8}));
    QCOMPARE(animation.currentFrame(), 8); // a clip that has played out stays on its last frame
}

void BusyAnimationTest::stopRestsOnTheFirstFrame()
{
    BusyAnimation animation;
    animation.Play(1, 8, 80);
    QTRY_VERIFY(animation.currentFrame() >= 3);
    animation.Stop();
    QVERIFY(!animation.isPlaying());
    QCOMPARE(animation.currentFrame(), 1);
    QCOMPARE(animation.repetitionsLeft(), 0);
}

QTEST_MAIN(BusyAnimationTest)
#include "tst_busyanimation.moc"
