// The toolkit's LoadCursor reads every pointer of the resources with its size
// and hot spot, so the editor can register them.
#include <gtest/gtest.h>

#include <string>

#include "host/graphics/icon.h"
#include "host/toolkit/screen.h"
#include "tests/support/qt_application.h"
#include "resources/cursor_resources.h"
#include "resources/resource_bytes.h"

namespace pictor {
namespace {

TEST(CursorLoading, EveryPointerLoadsWithTheHotSpotOfItsFile) {
  testing::EnsureApplication();
  for (const CursorResource& c : kCursorResources) {
    SCOPED_TRACE(std::string(c.name));
    HCURSOR cursor = LoadCursor(std::string(c.name));
    ASSERT_TRUE(cursor);
    TCursorInfo info = CursorInfo(cursor);
    CursorPicture file = ReadCursorFile(ResourceBytes(CursorResourcePath(c.name)));
    EXPECT_EQ(info.Width, 32);
    EXPECT_EQ(info.Height, 32);
    EXPECT_EQ(info.HotX, file.hotSpot.X);
    EXPECT_EQ(info.HotY, file.hotSpot.Y);
  }
}

}  // namespace
}  // namespace pictor
