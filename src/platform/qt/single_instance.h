#pragma once
// One running device per settings file. Two devices over the same settings would each write their own
// values back when they end, so the later one silently undoes the other's; a second start therefore hands
// over to the first (which comes to the front) and ends. A lock file says who owns a settings file, and a
// local socket next to it carries the request to come forward.
#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QLocalServer;
class QLockFile;

namespace tap::qt {

// The name the lock and socket of a settings file go by: one file reached by any spelling (relative,
// through "..", through a symbolic link) gives one name. An empty path means the usual place.
QString instanceKey(const QString& settingsPath);

// Where locks and sockets live: the user's private runtime directory.
QString instanceDirectory();

class SingleInstance {
public:
    enum class Outcome {
        First,        // this process owns the settings and runs the device
        Unguarded,    // no lock could be made (e.g. an unwritable directory); the device runs anyway
        RaisedOther,  // another process owns the settings and has come to the front
        OtherSilent,  // another process owns the settings but did not answer in time
    };

    SingleInstance(QString key, QString directory);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Takes the lock, or asks its owner to come forward. A lock left by a process that has ended (a crash)
    // is taken over; an owner that is just ending frees the lock within `patience` and this process runs.
    Outcome begin(std::chrono::milliseconds patience);

    // Run in the first process when a later start asks it to come forward.
    std::function<void()> onRaiseRequest;

    QString lockPath() const;
    QString serverName() const;

private:
    enum class Ask { Raised, NotListening, NoReply };
    bool listen();
    Ask askOwnerToRaise(std::chrono::milliseconds timeout) const;

    QString key_;
    QString directory_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QLocalServer> server_;
};

// For the program's start: std::nullopt when this process should run the device, otherwise the exit code
// for a start that handed over to the running one (0 when it came forward). Explains itself on stderr.
std::optional<int> handOverToRunningInstance(SingleInstance& instance);

}  // namespace tap::qt
