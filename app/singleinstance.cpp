#include "singleinstance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include <cstdio>

#if defined(Q_OS_WIN)
#include <qt_windows.h>
#elif defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace {

const QByteArray kShowRequest = "show\n";
constexpr int kConnectTimeoutMs = 1000;
constexpr int kAnswerTimeoutMs = 3000;

QString userAndSession()
{
#if defined(Q_OS_WIN)
    DWORD session = 0;
    ::ProcessIdToSessionId(::GetCurrentProcessId(), &session);
    return qEnvironmentVariable("USERDOMAIN") + u'\\' + qEnvironmentVariable("USERNAME") + u'\n'
        + QString::number(session);
#else
    QString session = qEnvironmentVariable("XDG_SESSION_ID");
    if (session.isEmpty())
        session = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (session.isEmpty())
        session = qEnvironmentVariable("DISPLAY");
#if defined(Q_OS_UNIX)
    const QString user = QString::number(::geteuid());
#else
    const QString user = qEnvironmentVariable("USER");
#endif
    return user + u'\n' + session;
#endif
}

} // namespace

SingleInstance::SingleInstance(QObject *parent)
    : QObject(parent)
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverName()
{
    // Hashed, because session ids and display names may hold characters a socket or pipe name must not.
    const QByteArray hash
        = QCryptographicHash::hash(userAndSession().toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    const QString name = QStringLiteral("dorvane-") + QString::fromLatin1(hash);
#if defined(Q_OS_UNIX)
    // A bare name would land in the shared temporary folder, where another user could squat it.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return runtime + u'/' + name;
#endif
    return name;
}

SingleInstance::Outcome SingleInstance::start()
{
    const QString name = serverName();
    if (handOver(name))
        return Outcome::HandedOver;
    if (listen(name))
        return Outcome::First;
    if (m_server->serverError() == QAbstractSocket::AddressInUseError) {
        // Another copy may have begun to listen since we tried; otherwise the name is left over
        // from a copy that was killed, and nobody answers on it.
        if (handOver(name))
            return Outcome::HandedOver;
        QLocalServer::removeServer(name);
        if (listen(name))
            return Outcome::First;
        if (m_server->serverError() == QAbstractSocket::AddressInUseError && handOver(name))
            return Outcome::HandedOver;
    }
    // Better two copies than none.
    std::fprintf(stderr, "dorvane: cannot watch for a second start: %s\n", qUtf8Printable(m_server->errorString()));
    return Outcome::First;
}

bool SingleInstance::handOver(const QString &name)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    socket.write(kShowRequest);
    // The running copy hangs up once it has acted on the request.
    const bool answered = socket.waitForBytesWritten(kAnswerTimeoutMs)
        && (socket.state() == QLocalSocket::UnconnectedState || socket.waitForDisconnected(kAnswerTimeoutMs));
    std::fputs(answered ? "dorvane: already running; showing its configuration window.\n"
                        : "dorvane: already running, but it does not answer.\n",
               stderr);
    return true;
}

bool SingleInstance::listen(const QString &name)
{
    if (!m_server) {
        m_server = new QLocalServer(this);
        connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
#if defined(Q_OS_WIN)
        // Pipe names are seen by every user of the machine.
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
#endif
        // No socket options on Unix: with them Qt renames its socket over the name, which would
        // replace a running copy's socket instead of failing. The runtime folder is private anyway.
    }
    return m_server->listen(name);
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        readRequest(socket);
    }
}

void SingleInstance::readRequest(QLocalSocket *socket)
{
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kShowRequest.size())
            socket->disconnectFromServer();
        return;
    }
    if (socket->readLine() == kShowRequest)
        emit activationRequested();
    socket->disconnectFromServer();
}
