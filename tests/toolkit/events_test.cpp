// Handler: an event bound to a method of an object.
#include <gtest/gtest.h>

#include <string>

#include "host/toolkit/events.h"

namespace pictor {
namespace {

struct TBase {
  std::string log;
  void Clicked(TObject* Sender) { log += Sender ? "click " : "nil "; }
};

struct TOwner : TBase {
  void KeyDown(TObject*, Word& Key, TShiftState Shift) {
    log += "key " + std::to_string(Key) + (Shift.Contains(ssCtrl) ? "+ctrl " : " ");
    Key = 0;  // the control does not see it
  }
};

TEST(Handler, CallsTheMethodOfItsObjectWithTheEventsArguments) {
  TOwner owner;
  TObject sender;
  TNotifyEvent click = Handler(&owner, &TOwner::Clicked);  // a method of a base class
  TKeyEvent key = Handler(&owner, &TOwner::KeyDown);
  click(&sender);
  click(nullptr);
  Word k = VK_RETURN;
  key(&sender, k, {ssCtrl});
  EXPECT_EQ(owner.log, "click nil key 13+ctrl ");
  EXPECT_EQ(k, 0);  // a key passed by reference comes back changed
}

}  // namespace
}  // namespace pictor
