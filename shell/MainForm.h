#pragma once

#include "nettime/DriftStatistics.h"
#include "platform/TimeSource.h"
#include "shell/Services.h"
#include "shell/WallTime.h"

#include <QMainWindow>
#include <QTimer>

class AnalogClock;
class GradientCaption;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QToolBar;
class TAstronomicalPage;
class TForm3;
class TInternationalPage;
class TNetworkTimePage;

// The main window: owns the frame, the timers and the order in which creation, show, tick
// and close run. Each page is a widget of its own, reached from here one call per step.
class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    explicit TMainForm(const Services &services, QWidget *parent = nullptr);
    ~TMainForm() override;

    // The small display window, created after this one; the tick fills it.
    void setSmallDisplay(TForm3 *smallDisplay);

    // The text of the task-bar button and the notification-area hint.
    QString applicationTitle() const { return m_applicationTitle; }

    // Whether a synchronisation started by Button1Click is still running.
    bool SynchRunning() const;

    // Controls, named as on the form.
    GradientCaption *RxGradientCaption1 = nullptr;
    QToolBar *ToolBar1 = nullptr;
    QPushButton *Synch = nullptr;
    QGroupBox *Time = nullptr;
    QLabel *TimeDisp = nullptr;
    QLabel *DayLightSavings = nullptr;
    QCheckBox *Display24Hour = nullptr;
    QPushButton *SmallButton = nullptr;
    AnalogClock *RxClock1 = nullptr;
    QTabWidget *PageControl1 = nullptr;
    TInternationalPage *International = nullptr;
    TNetworkTimePage *Internet = nullptr;
    QWidget *LocalTime = nullptr;
    TAstronomicalPage *Astronomical = nullptr;
    QWidget *StopWatch = nullptr;
    QWidget *Y2K = nullptr;
    QStatusBar *SB = nullptr;
    QMenu *FileMenu = nullptr;
    QMenu *HelpMenu = nullptr;
    QAction *ConfigureTimeServers1 = nullptr;
    QAction *SaveSettings1 = nullptr;
    QAction *Smalldisplayonminimize = nullptr;
    QAction *FileExitItem = nullptr;
    QAction *HelpContentsItem = nullptr;
    QAction *Hints1 = nullptr;
    QAction *HelpAboutItem = nullptr;

    QTimer Timer1; // the one-second tick
    QTimer Timer2; // the stopwatch, every 10 ms while it runs

    // State of the window.
    WallTime CurrentLocalDateTime;
    bool FirstTick = false;
    DriftStatistics Drift; // the synchronisation drift figure, stored with the settings

public slots:
    void Timer1Timer();
    void ShowHint(const QString &hint);
    void Restore1Click();
    void Button1Click();
    void SaveSettings1Click();
    void ConfigureTimeServers1Click();
    void FileExit();
    void Hints1Click();

protected:
    // What the automatic synchronisation triggers run: Button1Click. Tests count the calls
    // here instead of starting exchanges.
    virtual void RunAutoSynch();

    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildMenus();
    void BuildFrame();

    void FormCreate();
    void FormShow();
    void FormClose();

    // Steps of the handlers that belong to other features, in their fixed places.
    void InstallMinimizeHandler();
    void SetCurrentMonth();
    void ReadDayLightSavingName();
    void ShowCurrentMoonPhase();
    void ResetStopWatchTexts();
    void LoadSideTexts();
    void DisableStopButton();
    void SelectStartupSynchPeriod();
    void LoadServerListAtStart();
    void LoadTimeZones();
    void LoadSettings();
    void ReleaseLoadingObjects();
    void SaveSettings();
    void FreeZoneEntries();
    void SetCalendarDate();
    void HourlySynchTest(QTime local);
    void ComputeCountdown(const QDateTime &local);
    void UpdateCityClocks(const ClockReading &reading, bool display24Hour);
    void WriteCountdownTexts();
    void StartupSynchTest();
    void DailySynchTest(QTime local);

    Services m_services;
    TimeSource &m_clock;

    // ---- time zones ----

    // ---- settings ----
    // The stored colours of the countdown labels, held from the load to the save until the
    // countdown page shows them, so that a save never drops them. Blue, as the labels are built.
    qint32 m_y2kCountDownColor = 0xFF0000;
    qint32 m_y2kMonthCountDownColor = 0xFF0000;
    bool m_settingsLoaded = false; // the show handler applied the stored settings

    // ---- network time ----
    // The steps of a synchronisation, run on this window's thread in the exchange's order.
    void SynchStatus(const QString &text);
    void SynchSelectHost(int index);
    void SynchSucceeded(const QString &hostName, const struct TimeReading &reading);
    void SynchEnded();
    // Steps that belong to the notification-area icon and the moon page, still to come.
    void AnimateTrayIcon(bool on);
    void ShowMoonPhase(qint64 secondsSince1900);

    class SynchWorker *m_synch = nullptr; // made by the first Button1Click

    TForm3 *m_smallDisplay = nullptr;
    QString m_applicationTitle = QStringLiteral("Meridane");
    bool m_shownOnce = false;
};
