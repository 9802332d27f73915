#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

/// Keeps Dorvane to one copy per user and desktop session. The first copy listens on a local
/// socket; a later start hands over to it instead of running beside it.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    enum class Outcome {
        First, ///< no other copy answers: this one runs (and listens, where it could)
        HandedOver, ///< the running copy was asked to show itself; this one should end
    };

    explicit SingleInstance(QObject *parent = nullptr);
    ~SingleInstance() override;

    /// Asks a running copy to show itself, or else becomes the copy that later starts ask.
    /// Blocks for at most a few seconds; touches nothing but the socket.
    Outcome start();

    /// The name both copies use: the same for one user in one desktop session, and different
    /// for any other user or session.
    static QString serverName();

signals:
    /// A later start wants this copy's configuration window in front.
    void activationRequested();

private:
    bool handOver(const QString &name);
    bool listen(const QString &name);
    void acceptConnections();
    void readRequest(QLocalSocket *socket);

    QLocalServer *m_server = nullptr;
};
