// The window's outline under a real Qt window system (offscreen, and X11 under Xvfb).
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "core/appearance/window_shapes.h"
#include "tests/ui/real_device.h"
#include "ui/picture_book.h"

namespace tap {
namespace {

TEST(WindowShape, HoleIsCutOnTheFrontAndMirroredOnTheBack) {
    const QRegion front = qt::regionOf(shapes::front100());
    const QRegion back = qt::regionOf(shapes::back100());
    EXPECT_FALSE(front.contains(QPoint(77, 78)));
    EXPECT_TRUE(back.contains(QPoint(77, 78)));
    EXPECT_TRUE(front.contains(QPoint(353, 78)));
    EXPECT_FALSE(back.contains(QPoint(353, 78)));
    EXPECT_TRUE(front.contains(QPoint(200, 130)));
}

TEST(WindowShape, CornersAndEdgesAreOutside) {
    for (const auto& shape : {shapes::front100(), shapes::back100()}) {
        const QRegion r = qt::regionOf(shape);
        for (QPoint p : {QPoint(4, 4), QPoint(10, 10), QPoint(424, 4), QPoint(418, 250), QPoint(5, 254)})
            EXPECT_FALSE(r.contains(p)) << p.x() << "," << p.y();
        for (QPoint p : {QPoint(41, 6), QPoint(6, 130), QPoint(420, 130), QPoint(212, 253)})
            EXPECT_TRUE(r.contains(p)) << p.x() << "," << p.y();
        EXPECT_FALSE(r.intersects(QRect(425, 0, 100, 300)));
        EXPECT_FALSE(r.intersects(QRect(0, 256, 500, 100)));
    }
}

TEST(WindowShape, HalfViewStaysInTheTopLeftQuarter) {
    for (const auto& shape : {shapes::front50(), shapes::back50()}) {
        const QRegion r = qt::regionOf(shape);
        EXPECT_FALSE(r.intersects(QRect(213, 0, 300, 300)));
        EXPECT_FALSE(r.intersects(QRect(0, 129, 300, 300)));
        EXPECT_TRUE(r.contains(QPoint(100, 100)));
    }
    EXPECT_FALSE(qt::regionOf(shapes::front50()).contains(QPoint(39, 39)));
    EXPECT_TRUE(qt::regionOf(shapes::front50()).contains(QPoint(176, 39)));
    EXPECT_FALSE(qt::regionOf(shapes::back50()).contains(QPoint(176, 39)));
}

TEST_F(RealWindow, MaskFollowsFaceAndViewSize) {
    EXPECT_FALSE(view.mask().contains(QPoint(77, 78)));
    device.menu.choose("URAMEN");
    EXPECT_TRUE(view.mask().contains(QPoint(77, 78)));
    EXPECT_FALSE(view.mask().contains(QPoint(353, 78)));
    device.menu.choose("VIEW_COMPACT");
    EXPECT_FALSE(view.mask().intersects(QRect(213, 0, 300, 300)));
    device.menu.choose("OMOTE");
    EXPECT_FALSE(view.mask().contains(QPoint(39, 39)));
}

TEST_F(RealWindow, DraggingWithTheLeftButtonMovesTheWindowByTheCursorTravel) {
    const QPoint before = view.pos();
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(150, 40));
    QMouseEvent move(QEvent::MouseMove, QPointF(180, 60), view.mapToGlobal(QPointF(180, 60)), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(&view, &move);
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(180, 60));
    EXPECT_EQ(view.pos(), before + QPoint(30, 20));
}

TEST_F(RealWindow, DraggingWithTheRightButtonDoesNotMoveIt) {
    const QPoint before = view.pos();
    int menus = 0;
    ops.openMenu = [&menus](Point) { ++menus; };
    QTest::mousePress(&view, Qt::RightButton, {}, QPoint(150, 40));
    QMouseEvent move(QEvent::MouseMove, QPointF(180, 60), view.mapToGlobal(QPointF(180, 60)), Qt::NoButton,
                     Qt::RightButton, {});
    QApplication::sendEvent(&view, &move);
    QTest::mouseRelease(&view, Qt::RightButton, {}, QPoint(180, 60));
    EXPECT_EQ(view.pos(), before);
    EXPECT_EQ(menus, 1);
}

TEST_F(RealWindow, AlwaysOnTopFollowsTheMenuItem) {
    EXPECT_TRUE(view.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    device.menu.choose("TOP_VIEW");
    EXPECT_FALSE(view.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(view.isVisible());
    device.menu.choose("TOP_VIEW");
    EXPECT_TRUE(view.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(RealWindow, EveryPictureOfTheFaceIsThere) {
    for (PicTable t : {PicTable::Paneru, PicTable::PaneruS, PicTable::A, PicTable::AS, PicTable::B, PicTable::BS}) {
        const int count = t == PicTable::A || t == PicTable::AS   ? pics::kLargeCount
                          : t == PicTable::B || t == PicTable::BS ? pics::kSmallCount
                                                                  : pics::kFaceCount;
        for (int i = 0; i < count; ++i) {
            const PictureId id{t, static_cast<std::int8_t>(i)};
            const QImage img = book.pixmap(id).toImage();
            const Size expected = pictureSize(id);
            EXPECT_EQ(img.size(), QSize(expected.width, expected.height));
            EXPECT_TRUE(QFile::exists(ui::PictureBook::sourceOf(id))) << ui::PictureBook::sourceOf(id).toStdString();
        }
    }
}

}  // namespace
}  // namespace tap
