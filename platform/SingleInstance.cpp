#include "platform/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <unistd.h>

namespace {
const QByteArray restoreRequest = "restore\n";
constexpr int connectTimeoutMs = 1000;
} // namespace

SingleInstance::SingleInstance(const QString &program, QObject *parent)
    : QObject(parent), m_name(socketName(program))
{
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
}

QString SingleInstance::socketName(const QString &program)
{
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        display = QStringLiteral("console");
    QString name = QStringLiteral("%1-%2-%3").arg(program).arg(getuid()).arg(display);
    for (QChar &c : name) {
        if (!c.isLetterOrNumber() && c != u'-' && c != u'.')
            c = u'_';
    }
    return name;
}

SingleInstance::Role SingleInstance::claim()
{
    // Two copies started at the same moment must not both decide they are first.
    QLockFile lock(QDir::temp().filePath(m_name + QStringLiteral(".lock")));
    lock.setStaleLockTime(5000);
    lock.tryLock(5000);

    if (askRunningCopyToRestore())
        return Role::Other;

    // Nobody answered: whatever socket file is there was left behind by a copy that ended.
    QLocalServer::removeServer(m_name);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    m_server.listen(m_name);
    return Role::First;
}

bool SingleInstance::askRunningCopyToRestore()
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(connectTimeoutMs))
        return false;
    socket.write(restoreRequest);
    socket.waitForBytesWritten(connectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::acceptConnection()
{
    while (QLocalSocket *client = m_server.nextPendingConnection()) {
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        connect(client, &QLocalSocket::readyRead, this, [this, client] {
            if (client->readAll().contains(restoreRequest.trimmed()))
                emit restoreRequested();
        });
    }
}
