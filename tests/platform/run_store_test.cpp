// The SQLite run store: runs kept and read back exactly, the first schema brought up to date, damaged,
// unwritable, newer and foreign databases.
#include <gtest/gtest.h>

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include "core/records/run_statistics.h"
#include "platform/qt/run_schema.h"
#include "platform/qt/sql_run_store.h"

namespace tap::qt {
namespace {

RecordedRun sampleRun(int presses, CalendarTime when = {2024, 5, 1, 20, 15, 0, 540}) {
    RecordedRun run;
    run.startedAt = when;
    for (int i = 0; i < presses; ++i) {
        const Millis at = Millis::fromUnits(i * 93337LL);  // about 9.3 ms apart, with a fraction
        run.presses.push_back(
            {i % 2 ? PressKind::B : PressKind::A, i % 3 ? InputSource::fromPad(i % 16) : InputSource::mouse(),
             at, i + 1 == presses ? std::nullopt : std::optional<Millis>(at + Millis::fromUnits(41234))});
    }
    return run;
}

std::int64_t store(SqlRunStore& s, const RecordedRun& run) {
    std::int64_t id = 0;
    const StoreStatus st = s.add(run, summaryOf(run), id);
    EXPECT_TRUE(st.ok()) << st.error;
    return id;
}

// Runs SQL on a database file outside the store, as another program (or an older version) would.
void onFile(const QString& path, const QStringList& statements) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("outside"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        for (const auto& sql : statements) ASSERT_TRUE(q.exec(sql)) << sql.toStdString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("outside"));
}

TEST(SqlRunStore, KeepsRunsExactlyAndDeletesThem) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data/TAPRIKO_RUZIRODO/runs.sqlite"));  // folders made
    const RecordedRun first = sampleRun(130);
    RecordedRun imported = sampleRun(1, {2023, 12, 24, 8, 0, 0, -300});
    imported.imported = true;
    std::int64_t a = 0, b = 0;
    {
        SqlRunStore s(path);
        a = store(s, first);
        b = store(s, imported);
        EXPECT_GT(b, a);
    }
    SqlRunStore s(path);  // read back by a store opened afresh
    std::vector<RunSummary> all;
    ASSERT_TRUE(s.summaries(all).ok());
    ASSERT_EQ(all.size(), 2u);
    RunSummary expected = summaryOf(first);
    expected.id = a;
    EXPECT_EQ(all[0], expected);
    EXPECT_TRUE(all[1].imported);
    EXPECT_FALSE(all[1].unstableRate);
    RecordedRun back;
    ASSERT_TRUE(s.load(a, back).ok());
    EXPECT_EQ(back, first);
    ASSERT_TRUE(s.load(b, back).ok());
    EXPECT_EQ(back, imported);
    ASSERT_TRUE(s.remove(a).ok());
    EXPECT_FALSE(s.load(a, back).ok());
    ASSERT_TRUE(s.summaries(all).ok());
    EXPECT_EQ(all.size(), 1u);
}

TEST(SqlRunStore, BringsTheFirstSchemaUpToDate) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("runs.sqlite"));
    // A database of the first version: runs and presses, no figures beside them.
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v1"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        ASSERT_EQ(schema::createVersion1(db), QString());
        QSqlQuery q(db);
        ASSERT_TRUE(
            q.exec(QStringLiteral("INSERT INTO runs VALUES (7, '2024-04-30T10:00:00+09:00', 3, 2, 1)")));
        for (const char* row :
             {"(7, 1, 1, 0, 0, 500000)", "(7, 2, 0, 0, 1000000, NULL)", "(7, 3, 1, 2, 4000000, 4500000)"})
            ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO presses VALUES %1").arg(QLatin1String(row))));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("v1"));

    SqlRunStore s(path);
    std::vector<RunSummary> all;
    ASSERT_TRUE(s.summaries(all).ok());
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].id, 7);
    EXPECT_EQ(all[0].total, 3);
    EXPECT_EQ(all[0].fastestSecond, 3);                 // 0, 100 and 400 ms
    EXPECT_NEAR(*all[0].unstableRate, 10 * 100, 1e-9);  // intervals 100 and 300 ms
    EXPECT_EQ(all[0].sources, 1u | (1u << InputSource::fromPad(0).index()));
    RecordedRun back;
    ASSERT_TRUE(s.load(7, back).ok());
    EXPECT_EQ(back.presses[2].source, InputSource::fromPad(0));
    EXPECT_EQ(back.presses[1].release, std::nullopt);
    store(s, sampleRun(5));  // and it takes new runs
    QSqlDatabase db =
        QSqlDatabase::database(QStringLiteral("tapriko-runs-%1").arg(reinterpret_cast<quintptr>(&s)));
    QSqlQuery q(db);
    ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA user_version")) && q.next());
    EXPECT_EQ(q.value(0).toInt(), schema::kVersion);
}

TEST(SqlRunStore, ADamagedDatabaseIsSetAsideUnderADatedNameAndANewOneStarted) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("runs.sqlite"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("this is no database, but it may be someone's data\n");
    }
    SqlRunStore s(path);
    std::int64_t id = 0;
    const StoreStatus st = s.add(sampleRun(10), summaryOf(sampleRun(10)), id);
    EXPECT_TRUE(st.ok()) << st.error;
    EXPECT_NE(st.note.find("runs.sqlite.damaged-"), std::string::npos) << st.note;
    const QStringList aside =
        QDir(dir.path()).entryList({QStringLiteral("runs.sqlite.damaged-2*")}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    QFile kept(dir.filePath(aside[0]));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_TRUE(kept.readAll().startsWith("this is no database"));
    std::vector<RunSummary> all;
    const StoreStatus again = s.summaries(all);
    EXPECT_TRUE(again.ok());
    EXPECT_TRUE(again.note.empty());  // said once
    EXPECT_EQ(all.size(), 1u);
}

TEST(SqlRunStore, DamageInsideADatabaseIsFoundAndSetAside) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("runs.sqlite"));
    {
        SqlRunStore s(path);
        for (int i = 0; i < 20; ++i) store(s, sampleRun(300));
    }
    {
        // Pages past the header overwritten, as a failing disk might.
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_GT(f.size(), 64 * 1024);
        f.seek(4096);
        f.write(QByteArray(48 * 1024, '\x5a'));
    }
    SqlRunStore s(path);
    std::vector<RunSummary> all;
    const StoreStatus st = s.summaries(all);
    EXPECT_TRUE(st.ok()) << st.error;
    EXPECT_NE(st.note.find("runs.sqlite.damaged-"), std::string::npos) << st.note;
    EXPECT_TRUE(all.empty());
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("runs.sqlite.damaged-*")}, QDir::Files).size(), 1);
    std::int64_t id = 0;
    EXPECT_TRUE(s.add(sampleRun(3), summaryOf(sampleRun(3)), id).ok());
}

TEST(SqlRunStore, AnUnwritablePlaceFailsWithAReasonEveryTime) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a-file"));
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    SqlRunStore s(file + QStringLiteral("/runs.sqlite"));  // a folder that cannot be made
    std::int64_t id = 0;
    for (int i = 0; i < 2; ++i) {
        const StoreStatus st = s.add(sampleRun(3), summaryOf(sampleRun(3)), id);
        EXPECT_FALSE(st.ok());
        EXPECT_NE(st.error.find("a-file"), std::string::npos) << st.error;
    }
    std::vector<RunSummary> all;
    EXPECT_FALSE(s.summaries(all).ok());
}

TEST(SqlRunStore, NewerAndForeignDatabasesAreLeftAsTheyAre) {
    QTemporaryDir dir;
    const QString newer = dir.filePath(QStringLiteral("newer.sqlite"));
    const QString foreign = dir.filePath(QStringLiteral("foreign.sqlite"));
    onFile(newer, {QStringLiteral("CREATE TABLE runs (x)"), QStringLiteral("PRAGMA user_version = 9")});
    onFile(foreign, {QStringLiteral("CREATE TABLE addresses (name TEXT)")});
    for (const auto& [path, reason] : {std::pair{newer, "新しい版"}, std::pair{foreign, "ではありません"}}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray before = f.readAll();
        f.close();
        {
            SqlRunStore s(path);
            std::vector<RunSummary> all;
            const StoreStatus st = s.summaries(all);
            EXPECT_FALSE(st.ok());
            EXPECT_NE(st.error.find(reason), std::string::npos) << st.error;
            EXPECT_TRUE(st.note.empty());
        }
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), before);
    }
}

}  // namespace
}  // namespace tap::qt
