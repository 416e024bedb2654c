#include "platform/qt/sql_run_store.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include "platform/qt/run_schema.h"

namespace tap::qt {

namespace {
constexpr auto kMemory = ":memory:";

using schema::failure;

QVariant nullableUnits(const std::optional<Millis>& t) {
    return t ? QVariant(static_cast<qlonglong>(t->units())) : QVariant(QMetaType::fromType<qlonglong>());
}
}  // namespace

QString defaultRecordsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/TAPRIKO_RUZIRODO/runs.sqlite");
}

SqlRunStore::SqlRunStore(QString path)
    : path_(std::move(path)),
      connection_(QStringLiteral("tapriko-runs-%1").arg(reinterpret_cast<quintptr>(this))) {}

SqlRunStore::~SqlRunStore() {
    close();
}

void SqlRunStore::close() {
    if (!QSqlDatabase::contains(connection_)) return;
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
    open_ = false;
}

QString SqlRunStore::open(bool& damaged) {
    if (open_) return {};
    if (path_ != QLatin1String(kMemory) && !QDir().mkpath(QFileInfo(path_).absolutePath()))
        return QStringLiteral("フォルダ %1 を作れません。").arg(QFileInfo(path_).absolutePath());
    QSqlDatabase db = QSqlDatabase::contains(connection_)
                          ? QSqlDatabase::database(connection_, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    if (!db.isValid()) return QStringLiteral("Qt の SQLite ドライバがありません。");
    db.setDatabaseName(path_);
    // Another device on another settings file may write at the same moment; it is waited for, briefly.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=1000"));
    if (!db.open()) return db.lastError().text();
    QSqlQuery q(db);
    // The check reads only: a database refused is left as it was. Then WAL: a run's transaction appends to
    // the journal without rewriting the database, and a reader never waits for a writer; NORMAL: a crash of
    // the program loses nothing committed.
    QString error = schema::check(db, &damaged);
    if (error.isEmpty() && (!q.exec(QStringLiteral("PRAGMA journal_mode = WAL")) ||
                            !q.exec(QStringLiteral("PRAGMA synchronous = NORMAL"))))
        error = failure(q, &damaged);
    if (error.isEmpty()) error = schema::migrate(db, &damaged);
    if (!error.isEmpty()) {
        q.finish();
        db.close();
        return error;
    }
    open_ = true;
    return {};
}

QString SqlRunStore::setAside(QString& movedTo) {
    close();
    if (path_ == QLatin1String(kMemory)) return QStringLiteral("記録のデータベースが壊れています。");
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    movedTo = path_ + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFile::exists(movedTo); ++n)
        movedTo = path_ + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    if (!QFile::rename(path_, movedTo))
        return QStringLiteral("壊れた記録のデータベースを %1 に移せません。").arg(movedTo);
    // The journal belongs to the damaged file; the shared-memory index is rebuilt by SQLite.
    QFile::rename(path_ + QStringLiteral("-wal"), movedTo + QStringLiteral("-wal"));
    QFile::remove(path_ + QStringLiteral("-shm"));
    return {};
}

StoreStatus SqlRunStore::run(const std::function<QString(QSqlDatabase&, bool&)>& op) {
    StoreStatus status;
    for (int attempt = 0; attempt < 2; ++attempt) {
        bool damaged = false;
        QString error = open(damaged);
        if (error.isEmpty()) {
            QSqlDatabase db = QSqlDatabase::database(connection_, false);
            error = op(db, damaged);
        }
        if (error.isEmpty()) return status;
        status.error = error.toStdString();
        if (!damaged || attempt > 0) return status;
        QString movedTo;
        if (const QString e = setAside(movedTo); !e.isEmpty()) {
            status.error = e.toStdString();
            return status;
        }
        status.note =
            QStringLiteral("記録のデータベースが壊れていたので %1 に移し、新しいデータベースで始めました。")
                .arg(movedTo)
                .toStdString();
        status.error.clear();
    }
    return status;
}

StoreStatus SqlRunStore::add(const RecordedRun& run, const RunSummary& summary, std::int64_t& id) {
    return this->run([&](QSqlDatabase& db, bool& damaged) -> QString {
        if (!db.transaction()) return db.lastError().text();
        auto abandon = [&db](const QString& error) {
            db.rollback();
            return error;
        };
        QSqlQuery q(db);
        q.prepare(QStringLiteral(
            "INSERT INTO runs (started_at, total, count_a, count_b, fastest_second, unstable_rate, "
            "sources, turbo, imported) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        const QVariant values[] = {
            QString::fromStdString(run.startedAt.iso()),
            summary.total,
            summary.countA,
            summary.countB,
            summary.fastestSecond,
            summary.unstableRate ? QVariant(*summary.unstableRate) : QVariant(QMetaType::fromType<double>()),
            static_cast<qlonglong>(summary.sources),
            summary.turbo ? 1 : 0,
            run.imported ? 1 : 0};
        for (int i = 0; i < 9; ++i) q.bindValue(i, values[i]);
        if (!q.exec()) return abandon(failure(q, &damaged));
        const qint64 runId = q.lastInsertId().toLongLong();
        QSqlQuery press(db);
        press.prepare(QStringLiteral("INSERT INTO presses VALUES (?, ?, ?, ?, ?, ?)"));
        int seq = 0;
        for (const auto& p : run.presses) {
            press.bindValue(0, runId);
            press.bindValue(1, ++seq);
            press.bindValue(2, p.button == PressKind::A ? 1 : 0);
            press.bindValue(3, p.source.index());
            press.bindValue(4, static_cast<qlonglong>(p.press.units()));
            press.bindValue(5, nullableUnits(p.release));
            if (!press.exec()) return abandon(failure(press, &damaged));
        }
        if (!db.commit()) return abandon(db.lastError().text());
        id = runId;
        return {};
    });
}

StoreStatus SqlRunStore::summaries(std::vector<RunSummary>& out) {
    return run([&](QSqlDatabase& db, bool& damaged) -> QString {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral(
                "SELECT id, started_at, total, count_a, count_b, fastest_second, unstable_rate, "
                "sources, turbo, imported FROM runs ORDER BY id")))
            return failure(q, &damaged);
        out.clear();
        while (q.next()) {
            RunSummary s;
            s.id = q.value(0).toLongLong();
            s.startedAt =
                CalendarTime::parseIso(q.value(1).toString().toStdString()).value_or(CalendarTime{});
            s.total = q.value(2).toInt();
            s.countA = q.value(3).toInt();
            s.countB = q.value(4).toInt();
            s.fastestSecond = q.value(5).toInt();
            if (!q.value(6).isNull()) s.unstableRate = q.value(6).toDouble();
            s.sources = static_cast<std::uint32_t>(q.value(7).toLongLong());
            s.turbo = q.value(8).toInt() != 0;
            s.imported = q.value(9).toInt() != 0;
            out.push_back(s);
        }
        if (q.lastError().isValid()) return failure(q, &damaged);
        return {};
    });
}

StoreStatus SqlRunStore::load(std::int64_t id, RecordedRun& out) {
    return run([&](QSqlDatabase& db, bool& damaged) -> QString {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT started_at, imported FROM runs WHERE id = ?"));
        q.bindValue(0, static_cast<qlonglong>(id));
        if (!q.exec()) return failure(q, &damaged);
        if (!q.next()) return QStringLiteral("記録 %1 はもうありません。").arg(id);
        RecordedRun run;
        run.startedAt = CalendarTime::parseIso(q.value(0).toString().toStdString()).value_or(CalendarTime{});
        run.imported = q.value(1).toInt() != 0;
        if (QString e = schema::readPresses(db, id, run, &damaged); !e.isEmpty()) return e;
        out = std::move(run);
        return {};
    });
}

StoreStatus SqlRunStore::remove(std::int64_t id) {
    return run([&](QSqlDatabase& db, bool& damaged) -> QString {
        if (!db.transaction()) return db.lastError().text();
        QSqlQuery q(db);
        for (const auto* sql : {"DELETE FROM presses WHERE run_id = ?", "DELETE FROM runs WHERE id = ?"}) {
            q.prepare(QString::fromLatin1(sql));
            q.bindValue(0, static_cast<qlonglong>(id));
            if (!q.exec()) {
                const QString error = failure(q, &damaged);
                db.rollback();
                return error;
            }
        }
        if (!db.commit()) {
            const QString error = db.lastError().text();
            db.rollback();
            return error;
        }
        return {};
    });
}

}  // namespace tap::qt
