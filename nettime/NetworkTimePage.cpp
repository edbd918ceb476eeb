#include "nettime/NetworkTimePage.h"

#include "nettime/BuiltInServers.h"
#include "shell/Fonts.h"
#include "shell/Hint.h"

namespace {
QLabel *resultLabel(QWidget *parent, const char *name, const QString &caption, int left, int top)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->move(left, top);
    label->setFont(ArialFont(13));
    label->adjustSize();
    return label;
}

QLabel *resultValue(QWidget *parent, const char *name, QRect geometry, const QColor &colour,
                    const QString &initial)
{
    auto *value = new QLabel(initial, parent);
    value->setObjectName(QLatin1String(name));
    value->setGeometry(geometry);
    value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    value->setAutoFillBackground(true);
    value->setFont(ArialFont(17, true));
    QPalette palette = value->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, colour);
    value->setPalette(palette);
    return value;
}
} // namespace

TNetworkTimePage::TNetworkTimePage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Internet"));

    SetPCClock = new QCheckBox(QStringLiteral("Set PC Clock to Network Atomic Standard"), this);
    SetPCClock->setObjectName(QStringLiteral("SetPCClock"));
    SetPCClock->setGeometry(3, 2, 280, 20);
    SetPCClock->setFont(ArialFont(13));

    HostList = new QComboBox(this);
    HostList->setObjectName(QStringLiteral("HostList"));
    HostList->setGeometry(2, 24, 320, HostList->sizeHint().height());
    HostList->setFont(ArialFont(13, true));
    HostList->addItems(BuiltInServers()); // in effect until the server list file is read

    Animate1 = new BusyAnimation(this);
    Animate1->setObjectName(QStringLiteral("Animate1"));
    Animate1->setGeometry(332, 11, 48, 45);
    Animate1->hide();

    Button1 = new QPushButton(QStringLiteral("Synch Now"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(389, 22, 124, 31);
    Button1->setFont(ArialFont(13));
    SetHint(Button1, QStringLiteral("press to get time from Internet time server and set PC clock"));

    GroupBox1 = new QGroupBox(QStringLiteral("Synchronization Results"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(0, 64, 353, 131);
    GroupBox1->setFont(ArialFont(13, true));
    SetHint(GroupBox1, QStringLiteral("Results of the synch effort"));

    resultLabel(GroupBox1, "Label3", QStringLiteral("Correct Time:"), 8, 20);
    resultLabel(GroupBox1, "Label4", QStringLiteral("Correct Date:"), 8, 47);
    resultLabel(GroupBox1, "label1", QStringLiteral("Network Latency:"), 8, 74);
    resultLabel(GroupBox1, "Label2", QStringLiteral("PC Time error:"), 8, 101);
    resultLabel(GroupBox1, "StaticText3", QStringLiteral("Average Drift:"), 200, 100);
    NetTime = resultValue(GroupBox1, "NetTime", {110, 16, 82, 25}, Qt::cyan, QStringLiteral(" "));
    NetDate = resultValue(GroupBox1, "NetDate", {110, 43, 205, 25}, Qt::cyan, QStringLiteral(" "));
    Latency = resultValue(GroupBox1, "Latency", {110, 71, 81, 25}, Qt::cyan, QString());
    SetHint(Latency, QStringLiteral("Round trip time on the net in thousands of a second"));
    TimeDiff = resultValue(GroupBox1, "TimeDiff", {110, 98, 81, 24}, Qt::red, QString());
    SetHint(TimeDiff, QStringLiteral("Amount of time your PC was in error"));
    AvgErr = resultValue(GroupBox1, "AvgErr", {284, 96, 63, 25}, Qt::yellow, QString());

    Synch_Every = new QCheckBox(QStringLiteral("Auto-Synch"), this);
    Synch_Every->setObjectName(QStringLiteral("Synch_Every"));
    Synch_Every->setGeometry(369, 70, 135, 17);
    Synch_Every->setFont(ArialFont(13));

    SynchPeriod = new RadioGroup(QStringLiteral("AutoSynch Period"),
                                 {QStringLiteral("At startup"), QStringLiteral("Hourly"),
                                  QStringLiteral("Daily")},
                                 this);
    SynchPeriod->setObjectName(QStringLiteral("SynchPeriod"));
    SynchPeriod->setGeometry(360, 93, 159, 103);
    SynchPeriod->setFont(ArialFont(13));
    SynchPeriod->setItemIndex(0);

    // Runs on every change of the box's state, whether by a click or by the settings load.
    connect(Synch_Every, &QCheckBox::toggled, this, &TNetworkTimePage::Synch_EveryClick);
}

void TNetworkTimePage::Synch_EveryClick()
{
    SynchPeriod->setEnabled(Synch_Every->isChecked());
}
