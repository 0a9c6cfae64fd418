// The cursor registry, the program's pointers and the pointer position.
#include <gtest/gtest.h>

#include <QCursor>
#include <QImage>
#include <QTemporaryDir>

#include "host/toolkit/paint_box.h"
#include "host/toolkit/pointer.h"
#include "host/toolkit/screen.h"
#include "tests/support/qt_application.h"

namespace pictor {
namespace {

TEST(ScreenTest, UnknownIdsShowTheDefaultArrow) {
  EXPECT_EQ(Screen->QtCursor(-111).shape(), Qt::ArrowCursor);
  EXPECT_EQ(Screen->Cursors(-111), nullptr);
  EXPECT_EQ(Screen->QtCursor(crArrow).shape(), Qt::ArrowCursor);
  EXPECT_EQ(Screen->QtCursor(crSizeAll).shape(), Qt::SizeAllCursor);
  EXPECT_NE(Screen->Cursors(crSizeAll), nullptr);
}

TEST(ScreenTest, TheProgramsPointersLoadWithTheirHotSpots) {
  const HCURSOR pen = LoadCursor("CRPEN");
  ASSERT_NE(pen, nullptr);
  const TCursorInfo info = CursorInfo(pen);
  EXPECT_EQ(info.Width, 32);
  EXPECT_EQ(info.Height, 32);
  EXPECT_EQ(info.HotX, 2);
  EXPECT_EQ(info.HotY, 26);
  EXPECT_EQ(CursorInfo(LoadCursor("CRZOOM")).HotX, 18);
  EXPECT_EQ(LoadCursor("NOSUCHCURSOR"), nullptr);
}

TEST(ScreenTest, ARegisteredPointerShowsOnTheControlsThatUseItsId) {
  QTemporaryDir dir;
  QImage picture(16, 16, QImage::Format_ARGB32);
  picture.fill(Qt::black);
  const QString path = dir.filePath("p.png");
  ASSERT_TRUE(picture.save(path));
  const HCURSOR cursor = LoadCursorFromImage(path.toStdString(), 3, 4);
  ASSERT_NE(cursor, nullptr);
  EXPECT_EQ(CursorInfo(cursor).HotY, 4);

  TPaintBox box;
  box.SetCursor(-150);
  EXPECT_EQ(box.cursor().shape(), Qt::ArrowCursor);
  Screen->SetCursor(-150, cursor);
  box.SetCursor(-150);
  EXPECT_EQ(box.cursor().shape(), Qt::BitmapCursor);
  EXPECT_EQ(box.cursor().hotSpot(), QPoint(3, 4));
  box.SetCursor(crSizeAll);
  EXPECT_EQ(box.cursor().shape(), Qt::SizeAllCursor);
  Screen->SetCursor(-150, nullptr);
  box.SetCursor(-150);
  EXPECT_EQ(box.cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(LoadCursorFromImage(dir.filePath("none.png").toStdString(), 0, 0), nullptr);
}

TEST(PointerTest, SetCursorPosMovesThePointerInScreenPixels) {
  SetCursorPos(123, 45);
  const TPoint p = GetCursorPos();
  EXPECT_EQ(p.X, 123);
  EXPECT_EQ(p.Y, 45);
}

TEST(PointerTest, ClientOriginIsTheClientAreaOnTheScreen) {
  QWidget window;
  window.move(40, 30);
  auto* box = new TPaintBox(&window);
  box->setGeometry(7, 9, 10, 10);
  window.show();
  testing::Pump();
  const QPoint expected = box->mapToGlobal(QPoint(0, 0));
  EXPECT_EQ(box->ClientOrigin(), (TPoint{expected.x(), expected.y()}));
  EXPECT_EQ(box->ScreenToClient(TPoint{expected.x() + 3, expected.y() + 4}), (TPoint{3, 4}));
}

}  // namespace
}  // namespace pictor
