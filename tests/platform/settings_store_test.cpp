// The settings file on disk: a folder that cannot be made, a read-only folder and a full disk are told
// with the file and the reason while the old file stays whole, and a save killed at any moment leaves
// the old or the new file, never a part of one.
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>

#include "platform/qt/ini_file.h"
#include "platform/qt/settings_stores.h"

namespace tap::qt {
namespace {

std::string readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("<unreadable>");
}

void writeFile(const QString& path, const std::string& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.data(), static_cast<qint64>(text.size()));
}

// Runs `job` in a child process, so that what it changes about the process (limits, rights) stays there;
// returns what the job returned.
std::string inChild(const std::function<std::string()>& job) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return "<no pipe>";
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(pipeFds[0]);
        const std::string out = job();
        [[maybe_unused]] const auto n = ::write(pipeFds[1], out.data(), out.size());
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    std::string out;
    char buf[512];
    for (ssize_t n; (n = ::read(pipeFds[0], buf, sizeof buf)) > 0;) out.append(buf, static_cast<std::size_t>(n));
    ::close(pipeFds[0]);
    ::waitpid(pid, nullptr, 0);
    return out;
}

// An administrator writes anywhere; without these rights the folder's own permissions decide.
void dropFileRights() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (::syscall(SYS_capget, &header, data) != 0) return;
    for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
        data[cap / 32].effective &= ~(1u << (cap % 32));
    ::syscall(SYS_capset, &header, data);
}

std::string flushed(IniSettingsStore& store) { return store.flush().value_or("ok"); }

TEST(SettingsFile, IsWrittenIntoAFolderItMakesFirst) {
    QTemporaryDir tmp;
    const QString path = tmp.filePath("a/b/settings.ini");
    IniSettingsStore store(path);
    store.write("PANEL", "SKIN", "3");
    EXPECT_EQ(flushed(store), "ok");
    EXPECT_EQ(readFile(path), "[PANEL]\nSKIN=3\n");
}

TEST(SettingsFile, AFolderThatCannotBeMadeIsNamed) {
    QTemporaryDir tmp;
    writeFile(tmp.filePath("file"), "not a folder");
    IniSettingsStore store(tmp.filePath("file/settings.ini"));
    store.write("PANEL", "SKIN", "3");
    const std::string failure = flushed(store);
    EXPECT_NE(failure.find(tmp.filePath("file").toStdString()), std::string::npos) << failure;
    // The values stay, and a later flush tries again.
    EXPECT_EQ(store.read("PANEL", "SKIN"), "3");
    EXPECT_NE(flushed(store), "ok");
}

TEST(SettingsFile, AReadOnlyFolderIsToldAndTheOldFileStays) {
    QTemporaryDir tmp;
    const QString path = tmp.filePath("settings.ini");
    writeFile(path, "[PANEL]\nSKIN=1\n");
    QFile::setPermissions(tmp.path(), QFile::ReadOwner | QFile::ExeOwner);
    const std::string failure = inChild([&] {
        dropFileRights();
        IniSettingsStore store(path);
        store.write("PANEL", "SKIN", "4");
        return flushed(store);
    });
    QFile::setPermissions(tmp.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_NE(failure.find(path.toStdString()), std::string::npos) << failure;
    EXPECT_NE(failure.find("ermission"), std::string::npos) << failure;
    EXPECT_EQ(readFile(path), "[PANEL]\nSKIN=1\n");
}

TEST(SettingsFile, AFullDiskIsToldAndTheOldFileStays) {
    QTemporaryDir tmp;
    const QString path = tmp.filePath("settings.ini");
    writeFile(path, "[PANEL]\nSKIN=1\n");
    const std::string failure = inChild([&] {
        // A file size limit fails writes the way a full disk does.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64, 64};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        IniSettingsStore store(path);
        store.write("PANEL", "SKIN", std::string(4000, '4'));
        return flushed(store);
    });
    EXPECT_NE(failure.find(path.toStdString() + ": File too large"), std::string::npos) << failure;
    EXPECT_EQ(readFile(path), "[PANEL]\nSKIN=1\n");
}

// The file a save of generation `n` writes: its size changes from one generation to the next, and a
// check value covers all of it, so that a file made of two saves, or cut short, is recognised.
std::string filler(int n) { return std::string(static_cast<std::size_t>(n % 7) * 500 + 10, static_cast<char>('a' + n % 26)); }
std::string check(int n) { return std::to_string(n * 7919 + static_cast<int>(filler(n).size())); }

TEST(SettingsFile, ASaveKilledAtAnyMomentLeavesTheOldOrTheNewFileWhole) {
    QTemporaryDir tmp;
    const QString path = tmp.filePath("settings.ini");
    {
        IniSettingsStore first(path);
        first.write("PANEL", "GEN", "0");
        first.write("PANEL", "FILL", filler(0));
        first.write("PANEL", "CHECK", check(0));
        ASSERT_EQ(flushed(first), "ok");
    }
    std::mt19937 rng(20240611);
    std::uniform_int_distribution<int> killAfterUs(0, 20000);
    int highest = 0;
    for (int round = 0; round < 150; ++round) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            // Saves as fast as it can, one generation after another, until it is killed.
            IniSettingsStore store(path);
            for (int n = std::stoi(store.read("PANEL", "GEN").value_or("0")) + 1;; ++n) {
                store.write("PANEL", "GEN", std::to_string(n));
                store.write("PANEL", "FILL", filler(n));
                store.write("PANEL", "CHECK", check(n));
                if (store.flush()) ::_exit(2);
            }
        }
        ::usleep(static_cast<useconds_t>(killAfterUs(rng)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving process failed on its own in round " << round;

        const IniFile ini = IniFile::parse(readFile(path));
        const auto gen = ini.get("PANEL", "GEN");
        ASSERT_TRUE(gen.has_value()) << "round " << round << ": " << readFile(path).substr(0, 80);
        const int n = std::stoi(*gen);
        ASSERT_EQ(ini.get("PANEL", "FILL"), filler(n)) << "round " << round;
        ASSERT_EQ(ini.get("PANEL", "CHECK"), check(n)) << "round " << round;
        ASSERT_GE(n, highest) << "an older file came back in round " << round;
        highest = n;
    }
    EXPECT_GT(highest, 10) << "the saves were killed before they could write";
}

}  // namespace
}  // namespace tap::qt
