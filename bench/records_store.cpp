// The run store on a real SQLite file: storing a run of 1 000 presses (and one of 130, a hand's run, as the
// baseline), the space a 1 000-press run takes, and the history window opened on 10 000 stored runs (and on
// an empty store as the baseline).
//
//   records_store [DIR]           the figures; DIR keeps the 10 000-run database between runs (default: .)
//   records_store --fill FILE N   N runs of a hand's pace over the last days into FILE, for pictures
//
// The history window is shown by a device on the simulated platform with this store in place of its own:
// what is timed (reading the store, the window's model, the Qt view painted) is all real.
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <random>
#include <vector>

#include "core/records/run_statistics.h"
#include "platform/qt/sql_run_store.h"
#include "platform/qt/user_files.h"
#include "tests/support/sim_platform.h"
#include "ui/records/history_view.h"

namespace {

using namespace tap;
using Steady = std::chrono::steady_clock;

double msSince(Steady::time_point t0) {
    return std::chrono::duration<double, std::milli>(Steady::now() - t0).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// A run of `presses` presses `intervalMs` apart on average, A and B in turn, with a hand's unevenness.
RecordedRun makeRun(int presses, double intervalMs, std::mt19937& rng, CalendarTime when) {
    std::normal_distribution<double> jitter(0, intervalMs * 0.12);
    RecordedRun run;
    run.startedAt = when;
    double t = 0;
    for (int i = 0; i < presses && t <= 10000; ++i) {
        const Millis press = Millis::fromMsDouble(t);
        const Millis release = Millis::fromMsDouble(std::min(10000.0, t + intervalMs * 0.4));
        run.presses.push_back({i % 2 ? PressKind::B : PressKind::A, InputSource::keyboard(), press, release});
        t += std::max(intervalMs * 0.5, intervalMs + jitter(rng));
    }
    return run;
}

CalendarTime calendarOf(const QDateTime& t) {
    return {t.date().year(),   t.date().month(),  t.date().day(),        t.time().hour(),
            t.time().minute(), t.time().second(), t.offsetFromUtc() / 60};
}

// `count` runs, a few a day up to now, getting slowly faster: what a player's history looks like.
void fill(qt::SqlRunStore& store, int count, int runsPerDay) {
    std::mt19937 rng(11);
    const QDateTime now = QDateTime::currentDateTime();
    for (int i = 0; i < count; ++i) {
        const int daysBack = (count - 1 - i) / runsPerDay;
        const QDateTime when = now.addDays(-daysBack).addSecs(-3600 + (i % runsPerDay) * 90 - 4 * 3600);
        const double pace = 1000.0 / (10.5 + 3.5 * i / std::max(1, count - 1));  // 10.5 to 14 a second
        std::uniform_real_distribution<double> day(0.93, 1.07);
        const RecordedRun run = makeRun(200, pace * day(rng), rng, calendarOf(when));
        std::int64_t id = 0;
        const StoreStatus st = store.add(run, summaryOf(run), id);
        if (!st.ok()) {
            std::fprintf(stderr, "records_store: %s\n", st.error.c_str());
            std::exit(1);
        }
    }
}

int storedRuns(qt::SqlRunStore& store) {
    std::vector<RunSummary> all;
    return store.summaries(all).ok() ? static_cast<int>(all.size()) : -1;
}

struct StoreFigures {
    double firstMs = 0;  // opening a new database and its schema, with the first run
    double medianMs = 0, worstMs = 0;
};

StoreFigures timeStoring(const QString& path, int presses, double intervalMs) {
    for (const char* suffix : {"", "-wal", "-shm"}) QFile::remove(path + QLatin1String(suffix));
    qt::SqlRunStore store(path);
    std::mt19937 rng(3);
    const RecordedRun run = makeRun(presses, intervalMs, rng, {2024, 5, 1, 12, 0, 0, 540});
    StoreFigures f;
    std::vector<double> times;
    for (int i = 0; i < 41; ++i) {
        // The summary is part of storing a run: the device works it out as it writes.
        const auto t0 = Steady::now();
        RunSummary s = summaryOf(run);
        store.add(run, s, s.id);
        const double ms = msSince(t0);
        if (i == 0)
            f.firstMs = ms;
        else
            times.push_back(ms);
    }
    f.medianMs = median(times);
    f.worstMs = *std::max_element(times.begin(), times.end());
    return f;
}

// Bytes a run of 1 000 presses adds to the database, over 50 of them, with the journal folded in.
double bytesPerRun(const QString& path) {
    QFile::remove(path);
    std::mt19937 rng(5);
    const RecordedRun run = makeRun(1000, 10, rng, {2024, 5, 1, 12, 0, 0, 540});
    auto size = [&path] {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("size"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery(db).exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("size"));
        return static_cast<double>(QFile(path).size());
    };
    double empty = 0;
    {
        qt::SqlRunStore store(path);
        storedRuns(store);  // the schema alone
        empty = size();
        for (int i = 0; i < 50; ++i) {
            RunSummary s = summaryOf(run);
            store.add(run, s, s.id);
        }
    }
    return (size() - empty) / 50;
}

// The history window opened from the menu until it is painted, `times` times; the first opens the database.
std::vector<double> timeHistoryOpen(qt::SqlRunStore& store, int times) {
    sim::SimPlatform sim;
    qt::QtUserFiles files;
    Platform platform{sim, sim, sim, sim, sim, sim, sim, sim, sim, sim.canvas, store, files};
    Device device(platform);
    device.lifecycle.Form_Load();
    ui::HistoryView view(device, nullptr);
    std::vector<double> out;
    for (int i = 0; i < times; ++i) {
        const auto t0 = Steady::now();
        device.menu.choose("RECORDS");
        QApplication::processEvents();
        view.repaint();
        out.push_back(msSince(t0));
        device.history.close();
        QApplication::processEvents();
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    // The offscreen platform's notes on what it cannot do would bury the figures.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtDebugMsg && type != QtInfoMsg && type != QtWarningMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    if (!qEnvironmentVariableIsSet("DISPLAY") && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == QLatin1String("--fill")) {
        qt::SqlRunStore store(args[2]);
        fill(store, args[3].toInt(), 6);
        return 0;
    }
    const QDir dir(args.size() > 1 ? args[1] : QStringLiteral("."));
    const QString scratch = dir.filePath(QStringLiteral("records-bench-scratch.sqlite"));

    const StoreFigures big = timeStoring(scratch, 1000, 10);
    const double reopened = [&scratch] {
        // The first run a later start stores: the database is there, only opened.
        qt::SqlRunStore store(scratch);
        std::mt19937 rng(3);
        const RecordedRun run = makeRun(1000, 10, rng, {2024, 5, 1, 12, 0, 0, 540});
        const auto t0 = Steady::now();
        RunSummary s = summaryOf(run);
        store.add(run, s, s.id);
        return msSince(t0);
    }();
    const StoreFigures hand = timeStoring(scratch, 130, 77);
    std::printf(
        "store a run of 1000 presses: median %.2f ms, worst %.2f ms of 40; the first of a start, opening the "
        "database: %.2f ms (%.2f ms when it is made)\n",
        big.medianMs, big.worstMs, reopened, big.firstMs);
    std::printf("store a run of  130 presses: median %.2f ms (baseline; 1000 presses take %.1fx as long)\n",
                hand.medianMs, big.medianMs / hand.medianMs);
    std::printf("space of a run of 1000 presses: %.1f KB\n", bytesPerRun(scratch) / 1024);
    for (const char* suffix : {"", "-wal", "-shm"}) QFile::remove(scratch + QLatin1String(suffix));

    // The store with 10 000 runs first, so that its first open also pays for the first window the
    // program shows; the empty store after it is the baseline.
    const QString historyPath = dir.filePath(QStringLiteral("records-bench-10000.sqlite"));
    auto history = std::make_unique<qt::SqlRunStore>(historyPath);
    if (storedRuns(*history) != 10000) {
        std::printf("(making 10000 stored runs in %s once; this takes a while)\n", qPrintable(historyPath));
        std::fflush(stdout);
        history.reset();
        for (const char* suffix : {"", "-wal", "-shm"}) QFile::remove(historyPath + QLatin1String(suffix));
        history = std::make_unique<qt::SqlRunStore>(historyPath);
        fill(*history, 10000, 25);
        history = std::make_unique<qt::SqlRunStore>(historyPath);  // opened afresh, as by a new start
    }
    const auto times = timeHistoryOpen(*history, 5);
    const QString emptyPath = dir.filePath(QStringLiteral("records-bench-empty.sqlite"));
    QFile::remove(emptyPath);
    qt::SqlRunStore empty(emptyPath);
    const auto emptyTimes = timeHistoryOpen(empty, 5);
    auto again = [](const std::vector<double>& t) { return median({t.begin() + 1, t.end()}); };
    std::printf(
        "history window on 10000 runs: first open %.1f ms, again median %.1f ms "
        "(empty store: %.1f ms, %.1f ms; 10000 runs take %.1fx as long)\n",
        times[0], again(times), emptyTimes[0], again(emptyTimes), again(times) / again(emptyTimes));
    QFile::remove(emptyPath);
    return 0;
}
