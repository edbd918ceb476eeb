#pragma once

#include "nettime/BusyAnimation.h"
#include "shell/RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

// The "Network Time" page: the server list, the synchronisation command, its results and
// the automatic synchronisation options.
class TNetworkTimePage : public QWidget
{
    Q_OBJECT
public:
    explicit TNetworkTimePage(QWidget *parent = nullptr);

    QCheckBox *SetPCClock = nullptr;
    QComboBox *HostList = nullptr;
    BusyAnimation *Animate1 = nullptr;
    QPushButton *Button1 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QLabel *NetTime = nullptr;
    QLabel *NetDate = nullptr;
    QLabel *Latency = nullptr;
    QLabel *TimeDiff = nullptr;
    QLabel *AvgErr = nullptr;
    QCheckBox *Synch_Every = nullptr;
    RadioGroup *SynchPeriod = nullptr;

public slots:
    void Synch_EveryClick();
};
