// The analyzer window on a real Qt window system: its pages and pictures after a scripted run, and the
// canvas it draws into, at 100 % and 200 %.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include "core/analyzer/graph_geometry.h"
#include "tests/support/sim_platform.h"
#include "ui/analyzer/analyzer_view.h"

namespace tap {
namespace {

constexpr QRgb kGreen = qRgb(0, 255, 0);

QRgb at(const QImage& img, int x, int y) {
    const qreal dpr = img.devicePixelRatio();
    return img.pixel(qRound(x * dpr), qRound(y * dpr)) | 0xff000000u;
}

TEST(QtCanvas, DrawsExactPixelsAndClearsBackToTheBackground) {
    for (qreal dpr : {1.0, 2.0}) {
        qt::QtCanvas canvas(dpr);
        QImage bg(qRound(350 * dpr), qRound(175 * dpr), QImage::Format_RGB32);
        bg.fill(qRgb(9, 9, 9));
        canvas.setBackground(CanvasPicture::Picture1, bg);
        QRect damage;
        canvas.onDamage = [&](CanvasPicture, const QRect& r) { damage = r; };
        canvas.line(CanvasPicture::Picture1, {31, 72}, {331, 72}, graph::kSixteen, LineStyle::Solid);
        const QImage& img = canvas.image(CanvasPicture::Picture1);
        EXPECT_EQ(at(img, 31, 72), qRgb(0, 255, 255));
        EXPECT_EQ(at(img, 331, 72), qRgb(0, 255, 255));
        EXPECT_EQ(at(img, 332, 72), qRgb(9, 9, 9));
        EXPECT_EQ(at(img, 100, 71), qRgb(9, 9, 9));
        // At 200 % one logical pixel is two device rows, both of them drawn: the line stays crisp.
        if (dpr == 2.0) {
            EXPECT_EQ(img.pixel(200, 145) | 0xff000000u, qRgb(0, 255, 255));
        }
        canvas.box(CanvasPicture::Picture1, {47, 136}, {53, 96}, graph::kLatest, graph::kBlack);
        EXPECT_EQ(at(img, 47, 120), kGreen);
        EXPECT_EQ(at(img, 50, 120), qRgb(0, 0, 0));
        EXPECT_EQ(damage, QRect(47, 96, 7, 41));
        canvas.clear(CanvasPicture::Picture1, Rect{40, 90, 60, 140});
        EXPECT_EQ(at(img, 47, 120), qRgb(9, 9, 9));
        EXPECT_EQ(at(img, 100, 72), qRgb(0, 255, 255));  // outside the cleared area
    }
}

// A device on the simulated platform drawing into a real canvas, with the analyzer window shown.
struct AnalyzerOnScreen : ::testing::Test {
    qt::QtCanvas canvas{1.0};
    sim::SimPlatform sim{&canvas};
    Device device{sim.platform()};
    ui::PictureBook book{1.0};
    ui::AnalyzerView view{device, book, canvas, nullptr};

    void SetUp() override {
        ASSERT_TRUE(device.lifecycle.Form_Load());
        sim.runFor(0);
        device.menu.choose("ANALIZER");
        ASSERT_TRUE(view.isVisible());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
    // START, then `n` presses in the first second, A and B in turn; the run is waited out.
    void run(int n) {
        const auto& k = device.s.keys;
        device.dispatcher.Form_KeyDown(k.keyCodeStart);
        device.dispatcher.Form_KeyUp(k.keyCodeStart);
        const double t0 = sim.elapsedMs() + 50;
        for (int i = 0; i < n; ++i) {
            const auto key = i % 2 ? k.keyCodeB : k.keyCodeA;
            sim.at(t0 + 30 * i, [this, key] { device.dispatcher.Form_KeyDown(key); });
            sim.at(t0 + 30 * i + 5, [this, key] { device.dispatcher.Form_KeyUp(key); });
        }
        sim.runUntil(t0 + 10300);
        QTest::qWait(50);  // the figures and lists follow at screen rate
    }
    template <typename W>
    W* child(const char* name) {
        auto* w = view.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void click(const char* name) { QTest::mouseClick(child<QWidget>(name), Qt::LeftButton); }
    void keep(const char* name) {
        const QString dir = qEnvironmentVariable("ARTIFACTS", QDir::currentPath());
        QDir().mkpath(dir);
        view.grab().save(dir + QStringLiteral("/%1.png").arg(QLatin1String(name)));
    }
};

TEST_F(AnalyzerOnScreen, ItsPagesShowTheRunJustPressed) {
    run(30);
    const QImage& graph = canvas.image(CanvasPicture::Picture1);
    EXPECT_EQ(at(graph, graph::columnX(1), 16), kGreen);  // 30 presses: the top of range 30
    EXPECT_NE(at(graph, graph::columnX(1), 14), kGreen);
    EXPECT_EQ(at(graph, 329, 165), kGreen);  // the progress bar, full
    EXPECT_TRUE(child<QWidget>("page1")->isVisible());
    EXPECT_EQ(child<QLabel>("Image2")->pixmap().cacheKey(),
              book.pixmap({PicTable::AnalyzerStatus, pics::StatusFinished}).cacheKey());
    keep("analyzer_page1");

    click("g_type1");
    EXPECT_FALSE(child<QWidget>("page1")->isVisible());
    EXPECT_TRUE(child<QWidget>("page2")->isVisible());
    const QImage& chart = canvas.image(CanvasPicture::pb1);
    EXPECT_EQ(at(chart, 30, 89), kGreen);  // the first press, A, at 0 ms
    EXPECT_EQ(at(chart, graph::chartX(Millis::fromMs(30)), 50), kGreen);  // B pressed at 30 ms
    keep("analyzer_page2");

    click("g_type2");
    EXPECT_TRUE(child<QWidget>("page3")->isVisible());
    EXPECT_EQ(child<QLabel>("latest_ab0")->text(), QStringLiteral("30"));
    EXPECT_EQ(child<QLabel>("latest_a10")->text(), QStringLiteral("15"));
    EXPECT_EQ(child<QLabel>("prev_ab0")->text(), QStringLiteral("0"));
    keep("analyzer_page3");
}

TEST_F(AnalyzerOnScreen, TheSettingsPanelOpensBelowAndTheCloseButtonHides) {
    EXPECT_EQ(view.height(), 281);
    click("Command1");
    EXPECT_EQ(view.height(), 281 + AnalyzerWindow::kPanelHeight);
    run(12);
    const auto* list = child<QWidget>("List1");
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(device.analyzerWindow.list.lines().size(), 10u);
    keep("analyzer_panel");
    click("CB2");
    EXPECT_FALSE(view.isVisible());
    EXPECT_FALSE(device.s.analyzerOn);
}

}  // namespace
}  // namespace tap
