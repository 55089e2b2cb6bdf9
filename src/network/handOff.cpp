#include "handOff.h"

#include "core/process/singleCopy.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace platform {

namespace {

// The one byte that says a folder was taken.
constexpr char kTaken = '\x06';

// A folder and a pattern take a few kilobytes at most; a peer that sends more is no start of ours.
constexpr qint64 kMostBytes = 256 * 1024;

} // namespace

QString handOffName()
{
#ifdef Q_OS_WIN
    // A pipe name is machine-wide: the user's name keeps it theirs.
    return QStringLiteral("vrel-fileprint-") + qEnvironmentVariable("USERNAME");
#else
    const QString directory = userRuntimeDirectory();
    return directory.isEmpty() ? QString() : directory + QStringLiteral("/vrel-fileprint.handoff");
#endif
}

HandOffServer::HandOffServer(const QString &name, QObject *parent)
    : QObject(parent), m_name(name), m_server(new QLocalServer(this))
{
#ifdef Q_OS_WIN
    // A pipe's name is the whole machine's: only its user may open it. Elsewhere the socket lies
    // in the user's runtime directory, closed to others; the option would close it once more by
    // way of a temporary directory, at a millisecond of every start.
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
#endif
    connect(m_server, &QLocalServer::newConnection, this, &HandOffServer::takeConnection);
}

bool HandOffServer::listen()
{
    QLocalServer::removeServer(m_name);
    return m_server->listen(m_name);
}

void HandOffServer::takeConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            QDataStream in(socket);
            in.startTransaction();
            QString folder, pattern;
            in >> folder >> pattern;
            if (!in.commitTransaction()) {
                if (socket->bytesAvailable() > kMostBytes)
                    socket->abort();
                return;
            }
            // The asker hangs up once it has read the answer: on Windows, a pipe closed from
            // this end throws away what the other end has not read yet.
            socket->write(&kTaken, 1);
            socket->flush();
            emit folderHandedOver(folder, pattern);
        });
    }
}

bool handFolderOver(const QString &folder, const QString &pattern, std::chrono::milliseconds patience, const QString &name)
{
    const QDeadlineTimer deadline(patience);
    QLocalSocket socket;
    // The running copy may still be starting, its socket not yet there.
    for (;;) {
        socket.connectToServer(name);
        if (socket.waitForConnected(int(deadline.remainingTime())))
            break;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
    QByteArray request;
    QDataStream out(&request, QIODevice::WriteOnly);
    out << folder << pattern;
    socket.write(request);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
            return false;
    }
    char answer = 0;
    while (socket.bytesAvailable() < 1) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(deadline.remainingTime())))
            return false;
    }
    return socket.getChar(&answer) && answer == kTaken;
}

} // namespace platform
