#include "platform/qt/run_schema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <vector>

#include "core/records/run_statistics.h"

namespace tap::qt::schema {

namespace {

// Runs every statement; empty when all of them succeeded.
QString execAll(QSqlDatabase& db, const QStringList& statements, bool* damaged = nullptr) {
    QSqlQuery q(db);
    for (const QString& sql : statements)
        if (!q.exec(sql)) return failure(q, damaged);
    return {};
}

// Migration n takes a database from version n to n + 1.
QString createV1(QSqlDatabase& db, bool* damaged);
QString addSummaries(QSqlDatabase& db, bool* damaged);
const std::vector<std::function<QString(QSqlDatabase&, bool*)>> kMigrations = {createV1, addSummaries};

QString createV1(QSqlDatabase& db, bool* damaged) {
    return execAll(
        db,
        {QStringLiteral("CREATE TABLE runs (id INTEGER PRIMARY KEY, started_at TEXT NOT NULL, "
                        "total INTEGER NOT NULL, count_a INTEGER NOT NULL, count_b INTEGER NOT NULL)"),
         // One row a press, keyed by its run and number: compact, and read in order.
         QStringLiteral("CREATE TABLE presses (run_id INTEGER NOT NULL, seq INTEGER NOT NULL, "
                        "button INTEGER NOT NULL, source INTEGER NOT NULL, "
                        "press_units INTEGER NOT NULL, release_units INTEGER, "
                        "PRIMARY KEY (run_id, seq)) WITHOUT ROWID")},
        damaged);
}

// The figures the history lists, kept with each run so that a long history opens without reading every
// press; the runs stored before are summed up from their presses.
QString addSummaries(QSqlDatabase& db, bool* damaged) {
    if (QString e =
            execAll(db,
                    {QStringLiteral("ALTER TABLE runs ADD COLUMN fastest_second INTEGER NOT NULL DEFAULT 0"),
                     QStringLiteral("ALTER TABLE runs ADD COLUMN unstable_rate REAL"),
                     QStringLiteral("ALTER TABLE runs ADD COLUMN sources INTEGER NOT NULL DEFAULT 0"),
                     QStringLiteral("ALTER TABLE runs ADD COLUMN turbo INTEGER NOT NULL DEFAULT 0"),
                     QStringLiteral("ALTER TABLE runs ADD COLUMN imported INTEGER NOT NULL DEFAULT 0")},
                    damaged);
        !e.isEmpty())
        return e;
    QSqlQuery ids(db);
    ids.setForwardOnly(true);
    if (!ids.exec(QStringLiteral("SELECT id FROM runs"))) return failure(ids, damaged);
    std::vector<qint64> all;
    while (ids.next()) all.push_back(ids.value(0).toLongLong());
    QSqlQuery update(db);
    update.prepare(
        QStringLiteral("UPDATE runs SET fastest_second = ?, unstable_rate = ?, sources = ?, turbo = ? "
                       "WHERE id = ?"));
    for (qint64 id : all) {
        RecordedRun run;
        if (QString e = readPresses(db, id, run, damaged); !e.isEmpty()) return e;
        const RunSummary s = summaryOf(run);
        update.bindValue(0, s.fastestSecond);
        update.bindValue(
            1, s.unstableRate ? QVariant(*s.unstableRate) : QVariant(QMetaType::fromType<double>()));
        update.bindValue(2, static_cast<qlonglong>(s.sources));
        update.bindValue(3, s.turbo ? 1 : 0);
        update.bindValue(4, id);
        if (!update.exec()) return failure(update, damaged);
    }
    return {};
}

}  // namespace

QString failure(const QSqlQuery& q, bool* damaged) {
    bool ok = false;
    const int code =
        q.lastError().nativeErrorCode().toInt(&ok) & 0xFF;  // the primary code of an extended one
    constexpr int kCorrupt = 11, kNotADatabase = 26;
    if (damaged && ok && (code == kCorrupt || code == kNotADatabase)) *damaged = true;
    return q.lastError().text();
}

QString check(QSqlDatabase& db, bool* damaged) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) return failure(q, damaged);
    const int v = q.value(0).toInt();
    if (v > kVersion)
        return QStringLiteral("新しい版の Tapriko++ で作られた記録です。この版では使えません。");
    if (v == 0) {
        // A database of something else, pointed at by mistake.
        if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !q.next())
            return failure(q, damaged);
        if (q.value(0).toInt() > 0) return QStringLiteral("Tapriko++ の記録のデータベースではありません。");
    }
    return {};
}

QString migrate(QSqlDatabase& db, bool* damaged) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) return failure(q, damaged);
    int v = q.value(0).toInt();
    static_assert(kVersion == 2, "a new version needs its migration in kMigrations");
    for (; v < kVersion; ++v) {
        if (!db.transaction()) return db.lastError().text();
        QString e = kMigrations[static_cast<std::size_t>(v)](db, damaged);
        if (e.isEmpty() && !q.exec(QStringLiteral("PRAGMA user_version = %1").arg(v + 1)))
            e = failure(q, damaged);
        if (e.isEmpty() && !db.commit()) e = db.lastError().text();
        if (!e.isEmpty()) {
            db.rollback();
            return e;
        }
    }
    return {};
}

QString createVersion1(QSqlDatabase& db) {
    if (QString e = createV1(db, nullptr); !e.isEmpty()) return e;
    return execAll(db, {QStringLiteral("PRAGMA user_version = 1")});
}

QString readPresses(QSqlDatabase& db, qint64 id, RecordedRun& run, bool* damaged) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(
        QStringLiteral("SELECT button, source, press_units, release_units FROM presses WHERE run_id = ? "
                       "ORDER BY seq"));
    q.bindValue(0, id);
    if (!q.exec()) return failure(q, damaged);
    run.presses.clear();
    while (q.next()) {
        const int button = q.value(0).toInt();
        const auto source = InputSource::fromIndex(q.value(1).toInt());
        if ((button != 0 && button != 1) || !source || run.presses.size() >= RecordedRun::kMaxPresses)
            return QStringLiteral("記録 %1 の押した記録が壊れています。").arg(id);
        RecordedPress p;
        p.button = button == 1 ? PressKind::A : PressKind::B;
        p.source = *source;
        p.press = Millis::fromUnits(q.value(2).toLongLong());
        if (!q.value(3).isNull()) p.release = Millis::fromUnits(q.value(3).toLongLong());
        run.presses.push_back(p);
    }
    if (q.lastError().isValid()) return failure(q, damaged);
    return {};
}

}  // namespace tap::qt::schema
