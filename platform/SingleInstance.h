#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

// One copy of the program per user and desktop session. The first copy listens on a local
// socket named after the program, the user and the display; a later start connects to it,
// asks it to restore its main window and ends without opening a window of its own.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    enum class Role { First, Other };

    explicit SingleInstance(const QString &program, QObject *parent = nullptr);

    // Becomes the running copy, or hands a restore request to the one already running.
    // A socket file left by a copy that crashed is removed and taken over.
    Role claim();

    // The socket name used for this user and display.
    static QString socketName(const QString &program);

signals:
    void restoreRequested();

private:
    bool askRunningCopyToRestore();
    void acceptConnection();

    QString m_name;
    QLocalServer m_server;
};
