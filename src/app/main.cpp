// Tapriko++: a desktop rapid-fire meter.
#include <QApplication>
#include <QCommandLineParser>
#include <QGuiApplication>
#include <QIcon>
#include <QMessageBox>
#include <QScreen>
#include <cstdio>
#include <random>

#include "core/device/device.h"
#include "platform/no_game_pads.h"
#include "platform/qt/entry_guard.h"
#include "platform/qt/platform_choice.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_event_pump.h"
#include "platform/qt/qt_timers.h"
#include "platform/qt/qt_window_ops.h"
#include "platform/qt/records_commands.h"
#include "platform/qt/settings_stores.h"
#include "platform/qt/shutdown_signals.h"
#include "platform/qt/single_instance.h"
#include "platform/qt/sql_run_store.h"
#include "platform/qt/user_files.h"
#include "platform/qt/x11_auto_repeat.h"
#include "platform/sdl/sdl_pads.h"
#include "platform/sdl/sdl_sound.h"
#include "ui/alarm_notice_dialog.h"
#include "ui/analyzer/analyzer_view.h"
#include "ui/device_window.h"
#include "ui/face_render.h"
#include "ui/game_windows.h"
#include "ui/key_setup_window.h"
#include "ui/records/history_view.h"

namespace {

using namespace tap;

class QtBeep : public Sound {
public:
    void beep() override { QApplication::beep(); }
};

class StdRandom : public RandomSource {
public:
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); }

private:
    std::mt19937 rng_{std::random_device{}()};
};

struct Options {
    QString settingsFile;
    QString recordsFile;
    QString exportLast;
    bool history = false;
    QString renderFile;
    int skin = 0;
    bool compact = false;
    bool back = false;
};

Options parseOptions(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tapriko++ rapid-fire meter"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption settings(QStringLiteral("settings"), QStringLiteral("Keep the settings in FILE."),
                                      QStringLiteral("FILE"));
    const QCommandLineOption render(QStringLiteral("render-face"),
                                    QStringLiteral("Write what the window shows to FILE.png and exit."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption skin(QStringLiteral("skin"), QStringLiteral("Skin 0-5 for --render-face."),
                                  QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption compact(QStringLiteral("compact"), QStringLiteral("The 50 % view for --render-face."));
    const QCommandLineOption back(QStringLiteral("back"), QStringLiteral("The back face for --render-face."));
    const QCommandLineOption records(QStringLiteral("records"),
                                     QStringLiteral("Keep the stored runs in the database FILE."), QStringLiteral("FILE"));
    const QCommandLineOption exportLast(
        QStringLiteral("export-last"),
        QStringLiteral("Write the last run played to FILE.csv or FILE.json and exit."), QStringLiteral("FILE"));
    const QCommandLineOption history(QStringLiteral("history"), QStringLiteral("Print the stored runs and exit."));
    parser.addOptions({settings, records, exportLast, history, render, skin, compact, back});
    parser.process(app);
    return {parser.value(settings), parser.value(records), parser.value(exportLast), parser.isSet(history),
            parser.value(render), parser.value(skin).toInt(), parser.isSet(compact), parser.isSet(back)};
}

// A face picture for the README and for checking the pictures, from a device that never touches the
// user's settings.
int renderFaceToFile(const Options& o) {
    qt::QtClock clock;
    qt::QtTimerFactory timers;
    qt::QtEventPump pump;
    qt::QtDialogs dialogs;
    qt::QtWindowOps window;
    qt::MemorySettingsStore store;
    QtBeep sound;
    StdRandom random;
    NoGamePads pads;
    qt::QtCanvas canvas(1.0);
    qt::SqlRunStore runs(QStringLiteral(":memory:"));
    qt::QtUserFiles files;
    Platform platform{clock, timers, pump, dialogs, window, store, pads, sound, random, canvas, runs, files};
    store.write("PANEL", "SKIN", std::to_string(o.skin));
    store.write("PANEL", "SIZE", o.compact ? "1" : "0");
    store.write("PANEL", "SIDE", o.back ? "1" : "0");
    store.write("PANEL", "RESET_SEAL", "2");
    store.write("MODE", "SHOOTING_MAX", "0");
    Device device(platform);
    if (!device.lifecycle.Form_Load()) return 1;
    QCoreApplication::processEvents();
    const qreal dpr = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->devicePixelRatio() : 1.0;
    const ui::PictureBook book(dpr);
    const QImage image = ui::renderFace(device.face, window.shape(), book, dpr);
    if (!image.save(o.renderFile)) {
        std::fprintf(stderr, "tapriko: cannot write %s\n", qPrintable(o.renderFile));
        return 1;
    }
    return 0;
}

QString recordsPath(const Options& o) { return o.recordsFile.isEmpty() ? qt::defaultRecordsPath() : o.recordsFile; }

// --history and --export-last: answered from the store, without a window.
int answerRecordsCommand(const Options& o) {
    qt::SqlRunStore runs(recordsPath(o));
    return o.history ? qt::printHistory(runs) : qt::exportLastRun(runs, o.exportLast);
}

void nameTheProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("Tapriko++"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TAPRIKO_VERSION));
}

}  // namespace

int main(int argc, char** argv) {
    if (qt::asksOnlyForText({argv, argv + argc})) {
        QCoreApplication textOnly(argc, argv);
        nameTheProgram();
        parseOptions(textOnly);  // prints the text and ends the program
    }
    if (qt::asksForRecords({argv, argv + argc})) {
        QCoreApplication textOnly(argc, argv);
        nameTheProgram();
        return answerRecordsCommand(parseOptions(textOnly));
    }
    qt::preferX11InWaylandSessions(argc, argv);
    // The face repaints a few small digits at a time. Through X shared memory each of those costs a
    // completion round trip with the toolkit's X thread, more than sending the few pixels themselves.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    nameTheProgram();
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tapriko.Tapriko"));
    QApplication::setQuitOnLastWindowClosed(false);
    const Options options = parseOptions(app);
    if (!options.renderFile.isEmpty()) return renderFaceToFile(options);
    qt::SingleInstance instance(qt::instanceKey(options.settingsFile), qt::instanceDirectory());
    if (const auto exitCode = qt::handOverToRunningInstance(instance)) return *exitCode;

    qt::makeAutoRepeatDetectable();
    qt::QtClock clock;
    qt::QtTimerFactory timers;
    qt::QtEventPump pump;
    qt::QtDialogs dialogs;
    qt::QtWindowOps window;
    const auto store = qt::openSettingsStore(options.settingsFile);
    sdl::SdlPads pads(clock);
    sdl::SdlSound sound;
    StdRandom random;
    qt::QtCanvas canvas(app.devicePixelRatio());
    qt::SqlRunStore runs(recordsPath(options));
    qt::QtUserFiles files;
    Platform platform{clock, timers, pump, dialogs, window, *store, pads, sound, random, canvas, runs, files};

    Device device(platform);
    const ui::PictureBook book(app.devicePixelRatio());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icons/org.tapriko.Tapriko.svg")));
    ui::DeviceWindow view(device, book);
    ui::GameWindows games(device, book, view);
    window.setWindow(&view);
    instance.onRaiseRequest = [&window] { window.bringToFront(); };
    window.openMenu = [&view](Point p) { view.openPopupMenu(p); };
    ui::AnalyzerView analyzer(device, book, canvas, &view);
    analyzer.forwardKey = [&view](const QKeyEvent& e, bool pressed) { view.handleKey(e, pressed); };
    ui::HistoryView history(device, &view);
    history.forwardKey = analyzer.forwardKey;
    dialogs.setOwner(&view);
    dialogs.showAlarmNotice = [&view](AlarmNotice& notice) { ui::AlarmNoticeDialog(notice, &view).exec(); };
    // The key setup window is made at its first opening and kept: later openings show the same one.
    std::unique_ptr<ui::KeySetupWindow> keySetupWindow;
    dialogs.showKeySetup = [&view, &keySetupWindow](KeySetupDialog& model) {
        if (!keySetupWindow) keySetupWindow = std::make_unique<ui::KeySetupWindow>(model, &view);
        keySetupWindow->exec();
    };

    qt::setFailureReport([&view](const std::string& what) {
        QMessageBox::critical(&view, QStringLiteral("Tapriko++"), QString::fromStdString(what));
    });
    // A signal or a logout ends the program through the normal shutdown, so the user's settings survive
    // it; nobody is there to read a message, so a save that fails is told on standard error.
    auto shutdown = [&device] {
        device.lifecycle.Form_Unload(0, ShutdownBy::System);
        if (!device.lifecycle.saveFailure().empty())
            std::fprintf(stderr, "tapriko: the settings could not be saved: %s\n",
                         device.lifecycle.saveFailure().c_str());
    };
    qt::routeShutdownSignals(shutdown);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, qt::guardedShutdown(shutdown));
    QObject::connect(&app, &QCoreApplication::aboutToQuit, qt::guardedShutdown(shutdown));

    if (!device.lifecycle.Form_Load()) return device.lifecycle.exitCode();
    view.show();
    view.activateWindow();
    const int status = app.exec();
    // A loop the shutdown interrupted (a run ended under the unlock message) hands its run over only as it
    // unwinds, after the shutdown's own writing: write it now. Runs the store would not take are lost with
    // the program: say so where the user can still see it.
    qt::guarded([&device] { device.runKeeper.flush(true); }, qt::Tell::Log);
    if (const std::size_t lost = device.runKeeper.waiting())
        std::fprintf(stderr, "tapriko: %zu run(s) could not be stored in %s: %s\n", lost, runs.location().c_str(),
                     device.runKeeper.lastError().c_str());
    return status;
}
