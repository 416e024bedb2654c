#pragma once
// The runs in an SQLite database through Qt SQL: a versioned schema brought up to date on opening, WAL, one
// transaction a run. A database found damaged is moved aside under a dated name and a new one started.
#include <QSqlDatabase>
#include <QString>
#include <functional>

#include "core/platform.h"

namespace tap::qt {

class SqlRunStore : public RunStore {
  public:
    // ":memory:" keeps the runs only as long as the store lives.
    explicit SqlRunStore(QString path);
    ~SqlRunStore() override;
    SqlRunStore(const SqlRunStore&) = delete;
    SqlRunStore& operator=(const SqlRunStore&) = delete;

    std::string location() const override { return path_.toStdString(); }
    StoreStatus add(const RecordedRun& run, const RunSummary& summary, std::int64_t& id) override;
    StoreStatus summaries(std::vector<RunSummary>& out) override;
    StoreStatus load(std::int64_t id, RecordedRun& out) override;
    StoreStatus remove(std::int64_t id) override;

  private:
    // Opens the database when it is not open, then runs `op` (empty result: success). A damaged file
    // found on the way is moved aside and `op` runs once more on a new one.
    StoreStatus run(const std::function<QString(QSqlDatabase&, bool& damaged)>& op);
    QString open(bool& damaged);
    void close();
    // The damaged file (and its journal) under a dated name; empty when done, else why not.
    QString setAside(QString& movedTo);
    QString path_;
    QString connection_;
    bool open_ = false;
};

// The database for this user on this system: $XDG_DATA_HOME/TAPRIKO_RUZIRODO/runs.sqlite on Linux, the
// per-user application data on Windows.
QString defaultRecordsPath();

}  // namespace tap::qt
