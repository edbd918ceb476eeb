// The main window's side of a synchronisation with a time server: Button1Click starts the
// exchange on SynchWorker's thread, and each change the exchange makes to the window comes
// back here, on this window's thread, in the exchange's order.
//
// The worker is handed the server names and the selected position as they stand when the
// exchange starts; it never reads a control. It posts each move of the selection back, so
// the list keeps showing the server being tried. The "Set PC Clock" box is followed through
// an atomic flag that the worker reads when the reply is in.

#include "shell/MainForm.h"

#include "nettime/NetworkTimePage.h"
#include "nettime/ServerListBox.h"
#include "nettime/SynchTexts.h"
#include "nettime/SynchWorker.h"
#include "shell/ListSelection.h"

#include <QStatusBar>
#include <QTabWidget>

namespace
{
constexpr int busyAnimationRepetitions = 80;
}

void TMainForm::Button1Click()
{
    if (!m_synch) {
        m_synch = new SynchWorker(m_clock, m_services.clockSetter, m_services.timePort, {}, this);
        connect(m_synch, &SynchWorker::status, this, &TMainForm::SynchStatus);
        connect(m_synch, &SynchWorker::trayAnimation, this, &TMainForm::AnimateTrayIcon);
        connect(m_synch, &SynchWorker::selectHost, this, &TMainForm::SynchSelectHost);
        connect(m_synch, &SynchWorker::succeeded, this, &TMainForm::SynchSucceeded);
        connect(m_synch, &SynchWorker::ended, this, &TMainForm::SynchEnded);
        connect(Internet->SetPCClock, &QCheckBox::toggled, m_synch, &SynchWorker::setSetPCClock);
    }
    // One exchange at a time: a click or a trigger while one runs leaves it to finish.
    if (m_synch->isRunning())
        return;

    BusyAnimation *animation = Internet->Animate1;
    animation->show();
    animation->Play(animation->StartFrame, animation->StopFrame, busyAnimationRepetitions);
    PageControl1->setCurrentWidget(Internet);

    if (!m_synch->start(ServerListEntries(Internet->HostList), Internet->HostList->currentIndex(),
                        Internet->SetPCClock->isChecked()))
        SynchEnded(); // no thread could be started: nothing runs, so nothing stays busy
}

bool TMainForm::SynchRunning() const
{
    return m_synch && m_synch->isRunning();
}

void TMainForm::SynchStatus(const QString &text)
{
    SB->showMessage(text);
}

void TMainForm::SynchSelectHost(int index)
{
    // The list may have been reloaded while the exchange ran; a position past its end
    // selects nothing rather than a stranger.
    Internet->HostList->setCurrentIndex(PositionInList(index, Internet->HostList->count()));
}

void TMainForm::SynchSucceeded(const QString &hostName, const TimeReading &reading)
{
    ShowMoonPhase(reading.serverSince1900);
    AddDriftSample(Drift, reading.error);
    const SynchResultTexts texts = MakeSynchResultTexts(hostName, reading, Drift.AvgTimeErr);
    Internet->TimeDiff->setText(texts.TimeDiff);
    Internet->AvgErr->setText(texts.AvgErr);
    Internet->Latency->setText(texts.Latency);
    Internet->NetTime->setText(texts.NetTime);
    Internet->NetDate->setText(texts.NetDate);
    SB->showMessage(texts.status);
}

void TMainForm::SynchEnded()
{
    Internet->Animate1->Stop();
    AnimateTrayIcon(false);
    Internet->Animate1->hide();
    CurrentLocalDateTime = WallTime::of(m_clock.localNow());
    SetCalendarDate();
}

// ---- steps that belong to features still to come -------------------------------------

void TMainForm::AnimateTrayIcon(bool) {}
void TMainForm::ShowMoonPhase(qint64) {}
