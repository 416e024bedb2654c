#pragma once
// The tables the runs are kept in, with the migrations that bring an older database up to date. Each
// version's change runs in a transaction of its own together with the version number it reaches, so that a
// migration cut short leaves the version before it.
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

#include "core/records/recorded_run.h"

namespace tap::qt::schema {

// The version this program writes.
inline constexpr int kVersion = 2;

// Each function returns empty when done, else why not; `damaged` is set when a failure says the file is
// damaged (not a database, or corrupt).

// Whether the database is one this program may use: its own of this version or before, or an empty one.
// Reads only, so that a database refused is left exactly as it was.
QString check(QSqlDatabase& db, bool* damaged = nullptr);
// Brings a database that passed the check from its version to kVersion.
QString migrate(QSqlDatabase& db, bool* damaged = nullptr);
// The first schema's tables alone, as the first version of the program made them.
QString createVersion1(QSqlDatabase& db);

// The presses of run `id`, read into `run`.
QString readPresses(QSqlDatabase& db, qint64 id, RecordedRun& run, bool* damaged = nullptr);
// The failure of `q`'s last statement, noting in `damaged` whether it is damage.
QString failure(const QSqlQuery& q, bool* damaged);

}  // namespace tap::qt::schema
