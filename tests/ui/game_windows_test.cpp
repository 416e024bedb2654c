// The game windows under a real Qt window system: their pictures against the run tables that shape
// them, the masks and pictures the views take from the core, and picture files read under limits.
#include "ui/game_windows.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <span>
#include <string>

#include "core/appearance/picture_runs.h"
#include "platform/qt/picture_files.h"
#include "platform/qt/qt_window_ops.h"
#include "tests/support/scenario.h"
#include "tests/ui/real_device.h"
#include "ui/window_picture.h"

namespace tap {
namespace {

using W = SecondaryWindow;

struct Table {
    const char* name;
    std::span<const Run> runs;
    int ox, oy;
    int picture;
};

// Every cell of every run is fully opaque in the rendered picture, at 100 % and at 200 %.
TEST(GamePictures, RunTablesLieInsideTheOpaquePartOfTheirPictures) {
    const Table tables[] = {
        {"panel outline", runs::kPanelOutline, 14, 6, pics::PanelDefault},
        {"explosion 0 upper", runs::kExplosion0, 0, 4, pics::Explosion0},
        {"explosion 0 lower", runs::kExplosion0, 0, 68, pics::Explosion0},
        {"explosion 1 upper", runs::kExplosion1, 0, 4, pics::Explosion0 + 1},
        {"explosion 1 lower", runs::kExplosion1, 0, 68, pics::Explosion0 + 1},
        {"explosion 2 upper", runs::kExplosion2, 0, 4, pics::Explosion0 + 2},
        {"explosion 2 lower", runs::kExplosion2, 0, 68, pics::Explosion0 + 2},
        {"explosion 3 upper", runs::kExplosion3, 0, 4, pics::Explosion0 + 3},
        {"explosion 3 lower", runs::kExplosion3, 0, 68, pics::Explosion0 + 3},
        {"bonus", runs::kBonus, 0, 4, pics::Bonus},
    };
    for (qreal dpr : {1.0, 2.0}) {
        const ui::PictureBook book(dpr);
        for (const auto& t : tables) {
            const PictureId id{PicTable::Game, static_cast<std::int8_t>(t.picture)};
            const QImage img = book.pixmap(id).toImage();
            const Size size = pictureSize(id);
            ASSERT_EQ(img.size(), QSize(size.width, size.height) * dpr) << t.name;
            const Region region = regionOfRuns(t.runs, t.ox, t.oy);
            int transparent = 0;
            for (const Rect& r : region.rects()) {
                EXPECT_GE(r.left, 0) << t.name;
                EXPECT_LE(r.right, size.width) << t.name;
                EXPECT_LE(r.bottom, size.height) << t.name;
                for (int y = r.top * dpr; y < r.bottom * dpr; ++y)
                    for (int x = r.left * dpr; x < r.right * dpr; ++x)
                        transparent += qAlpha(img.pixel(x, y)) < 255;
            }
            EXPECT_EQ(transparent, 0) << t.name << " at " << dpr;
        }
    }
}

// The game windows on the real window system, the device on the simulated platform.
struct RealGameWindows : ::testing::Test, RealDevice {
    ui::GameWindows games{device, book, view};
    void SetUp() override {
        sim.store["MODE/SHOOTING_MAX"] = "200";
        sim.store["MODE/SELECT"] = "4";
        startAndShow();
    }
};

TEST_F(RealGameWindows, PanelsFollowTheirModelsAndTogetherShowTheWholeOutline) {
    for (W w : kPanelWindows) EXPECT_FALSE(games.window(w).isVisible());
    // A run that ends with the panels together at the centre.
    sim.at(100, [this] { device.dispatcher.Form_KeyDown(device.s.keys.keyCodeStart); });
    sim.at(500, [this] {
        for (W w : kPanelWindows) {
            const auto& m = device.windows[w];
            EXPECT_TRUE(games.window(w).isVisible());
            EXPECT_EQ(games.window(w).pos(), QPoint(m.pos.x, m.pos.y));
            EXPECT_EQ(games.window(w).size(), QSize(120, 136));
        }
    });
    sim.runUntil(5000);
    const Region outline = regionOfRuns(runs::kPanelOutline, 14, 6);
    QRegion together;
    for (W w : kPanelWindows) {
        EXPECT_FALSE(together.intersects(games.window(w).mask()));
        together += games.window(w).mask();
    }
    EXPECT_EQ(together, ui::maskOf(outline));
    EXPECT_TRUE(games.window(W::VELMIN_1).mask().contains(QPoint(40, 40)));
    EXPECT_FALSE(games.window(W::VELMIN_1).mask().contains(QPoint(80, 40)));
    EXPECT_TRUE(games.window(W::VELMIN_4).mask().contains(QPoint(80, 100)));
}

TEST_F(RealGameWindows, ADoubleClickOnAPanelOpensTheLoaderAndItsButtonsWork) {
    sim.at(100, [this] { device.dispatcher.Form_KeyDown(device.s.keys.keyCodeStart); });
    sim.runUntil(5000);
    auto& panel = games.window(W::VELMIN_3);
    ASSERT_TRUE(panel.isVisible());
    QTest::mouseDClick(&panel, Qt::LeftButton, {}, QPoint(40, 100));
    auto& loader = games.loader();
    ASSERT_TRUE(loader.isVisible());
    EXPECT_EQ(loader.windowTitle(), QStringLiteral("ヴェルミンスキンセレクター"));
    EXPECT_EQ(loader.size(), QSize(249, 212));
    QPushButton* load = nullptr;
    QPushButton* close = nullptr;
    for (auto* b : loader.findChildren<QPushButton*>()) {
        if (b->text() == QStringLiteral("読込む")) load = b;
        if (b->text() == QStringLiteral("閉じる")) close = b;
        EXPECT_EQ(b->size(), QSize(73, 25));
        EXPECT_EQ(b->x(), 168);
    }
    ASSERT_TRUE(load && close);
    sim.pictureFiles = {"/pictures/mine.bmp"};
    sim.fileChoices.push_back("/pictures/mine.bmp");
    load->click();
    EXPECT_NE(device.windows[W::VELMIN_1].picture.user, nullptr);
    close->click();
    EXPECT_FALSE(loader.isVisible());
    EXPECT_FALSE(device.windows[W::velmin].visible);
}

// ---- picture files ----

struct PictureFiles : ::testing::Test {
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QString write(const char* name, const std::string& bytes) const {
        std::ofstream(path(name).toStdString(), std::ios::binary) << bytes;
        return path(name);
    }
    static std::string le(std::uint32_t v, int n) {
        std::string s;
        for (int i = 0; i < n; ++i) s += static_cast<char>((v >> (8 * i)) & 0xff);
        return s;
    }
    // A bitmap header that claims `w` x `h` pixels, followed by `data` bytes of pixels.
    static std::string bitmapHeader(std::uint32_t w, std::uint32_t h, std::size_t data) {
        const std::uint32_t image = w * 3 * h;
        return "BM" + le(54 + image, 4) + le(0, 4) + le(54, 4) + le(40, 4) + le(w, 4) + le(h, 4) + le(1, 2) +
               le(24, 2) + le(0, 4) + le(image, 4) + le(2835, 4) + le(2835, 4) + le(0, 4) + le(0, 4) +
               std::string(data, '\x40');
    }
    static long peakMegabytes() {
        QFile f(QStringLiteral("/proc/self/status"));
        if (!f.open(QIODevice::ReadOnly)) return 0;
        for (const QByteArray& line : f.readAll().split('\n'))
            if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toLong() / 1024;
        return 0;
    }
    static constexpr QSize kPanel{136, 136};
};

TEST_F(PictureFiles, HostileAndHugeFilesAreRefusedQuicklyWithinTheMemoryLimit) {
    QImage big(64, 64, QImage::Format_RGB32);
    big.fill(Qt::red);
    big.save(path("huge.png"));
    QByteArray png;
    {
        QFile f(path("huge.png"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        png = f.readAll();
    }
    // The PNG header's size fields, patched to 20 000 x 20 000 (the checksum no longer matches).
    for (int i = 0; i < 4; ++i) {
        png[16 + i] = static_cast<char>((20000u >> (24 - 8 * i)) & 0xff);
        png[20 + i] = static_cast<char>((20000u >> (24 - 8 * i)) & 0xff);
    }
    const QString files[] = {
        write("huge.bmp", bitmapHeader(20000, 20000, 4096)),
        write("huge_png.png", png.toStdString()),
        write("truncated.bmp", bitmapHeader(3000, 3000, 100)),
        write("garbage.bmp", std::string(5000, '\x7f')),
        write("empty.bmp", ""),
        write("notes.bmp", "a text file that only calls itself a bitmap\n"),
        write("drawing.bmp", "<svg xmlns='http://www.w3.org/2000/svg' width='20000' height='20000'/>"),
        dir.path(),
    };
    ASSERT_EQ(mkfifo(path("pipe.bmp").toLocal8Bit().constData(), 0600), 0);
    for (const QString& f :
         {files[0], files[1], files[2], files[3], files[4], files[5], files[6], files[7], path("pipe.bmp")}) {
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(qt::readPictureFile(f, kPanel), nullptr) << f.toStdString();
        EXPECT_LT(clock.elapsed(), 1000) << f.toStdString();
    }
    EXPECT_LT(peakMegabytes(), 200);
}

TEST_F(PictureFiles, PicturesAreReadByContentAndKeptFromTheTopLeft) {
    QImage picture(300, 200, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(135, 135, qRgb(0, 255, 0));
    ASSERT_TRUE(picture.save(path("large.bmp"), "BMP"));
    ASSERT_TRUE(picture.save(path("really_a_png.bmp"), "PNG"));
    ASSERT_TRUE(picture.copy(0, 0, 40, 30).save(path("small.jpg"), "JPEG", 100));
    for (const char* name : {"large.bmp", "really_a_png.bmp"}) {
        const auto read = qt::readPictureFile(path(name), kPanel);
        ASSERT_NE(read, nullptr) << name;
        EXPECT_EQ(read->image().size(), kPanel) << name;
        EXPECT_EQ(read->image().pixel(0, 0), qRgb(255, 0, 0)) << name;
        EXPECT_EQ(read->image().pixel(135, 135), qRgb(0, 255, 0)) << name;
    }
    const auto small = qt::readPictureFile(path("small.jpg"), kPanel);
    ASSERT_NE(small, nullptr);
    EXPECT_EQ(small->image().size(), QSize(40, 30));
}

}  // namespace
}  // namespace tap
