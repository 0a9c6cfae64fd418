#include "host/designtime/class_ref.h"

#include <gtest/gtest.h>

#include "host/graphics/bitmap.h"
#include "host/graphics/jpeg_image.h"
#include "host/graphics/picture.h"
#include "test_components.h"

namespace pictor {
namespace {

using testing::TFancyButton;
using testing::TTestButton;

TEST(ClassRef, InheritsFromFollowsTheClassTree) {
  EXPECT_TRUE(ClassOf<TBitmap>()->InheritsFrom(*ClassOf<TBitmap>()));
  EXPECT_TRUE(ClassOf<TBitmap>()->InheritsFrom(*ClassOf<TGraphic>()));
  EXPECT_TRUE(ClassOf<TBitmap>()->InheritsFrom(*ClassOf<TObject>()));
  EXPECT_TRUE(ClassOf<TFancyButton>()->InheritsFrom(*ClassOf<TComponent>()));
  EXPECT_FALSE(ClassOf<TGraphic>()->InheritsFrom(*ClassOf<TBitmap>()));
  EXPECT_FALSE(ClassOf<TPicture>()->InheritsFrom(*ClassOf<TGraphic>()));
  EXPECT_FALSE(ClassOf<TJPEGImage>()->InheritsFrom(*ClassOf<TBitmap>()));
  EXPECT_FALSE(ClassOf<TTestButton>()->InheritsFrom(*ClassOf<TFancyButton>()));
}

TEST(ClassRef, IsInstanceAcceptsDerivedObjectsOnly) {
  TFancyButton fancy;
  TTestButton plain;
  TBitmap bitmap;
  EXPECT_TRUE(ClassOf<TTestButton>()->IsInstance(&fancy));
  EXPECT_FALSE(ClassOf<TFancyButton>()->IsInstance(&plain));
  EXPECT_FALSE(ClassOf<TComponent>()->IsInstance(&bitmap));
  EXPECT_TRUE(ClassOf<TObject>()->IsInstance(&bitmap));
  EXPECT_FALSE(ClassOf<TObject>()->IsInstance(nullptr));
}

TEST(ClassRef, NamesAndIdentity) {
  EXPECT_EQ(ClassOf<TJPEGImage>()->ClassName(), "TJPEGImage");
  EXPECT_EQ(ClassOf<TFancyButton>()->ClassName(), "TFancyButton");
  EXPECT_TRUE(ClassOf<TPicture>()->SameAs(*ClassOf<TPicture>()));
  EXPECT_FALSE(ClassOf<TPicture>()->SameAs(*ClassOf<TObject>()));
}

}  // namespace
}  // namespace pictor
