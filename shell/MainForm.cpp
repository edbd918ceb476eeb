#include "shell/MainForm.h"

#include "nettime/AutoSynch.h"
#include "nettime/NetworkTimePage.h"
#include "nettime/ServerListBox.h"
#include "nettime/ServerListEditor.h"
#include "pages/AstronomicalPage.h"
#include "platform/SystemZone.h"
#include "shell/AnalogClock.h"
#include "shell/ClockText.h"
#include "shell/Failure.h"
#include "shell/Fonts.h"
#include "shell/GradientCaption.h"
#include "shell/Hint.h"
#include "shell/PopupHints.h"
#include "shell/SmallDisplay.h"
#include "timezones/InternationalPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
constexpr int clientWidth = 530;
constexpr int toolBarHeight = 27;
constexpr int timeGroupHeight = 124;
constexpr int statusBarHeight = 20;
constexpr int display24HourLeft = 186;
constexpr int pagesHeight = 424 - toolBarHeight - timeGroupHeight - statusBarHeight;
} // namespace

TMainForm::TMainForm(const Services &services, QWidget *parent)
    : QMainWindow(parent), m_services(services), m_clock(*services.clock)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Meridane"));
    setFont(ArialFont(13));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    Timer1.setInterval(1000);
    Timer2.setInterval(10);
    connect(&Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);

    BuildMenus();
    BuildFrame();
    RunHandler([this] { FormCreate(); });
}

TMainForm::~TMainForm() = default;

void TMainForm::setSmallDisplay(TForm3 *smallDisplay)
{
    m_smallDisplay = smallDisplay;
    connect(m_smallDisplay, &TForm3::closed, this, &TMainForm::Restore1Click);
}

void TMainForm::BuildMenus()
{
    FileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    FileMenu->setObjectName(QStringLiteral("FileMenu"));
    HelpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    HelpMenu->setObjectName(QStringLiteral("HelpMenu"));

    auto item = [](QMenu *menu, const char *name, const QString &caption, const QString &hint) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        SetHint(action, hint);
        return action;
    };
    ConfigureTimeServers1 = item(FileMenu, "ConfigureTimeServers1",
                                 QStringLiteral("Configure Time Servers"),
                                 QStringLiteral("Click to edit time servers list"));
    SaveSettings1 = item(FileMenu, "SaveSettings1", QStringLiteral("&Save Settings"),
                         QStringLiteral("Click to save program settings"));
    FileMenu->addSeparator()->setObjectName(QStringLiteral("N1"));
    Smalldisplayonminimize = item(FileMenu, "Smalldisplayonminimize",
                                  QStringLiteral("S&mall display on minimize"),
                                  QStringLiteral("Check to display small time zone on minimize"));
    Smalldisplayonminimize->setCheckable(true);
    FileMenu->addSeparator()->setObjectName(QStringLiteral("N2"));
    FileExitItem = item(FileMenu, "FileExitItem", QStringLiteral("E&xit"),
                        QStringLiteral("Exit this application"));

    HelpContentsItem = item(HelpMenu, "HelpContentsItem", QStringLiteral("&Contents"),
                            QStringLiteral("Display the help contents screen"));
    Hints1 = item(HelpMenu, "Hints1", QStringLiteral("Hints"),
                  QStringLiteral("click here to turn hints on or off throughout the program"));
    Hints1->setCheckable(true);
    Hints1->setChecked(true);
    HelpMenu->addSeparator()->setObjectName(QStringLiteral("N3"));
    HelpAboutItem = item(HelpMenu, "HelpAboutItem", QStringLiteral("&About..."),
                         QStringLiteral("Show program information"));

    connect(ConfigureTimeServers1, &QAction::triggered, this, &TMainForm::ConfigureTimeServers1Click);
    connect(SaveSettings1, &QAction::triggered, this, &TMainForm::SaveSettings1Click);
    connect(FileExitItem, &QAction::triggered, this, &TMainForm::FileExit);
    connect(Hints1, &QAction::triggered, this, &TMainForm::Hints1Click);
}

void TMainForm::BuildFrame()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    RxGradientCaption1 = new GradientCaption(central);
    RxGradientCaption1->setObjectName(QStringLiteral("RxGradientCaption1"));
    layout->addWidget(RxGradientCaption1);

    ToolBar1 = new QToolBar(central);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setFixedSize(clientWidth, toolBarHeight);
    ToolBar1->setMovable(false);
    Synch = new QPushButton(QStringLiteral("Synchronize PC clock to Atomic Standards"), ToolBar1);
    Synch->setObjectName(QStringLiteral("Synch"));
    Synch->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    ToolBar1->addWidget(Synch);
    connect(Synch, &QPushButton::clicked, this, &TMainForm::Button1Click);
    layout->addWidget(ToolBar1);

    Time = new QGroupBox(QStringLiteral("Local Time"), central);
    Time->setObjectName(QStringLiteral("Time"));
    Time->setFixedSize(clientWidth, timeGroupHeight);

    TimeDisp = new QLabel(QStringLiteral("00:00:00pm"), Time);
    TimeDisp->setObjectName(QStringLiteral("TimeDisp"));
    TimeDisp->setGeometry(9, 13, 391, 85);
    TimeDisp->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    TimeDisp->setAutoFillBackground(true);
    TimeDisp->setBackgroundRole(QPalette::Button);
    TimeDisp->setForegroundRole(QPalette::WindowText); // the chosen clock colour, on button face
    QFont clockFont(QStringLiteral("Arial"), 42);
    clockFont.setBold(true);
    TimeDisp->setFont(clockFont);
    QPalette clockPalette = TimeDisp->palette();
    clockPalette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    TimeDisp->setPalette(clockPalette);
    SetHint(TimeDisp, QStringLiteral("Current local time"));
    TimeDisp->hide();

    QPalette navy;
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    DayLightSavings = new QLabel(QStringLiteral("DayLight Saving Time"), Time);
    DayLightSavings->setObjectName(QStringLiteral("DayLightSavings"));
    DayLightSavings->move(11, 96);
    DayLightSavings->setFont(ArialFont(15, true, true));
    DayLightSavings->setPalette(navy);
    DayLightSavings->setFixedWidth(display24HourLeft - 11);

    Display24Hour = new QCheckBox(QStringLiteral("24 Hour Mode"), Time);
    Display24Hour->setObjectName(QStringLiteral("Display24Hour"));
    Display24Hour->move(display24HourLeft, 96);
    Display24Hour->setFont(ArialFont(15, true, true));
    Display24Hour->setPalette(navy);
    SetHint(Display24Hour,
            QStringLiteral("Check for military time here and on the International Page"));

    SmallButton = new QPushButton(QStringLiteral("Small"), Time);
    SmallButton->setObjectName(QStringLiteral("SmallButton"));
    SmallButton->setGeometry(330, 98, 75, 21);

    RxClock1 = new AnalogClock(m_clock, Time);
    RxClock1->setObjectName(QStringLiteral("RxClock1"));
    RxClock1->setGeometry(clientWidth - 117 - 6, 13, 117, 104);
    layout->addWidget(Time);

    PageControl1 = new QTabWidget(central);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setFixedSize(clientWidth, pagesHeight);
    PageControl1->tabBar()->setFont(ArialFont(13, true));
    // Compact tabs, so that all six captions fit across the window.
    PageControl1->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 1px; }"));
    International = new TInternationalPage;
    Internet = new TNetworkTimePage;
    LocalTime = new QWidget;
    LocalTime->setObjectName(QStringLiteral("LocalTime"));
    Astronomical = new TAstronomicalPage;
    StopWatch = new QWidget;
    StopWatch->setObjectName(QStringLiteral("StopWatch"));
    Y2K = new QWidget;
    Y2K->setObjectName(QStringLiteral("Y2K"));
    const struct {
        QWidget *page;
        const char *caption;
        const char *hint;
    } tabs[] = {
        {International, "International Time", "Display the time in various cities of the world"},
        {Internet, "Network Time", "Synchronize to one of many Internet time servers"},
        {LocalTime, "Calendar", "Display the local time and date"},
        {Astronomical, "Astronomical", "Display current astronomcal events"},
        {StopWatch, "StopWatch", "Run a stop watch"},
        {Y2K, "Y2K", ""},
    };
    for (const auto &tab : tabs) {
        const int index = PageControl1->addTab(tab.page, QLatin1String(tab.caption));
        if (*tab.hint) {
            PageControl1->setTabToolTip(index, QLatin1String(tab.hint));
            tab.page->setStatusTip(QLatin1String(tab.hint));
        }
    }
    layout->addWidget(PageControl1);
    setCentralWidget(central);
    connect(Internet->Button1, &QPushButton::clicked, this, &TMainForm::Button1Click);

    SB = new QStatusBar(this);
    SB->setObjectName(QStringLiteral("SB"));
    SB->setSizeGripEnabled(false);
    SB->setFixedHeight(statusBarHeight);
    SB->setFont(ArialFont(13));
    setStatusBar(SB);

    setFixedSize(sizeHint());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

// ---- creation -------------------------------------------------------------------------

void TMainForm::FormCreate()
{
    InstallMinimizeHandler();
    // The operating system's version is not needed: the zone database is found by its path.
    SetCurrentMonth();
    ReadDayLightSavingName();
    ShowCurrentMoonPhase();
    ResetStopWatchTexts();
    PageControl1->setCurrentWidget(LocalTime);
    LoadSideTexts();
    DisableStopButton();
    Synch->setFixedWidth(ToolBar1->width() - 4);
    SelectStartupSynchPeriod();
    LoadServerListAtStart();
    FirstTick = true;
}

void TMainForm::ReadDayLightSavingName()
{
    // Read once: the label does not follow a change of daylight saving while running.
    // A long name that would run into the check box beside it gives way to the short one.
    const ZoneNames names = SystemZoneNames(m_clock.utcNow());
    const bool longFits =
        DayLightSavings->fontMetrics().horizontalAdvance(names.longName) <= DayLightSavings->width();
    DayLightSavings->setText(longFits || names.shortName.isEmpty() ? names.longName
                                                                   : names.shortName);
}

// ---- show -----------------------------------------------------------------------------

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        FormShow();
    }
}

void TMainForm::FormShow()
{
    try {
        LoadTimeZones();
        LoadSettings();
        m_settingsLoaded = true;
    } catch (const std::exception &) {
        ReleaseLoadingObjects();
        ShowMessage({QStringLiteral("Could not open Meridane.ini file"), QStringLiteral("File Error"),
                     UserMessage::Kind::Information});
        return;
    }
    ReleaseLoadingObjects();
    Timer1.start();
}

void TMainForm::LoadTimeZones()
{
    if (m_services.zones)
        International->LoadTimeZones(*m_services.zones, m_clock.localNow().date().year());
}

// ---- the tick -------------------------------------------------------------------------

void TMainForm::Timer1Timer()
{
    const bool display24Hour = Display24Hour->isChecked();
    const ClockReading reading = m_clock.now();
    CurrentLocalDateTime = WallTime::of(reading.local);
    const QTime local = reading.local.time();

    if (local.second() == 1) {
        SetCalendarDate();
        HourlySynchTest(local);
    }
    ComputeCountdown(reading.local);

    const LocalClockTexts texts = MakeLocalClockTexts(local, reading.utc.time(), display24Hour);
    QFont clockFont = TimeDisp->font();
    clockFont.setPointSize(texts.clockPointSize);
    TimeDisp->setFont(clockFont);
    TimeDisp->setText(texts.clock);
    TimeDisp->show();

    RxGradientCaption1->setCaption(texts.caption);
    if (m_smallDisplay)
        m_smallDisplay->setWindowTitle(texts.caption);

    m_applicationTitle = texts.shortTitle;
    setWindowIconText(texts.shortTitle); // what a task bar shows for the window's button

    Astronomical->UTC->setText(texts.utc);
    UpdateCityClocks(reading, display24Hour);
    WriteCountdownTexts();

    if (FirstTick) {
        FirstTick = false;
        StartupSynchTest();
    }
    DailySynchTest(local);
}

void TMainForm::UpdateCityClocks(const ClockReading &reading, bool display24Hour)
{
    International->FollowYear(CurrentLocalDateTime);
    for (int row = 0; row < TInternationalPage::Cities; ++row) {
        const TInternationalPage::CityClock clock = International->UpdateCityClock(
            row, reading.utc.time(), CurrentLocalDateTime, display24Hour);
        if (m_smallDisplay)
            m_smallDisplay->ShowCity(row, clock.zoneName, clock.text);
    }
}

// ---- close ----------------------------------------------------------------------------

void TMainForm::closeEvent(QCloseEvent *event)
{
    const bool ticking = Timer1.isActive();
    const bool stopWatchRunning = Timer2.isActive();
    if (!RunHandler([this] { FormClose(); })) {
        // The settings could not be saved: the window stays open and its clocks go on, so
        // the user can mend the cause and close again.
        event->ignore();
        if (ticking)
            Timer1.start();
        if (stopWatchRunning)
            Timer2.start();
    }
}

void TMainForm::FormClose()
{
    Timer1.stop();
    Timer2.stop();
    // Settings that were never read (the show handler failed) are not written back over the
    // user's stored ones; File > Save Settings still writes them when asked to.
    if (m_settingsLoaded)
        SaveSettings();
    FreeZoneEntries();
}

void TMainForm::FreeZoneEntries()
{
    International->FreeZoneEntries();
}

// ---- commands -------------------------------------------------------------------------

bool TMainForm::event(QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        ShowHint(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TMainForm::ShowHint(const QString &hint)
{
    SB->showMessage(hint);
}

void TMainForm::Restore1Click()
{
    showNormal();
    raise();
    activateWindow();
    if (m_smallDisplay)
        m_smallDisplay->hide();
}

void TMainForm::SaveSettings1Click()
{
    RunHandler([this] { SaveSettings(); });
}

void TMainForm::FileExit()
{
    close();
}

void TMainForm::Hints1Click()
{
    // The item's check mark has already turned over; the pop-up hints follow it.
    SetPopupHintsEnabled(Hints1->isChecked());
}

// ---- server list and automatic synchronisation ---------------------------------------

void TMainForm::SelectStartupSynchPeriod()
{
    Internet->SynchPeriod->setItemIndex(AtStartup);
}

void TMainForm::LoadServerListAtStart()
{
    // A file that cannot be read ends the creation handler here: the built-in list stays,
    // and FirstTick is never set, so this run makes no start-up synchronisation.
    LoadServerList(Internet->HostList);
    Internet->HostList->setCurrentIndex(0);
}

void TMainForm::ConfigureTimeServers1Click()
{
    TForm4 Form4(this);
    if (Form4.exec() != QDialog::Accepted)
        return;
    RunHandler([this] {
        LoadServerList(Internet->HostList);
        Internet->HostList->setCurrentIndex(0);
    });
}

namespace {
AutoSynchOptions autoSynchOptions(const TNetworkTimePage &page)
{
    return {page.SetPCClock->isChecked(), page.Synch_Every->isChecked(),
            page.SynchPeriod->itemIndex()};
}
} // namespace

void TMainForm::StartupSynchTest()
{
    if (StartupSynchDue(autoSynchOptions(*Internet)))
        RunAutoSynch();
}

void TMainForm::HourlySynchTest(QTime local)
{
    if (HourlySynchDue(autoSynchOptions(*Internet), local))
        RunAutoSynch();
}

void TMainForm::DailySynchTest(QTime local)
{
    if (DailySynchDue(autoSynchOptions(*Internet), local))
        RunAutoSynch();
}

void TMainForm::RunAutoSynch()
{
    Button1Click();
}

// ---- steps that belong to features still to come -------------------------------------

void TMainForm::InstallMinimizeHandler() {}
void TMainForm::SetCurrentMonth() {}
void TMainForm::ShowCurrentMoonPhase() {}
void TMainForm::ResetStopWatchTexts() {}
void TMainForm::LoadSideTexts() {}
void TMainForm::DisableStopButton() {}
void TMainForm::ReleaseLoadingObjects() {}
void TMainForm::SetCalendarDate() {}
void TMainForm::ComputeCountdown(const QDateTime &) {}
void TMainForm::WriteCountdownTexts() {}
