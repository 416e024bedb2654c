#include "platform/qt/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <cstdio>

#include "platform/qt/settings_stores.h"

namespace tap::qt {

namespace {
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

const QByteArray kRaiseRequest = "raise\n";
const QByteArray kRaisedReply = "raised\n";
constexpr qint64 kLongestLine = 64;

QString hashed(const QString& text) {
    return QString::fromLatin1(
        QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

// The file's own path where it exists; otherwise the real folder it would be made in.
QString resolvedPath(const QString& path) {
    const QFileInfo file(path);
    if (file.exists()) return file.canonicalFilePath();
    const QFileInfo folder(file.absolutePath());
    const QString base =
        folder.exists() ? folder.canonicalFilePath() : QDir::cleanPath(folder.absoluteFilePath());
    return base + QLatin1Char('/') + file.fileName();
}

int millisLeft(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// Answers one request on a connection from a later start, then closes it.
void serve(QLocalSocket* socket, const std::function<void()>& onRaiseRequest) {
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket, &onRaiseRequest] {
        if (!socket->canReadLine()) {
            if (socket->bytesAvailable() > kLongestLine) socket->disconnectFromServer();
            return;
        }
        if (socket->readLine(kLongestLine) == kRaiseRequest) {
            if (onRaiseRequest) onRaiseRequest();
            socket->write(kRaisedReply);
            socket->flush();
        }
        socket->disconnectFromServer();
    });
}
}  // namespace

QString instanceKey(const QString& settingsPath) {
    QString path = settingsPath.isEmpty() ? defaultSettingsPath() : settingsPath;
    // Where the settings live in the registry there is only one place.
    if (path.isEmpty()) return QStringLiteral("tapriko-registry");
    path = resolvedPath(path);
#ifdef Q_OS_WIN
    path = path.toLower();
#endif
    return QStringLiteral("tapriko-") + hashed(path);
}

QString instanceDirectory() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

SingleInstance::SingleInstance(QString key, QString directory)
    : key_(std::move(key)), directory_(std::move(directory)) {}

// The server goes first, then the lock: a later start that finds the lock free also finds no socket.
SingleInstance::~SingleInstance() = default;

QString SingleInstance::lockPath() const {
    return directory_ + QLatin1Char('/') + key_ + QStringLiteral(".lock");
}

QString SingleInstance::serverName() const {
#ifdef Q_OS_UNIX
    return directory_ + QLatin1Char('/') + key_ + QStringLiteral(".socket");
#else
    // Pipe names are shared by every user of the machine; the lock's path is this user's own.
    return QStringLiteral("tapriko-") + hashed(lockPath());
#endif
}

SingleInstance::Outcome SingleInstance::begin(milliseconds patience) {
    const auto deadline = Clock::now() + patience;
    QDir().mkpath(directory_);
    lock_ = std::make_unique<QLockFile>(lockPath());
    // A lock is stale only when its process has ended, however long a device has been running.
    lock_->setStaleLockTime(0);
    for (;;) {
        if (lock_->tryLock(0)) {
            listen();
            return Outcome::First;
        }
        if (lock_->error() != QLockFile::LockFailedError) {
            lock_.reset();
            return Outcome::Unguarded;
        }
        switch (askOwnerToRaise(milliseconds(millisLeft(deadline)))) {
            case Ask::Raised:
                return Outcome::RaisedOther;
            case Ask::NoReply:
                return Outcome::OtherSilent;
            case Ask::NotListening:
                // The owner is still starting or already ending: look again shortly.
                if (millisLeft(deadline) == 0) return Outcome::OtherSilent;
                QThread::msleep(50);
                break;
        }
    }
}

bool SingleInstance::listen() {
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // We own the lock, so a socket that is still there was left by a process that crashed.
    QLocalServer::removeServer(serverName());
    if (!server_->listen(serverName())) {
        std::fprintf(stderr, "tapriko: a later start cannot reach this one (%s): %s\n",
                     qPrintable(serverName()), qPrintable(server_->errorString()));
        server_.reset();
        return false;
    }
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) serve(socket, onRaiseRequest);
    });
    return true;
}

SingleInstance::Ask SingleInstance::askOwnerToRaise(milliseconds timeout) const {
    const auto deadline = Clock::now() + timeout;
    QLocalSocket socket;
    socket.connectToServer(serverName());
    if (!socket.waitForConnected(millisLeft(deadline))) return Ask::NotListening;
    socket.write(kRaiseRequest);
    if (!socket.waitForBytesWritten(millisLeft(deadline))) return Ask::NoReply;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(millisLeft(deadline))) return Ask::NoReply;
    }
    return socket.readLine(kLongestLine) == kRaisedReply ? Ask::Raised : Ask::NoReply;
}

std::optional<int> handOverToRunningInstance(SingleInstance& instance) {
    switch (instance.begin(std::chrono::seconds(5))) {
        case SingleInstance::Outcome::First:
            return std::nullopt;
        case SingleInstance::Outcome::Unguarded:
            std::fprintf(
                stderr,
                "tapriko: cannot make the lock %s; a second start over the same settings would not be "
                "noticed\n",
                qPrintable(instance.lockPath()));
            return std::nullopt;
        case SingleInstance::Outcome::RaisedOther:
            std::fprintf(stderr, "tapriko: already running with these settings; brought it to the front\n");
            return 0;
        case SingleInstance::Outcome::OtherSilent:
            std::fprintf(stderr,
                         "tapriko: another Tapriko++ keeps these settings but does not answer; end it, or "
                         "start with other --settings\n");
            return 1;
    }
    return 1;
}

}  // namespace tap::qt
