#include "FakeTimeSource.h"
#include "MessageCollector.h"
#include "pages/AstronomicalPage.h"
#include "shell/GradientCaption.h"
#include "shell/MainForm.h"
#include "shell/PopupHints.h"
#include "shell/SmallDisplay.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <memory>

// Builds the main window as the program does, on a fake clock, in a scratch working
// directory that holds the side files (or not) and with a scratch settings folder.
struct Window {
    explicit Window(QDate date = QDate(1999, 7, 1), QTime time = QTime(13, 5, 9),
                    bool withSideFiles = true)
    {
        QDir::setCurrent(workDir.path());
        if (withSideFiles) {
            QFile hosts(workDir.filePath(QStringLiteral("mdhosts.txt")));
            hosts.open(QIODevice::WriteOnly);
            hosts.write("localhost\r\n");
        }
        clock.setLocal(date, time, 2 * 3600);
        Services services;
        services.clock = &clock;
        services.settingsFile = settingsDir.filePath(QStringLiteral("Meridane.ini"));
        form = std::make_unique<TMainForm>(services);
        form->setSmallDisplay(&smallDisplay);
    }
    ~Window() { QDir::setCurrent(previousDir); }

    QString previousDir = QDir::currentPath();
    QTemporaryDir workDir;
    FakeTimeSource clock;
    QTemporaryDir settingsDir;
    TForm3 smallDisplay;
    std::unique_ptr<TMainForm> form;
};

class MainWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void frameAsDesigned();
    void clockHiddenUntilFirstTick();
    void creationFailureIsReportedAndTheWindowStillWorks();
    void tickWritesEveryText();
    void twentyFourHourModeTakesEffectNextTick();
    void titleNeverChanges();
    void hintUnderPointerShowsInStatusBar();
    void hintsMenuSwitchesPopupHints();
    void clocksAreReadableByAssistiveTechnology();
};

void MainWindowTest::frameAsDesigned()
{
    Window w;
    TMainForm &form = *w.form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Meridane"));
    QCOMPARE(form.TimeDisp->text(), QStringLiteral("00:00:00pm"));
    QCOMPARE(form.Display24Hour->isChecked(), false);
    QCOMPARE(form.Synch->width(), form.ToolBar1->width() - 4);

    const QStringList names = {"International", "Internet", "LocalTime",
                               "Astronomical", "StopWatch", "Y2K"};
    const QStringList captions = {"International Time", "Network Time", "Calendar",
                                  "Astronomical", "StopWatch", "Y2K"};
    const QStringList hints = {"Display the time in various cities of the world",
                               "Synchronize to one of many Internet time servers",
                               "Display the local time and date",
                               "Display current astronomcal events", "Run a stop watch", ""};
    QCOMPARE(form.PageControl1->count(), 6);
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(form.PageControl1->widget(i)->objectName(), names[i]);
        QCOMPARE(form.PageControl1->tabText(i), captions[i]);
        QCOMPARE(form.PageControl1->tabToolTip(i), hints[i]);
    }
    // The creation handler leaves the Calendar page in front.
    QCOMPARE(form.PageControl1->currentWidget(), form.LocalTime);
    QVERIFY(form.FirstTick);
    QVERIFY(!form.Timer1.isActive());
    QCOMPARE(w.smallDisplay.isVisible(), false);
    QVERIFY(w.smallDisplay.findChild<QObject *>(QStringLiteral("CT6")));
    QVERIFY(w.smallDisplay.findChild<QObject *>(QStringLiteral("city6")));
}

void MainWindowTest::clockHiddenUntilFirstTick()
{
    Window w;
    w.form->show();
    QVERIFY(w.form->Timer1.isActive()); // the show handler starts the tick
    QVERIFY(!w.form->TimeDisp->isVisible());
    QVERIFY(w.form->FirstTick);

    w.form->Timer1Timer();
    QVERIFY(w.form->TimeDisp->isVisible());
    QVERIFY(!w.form->FirstTick);
}

void MainWindowTest::creationFailureIsReportedAndTheWindowStillWorks()
{
    MessageCollector messages;
    Window w(QDate(1999, 7, 1), QTime(13, 5, 9), /*withSideFiles=*/false);

    QCOMPARE(messages.texts(), QStringList{QStringLiteral("Cannot open file mdhosts.txt")});
    QCOMPARE(messages.messages.first().kind, UserMessage::Kind::Error);
    // The steps after the failing one did not run.
    QVERIFY(!w.form->FirstTick);

    w.form->show();
    QVERIFY(w.form->isVisible());
    QVERIFY(w.form->Timer1.isActive());
    w.form->Timer1Timer();
    QCOMPARE(w.form->TimeDisp->text(), QStringLiteral(" 1:05:09pm"));
}

void MainWindowTest::tickWritesEveryText()
{
    Window w(QDate(1999, 12, 31), QTime(13, 5, 9));
    w.clock.utc = QDateTime(QDate(1999, 12, 31), QTime(3, 7, 0), Qt::UTC);
    w.form->show();
    w.form->Timer1Timer();

    TMainForm &form = *w.form;
    QCOMPARE(form.TimeDisp->text(), QStringLiteral(" 1:05:09pm"));
    QCOMPARE(form.TimeDisp->font().pointSize(), 42);
    QCOMPARE(form.RxGradientCaption1->caption(), QStringLiteral("Meridane - Local Time is  1:05:09"));
    QCOMPARE(w.smallDisplay.windowTitle(), QStringLiteral("Meridane - Local Time is  1:05:09"));
    QCOMPARE(form.applicationTitle(), QStringLiteral("Meridane -  1:05:09"));
    QCOMPARE(form.windowIconText(), QStringLiteral("Meridane -  1:05:09"));
    QCOMPARE(form.Astronomical->UTC->text(), QStringLiteral("03:07:00"));
    QCOMPARE(form.CurrentLocalDateTime, WallTime::of(QDate(1999, 12, 31), QTime(13, 5, 9)));

    // The next second is read afresh: every text follows the clock, not a counter.
    w.clock.advance(1000);
    form.Timer1Timer();
    QCOMPARE(form.TimeDisp->text(), QStringLiteral(" 1:05:10pm"));
    QCOMPARE(form.Astronomical->UTC->text(), QStringLiteral("03:07:01"));
    QCOMPARE(form.CurrentLocalDateTime, WallTime::of(QDate(1999, 12, 31), QTime(13, 5, 10)));
}

void MainWindowTest::twentyFourHourModeTakesEffectNextTick()
{
    Window w(QDate(2000, 1, 1), QTime(0, 5, 9));
    w.form->show();
    w.form->Timer1Timer();
    QCOMPARE(w.form->TimeDisp->text(), QStringLiteral("12:05:09am"));

    w.form->Display24Hour->setChecked(true);
    QCOMPARE(w.form->TimeDisp->text(), QStringLiteral("12:05:09am"));
    w.form->Timer1Timer();
    QCOMPARE(w.form->TimeDisp->text(), QStringLiteral(" 0:05:09"));
    QCOMPARE(w.form->TimeDisp->font().pointSize(), 48);
    QCOMPARE(w.form->RxGradientCaption1->caption(),
             QStringLiteral("Meridane - Local Time is  0:05:09"));
}

void MainWindowTest::titleNeverChanges()
{
    Window w;
    w.form->show();
    for (int i = 0; i < 3; ++i) {
        w.form->Timer1Timer();
        w.clock.advance(1000);
    }
    QCOMPARE(w.form->windowTitle(), QStringLiteral("Meridane"));
}

void MainWindowTest::hintUnderPointerShowsInStatusBar()
{
    Window w;
    w.form->show();
    // Qt sends the hint of the control under the pointer; unhandled, it travels to the window.
    QStatusTipEvent tip(w.form->Display24Hour->statusTip());
    QApplication::sendEvent(w.form->Display24Hour, &tip);
    QCOMPARE(w.form->SB->currentMessage(),
             QStringLiteral("Check for military time here and on the International Page"));
    QCOMPARE(w.form->Display24Hour->toolTip(), w.form->Display24Hour->statusTip());

    QStatusTipEvent none{QString()};
    QApplication::sendEvent(w.form->TimeDisp, &none);
    QCOMPARE(w.form->SB->currentMessage(), QString());
}

void MainWindowTest::hintsMenuSwitchesPopupHints()
{
    Window w;
    w.form->show();
    QVERIFY(PopupHintsEnabled());
    w.form->Hints1->trigger();
    QVERIFY(!w.form->Hints1->isChecked());
    QVERIFY(!PopupHintsEnabled());
    // The status bar keeps showing hints with the pop-ups off.
    QStatusTipEvent tip(w.form->TimeDisp->statusTip());
    QApplication::sendEvent(w.form->TimeDisp, &tip);
    QCOMPARE(w.form->SB->currentMessage(), QStringLiteral("Current local time"));

    w.form->Hints1->trigger();
    QVERIFY(w.form->Hints1->isChecked());
    QVERIFY(PopupHintsEnabled());
}

void MainWindowTest::clocksAreReadableByAssistiveTechnology()
{
    Window w;
    w.form->show();
    w.form->Timer1Timer();
    QAccessibleInterface *clock = QAccessible::queryAccessibleInterface(w.form->TimeDisp);
    QVERIFY(clock);
    QCOMPARE(clock->text(QAccessible::Name), QStringLiteral(" 1:05:09pm"));
    QAccessibleInterface *caption = QAccessible::queryAccessibleInterface(w.form->RxGradientCaption1);
    QVERIFY(caption);
    QCOMPARE(caption->text(QAccessible::Name), QStringLiteral("Meridane - Local Time is  1:05:09"));
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
