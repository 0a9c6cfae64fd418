// Decoding UTF-8: valid sequences of every length, and each kind of bad input
// replaced by U+FFFD without losing the characters around it.
#include <gtest/gtest.h>

#include "host/graphics/text/utf8.h"

namespace pictor {
namespace {

constexpr char32_t R = kReplacementChar;

TEST(Utf8, AsciiAndEmptyPassThrough) {
  EXPECT_EQ(DecodeUtf8(""), U"");
  EXPECT_EQ(DecodeUtf8("Hello, 1!"), U"Hello, 1!");
  EXPECT_EQ(DecodeUtf8(std::string_view("a\0b", 3)), std::u32string(U"a\0b", 3));
}

TEST(Utf8, DecodesSequencesOfEveryLength) {
  EXPECT_EQ(DecodeUtf8("\xC2\xA9"), U"\u00A9");
  EXPECT_EQ(DecodeUtf8("\xD0\x96"), U"\u0416");
  EXPECT_EQ(DecodeUtf8("\xE2\x82\xAC"), U"\u20AC");
  EXPECT_EQ(DecodeUtf8("\xE4\xB8\xAD"), U"\u4E2D");
  EXPECT_EQ(DecodeUtf8("\xF0\x9F\x98\x80"), U"\U0001F600");
  EXPECT_EQ(DecodeUtf8("x\xD0\x96y\xE2\x82\xACz"), U"x\u0416y\u20ACz");
}

TEST(Utf8, DecodesTheEdgesOfEachRange) {
  EXPECT_EQ(DecodeUtf8("\x7F"), U"\x7F");
  EXPECT_EQ(DecodeUtf8("\xC2\x80"), U"\u0080");
  EXPECT_EQ(DecodeUtf8("\xDF\xBF"), U"\u07FF");
  EXPECT_EQ(DecodeUtf8("\xE0\xA0\x80"), U"\u0800");
  EXPECT_EQ(DecodeUtf8("\xED\x9F\xBF"), U"\uD7FF");
  EXPECT_EQ(DecodeUtf8("\xEE\x80\x80"), U"\uE000");
  EXPECT_EQ(DecodeUtf8("\xEF\xBF\xBF"), U"\uFFFF");
  EXPECT_EQ(DecodeUtf8("\xF0\x90\x80\x80"), U"\U00010000");
  EXPECT_EQ(DecodeUtf8("\xF4\x8F\xBF\xBF"), U"\U0010FFFF");
}

TEST(Utf8, StrayAndInvalidBytesBecomeOneReplacementEach) {
  EXPECT_EQ(DecodeUtf8("a\x80z"), (std::u32string{U'a', R, U'z'}));
  EXPECT_EQ(DecodeUtf8("\xBF\xBF"), (std::u32string{R, R}));
  EXPECT_EQ(DecodeUtf8("\xFF"), (std::u32string{R}));
  EXPECT_EQ(DecodeUtf8("\xF5\x80"), (std::u32string{R, R}));
  EXPECT_EQ(DecodeUtf8("\xC1\xBF"), (std::u32string{R, R}));
}

TEST(Utf8, TruncatedSequencesAreReplacedWholeAndTheNextCharacterKept) {
  EXPECT_EQ(DecodeUtf8("\xE2\x82"), (std::u32string{R}));
  EXPECT_EQ(DecodeUtf8("\xF0\x9F\x98"), (std::u32string{R}));
  EXPECT_EQ(DecodeUtf8("\xE2\x82" "A"), (std::u32string{R, U'A'}));
  EXPECT_EQ(DecodeUtf8("\xD0\xD0\x96"), (std::u32string{R, U'\u0416'}));
  EXPECT_EQ(DecodeUtf8("\xF0\x9F\xE2\x82\xAC"), (std::u32string{R, U'\u20AC'}));
}

TEST(Utf8, OverlongSurrogateAndTooLargeFormsAreRejected) {
  // The second byte is out of range for the lead, so each byte stands alone.
  EXPECT_EQ(DecodeUtf8("\xE0\x80\xAF"), (std::u32string{R, R, R}));
  EXPECT_EQ(DecodeUtf8("\xED\xA0\x80"), (std::u32string{R, R, R}));
  EXPECT_EQ(DecodeUtf8("\xF0\x8F\xBF\xBF"), (std::u32string{R, R, R, R}));
  EXPECT_EQ(DecodeUtf8("\xF4\x90\x80\x80"), (std::u32string{R, R, R, R}));
}

TEST(Utf8, NeverReadsPastTheView) {
  // The view ends inside a sequence whose remaining bytes follow in memory.
  const char buffer[] = "\xE2\x82\xAC";
  EXPECT_EQ(DecodeUtf8(std::string_view(buffer, 2)), (std::u32string{R}));
  EXPECT_EQ(DecodeUtf8(std::string_view(buffer, 1)), (std::u32string{R}));
}

}  // namespace
}  // namespace pictor
