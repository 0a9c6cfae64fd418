// The events of the toolkit's controls: std::function members with the
// sender first, mouse buttons, shift states and key codes.
#pragma once

#include <concepts>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "host/graphics/object.h"
#include "host/graphics/set.h"

namespace pictor {

using Word = std::uint16_t;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
inline constexpr TMouseButton mbLeft = TMouseButton::mbLeft;
inline constexpr TMouseButton mbRight = TMouseButton::mbRight;
inline constexpr TMouseButton mbMiddle = TMouseButton::mbMiddle;

enum class TShiftFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
inline constexpr TShiftFlag ssShift = TShiftFlag::ssShift;
inline constexpr TShiftFlag ssAlt = TShiftFlag::ssAlt;
inline constexpr TShiftFlag ssCtrl = TShiftFlag::ssCtrl;
inline constexpr TShiftFlag ssLeft = TShiftFlag::ssLeft;
inline constexpr TShiftFlag ssRight = TShiftFlag::ssRight;
inline constexpr TShiftFlag ssMiddle = TShiftFlag::ssMiddle;
inline constexpr TShiftFlag ssDouble = TShiftFlag::ssDouble;
using TShiftState = TSet<TShiftFlag>;

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, Word& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char& Key)>;
// One whole character a key typed or an input method committed, in UTF-8
// (control characters too: Backspace is "\b"). Emptying it consumes it.
using TKeyCharEvent = std::function<void(TObject* Sender, std::string& Key)>;

// An event handler that runs a method of an object with the event's
// arguments: OnClick = Handler(this, &TMyForm::btOKClick).
template <typename Object, typename Class, typename... Args>
  requires std::derived_from<Object, Class>
std::function<void(Args...)> Handler(Object* object, void (Class::*method)(Args...)) {
  return [object, method](Args... args) { (object->*method)(std::forward<Args>(args)...); };
}

// Virtual key codes of OnKeyDown: letters and digits are their upper-case
// ASCII codes ('A', '0'), the other keys these.
inline constexpr Word VK_BACK = 8;
inline constexpr Word VK_TAB = 9;
inline constexpr Word VK_RETURN = 13;
inline constexpr Word VK_SHIFT = 16;
inline constexpr Word VK_CONTROL = 17;
inline constexpr Word VK_MENU = 18;
inline constexpr Word VK_ESCAPE = 27;
inline constexpr Word VK_SPACE = 32;
inline constexpr Word VK_PRIOR = 33;
inline constexpr Word VK_NEXT = 34;
inline constexpr Word VK_END = 35;
inline constexpr Word VK_HOME = 36;
inline constexpr Word VK_LEFT = 37;
inline constexpr Word VK_UP = 38;
inline constexpr Word VK_RIGHT = 39;
inline constexpr Word VK_DOWN = 40;
inline constexpr Word VK_INSERT = 45;
inline constexpr Word VK_DELETE = 46;
inline constexpr Word VK_F1 = 112;

}  // namespace pictor
