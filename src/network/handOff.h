#pragma once

#include <QObject>
#include <QString>

#include <chrono>

class QLocalServer;

namespace platform {

// The socket by which a second start hands its folder to the copy already running: one for
// each user, in the user's runtime directory where there is one.
QString handOffName();

// Held by the running copy: takes folders handed to it and says so at once, before anything
// is done with them, so that the copy handing one over can leave.
class HandOffServer : public QObject
{
    Q_OBJECT

public:
    explicit HandOffServer(const QString &name = handOffName(), QObject *parent = nullptr);

    // Only the holder of the single-copy lock listens, so a socket already there was left by a
    // copy that died and is taken over.
    bool listen();

signals:
    void folderHandedOver(const QString &folder, const QString &pattern);

private:
    void takeConnection();

    QString m_name;
    QLocalServer *m_server;
};

// How long a second start waits for the running copy to take its folder. The copy listens as
// soon as it holds the lock, but answers once its window is built: a cold start on a loaded
// machine, fonts and the print dialog's libraries read from a slow disk, has been seen to take
// several seconds, and the hand-over waits in the socket meanwhile.
inline constexpr std::chrono::seconds kHandOffPatience {30};

// Hands `folder` and `pattern` to the running copy; false when it did not take them within
// `patience` (it hangs, or is a version that takes none).
bool handFolderOver(const QString &folder, const QString &pattern, std::chrono::milliseconds patience = kHandOffPatience,
                    const QString &name = handOffName());

} // namespace platform
