#include "app/command_line.h"

#include <gtest/gtest.h>

namespace pictor {
namespace {

using TAction = TCommandLine::TAction;

TEST(CommandLine, NoArgumentEditsTheSampleAndOneArgumentIsTheFile) {
  EXPECT_EQ(ParseCommandLine({}).Action, TAction::Edit);
  EXPECT_EQ(ParseCommandLine({}).File, "");
  const TCommandLine line = ParseCommandLine({"pics/a.BMP"});
  EXPECT_EQ(line.Action, TAction::Edit);
  EXPECT_EQ(line.File, "pics/a.BMP");
}

TEST(CommandLine, HelpAndVersionWinOverEverythingElse) {
  EXPECT_EQ(ParseCommandLine({"--help"}).Action, TAction::Help);
  EXPECT_EQ(ParseCommandLine({"a.bmp", "-h"}).Action, TAction::Help);
  EXPECT_EQ(ParseCommandLine({"--version"}).Action, TAction::Version);
  EXPECT_EQ(ParseCommandLine({"-V", "a.bmp"}).Action, TAction::Version);
}

TEST(CommandLine, DoubleDashTakesTheNextArgumentAsTheFile) {
  const TCommandLine line = ParseCommandLine({"--", "-odd.bmp"});
  EXPECT_EQ(line.Action, TAction::Edit);
  EXPECT_EQ(line.File, "-odd.bmp");
  EXPECT_EQ(ParseCommandLine({"--", "--help"}).File, "--help");
}

TEST(CommandLine, WrongCommandLinesSayWhatIsWrong) {
  const TCommandLine unknown = ParseCommandLine({"--zoom", "a.bmp"});
  EXPECT_EQ(unknown.Action, TAction::Error);
  EXPECT_NE(unknown.Error.find("--zoom"), std::string::npos);
  EXPECT_EQ(ParseCommandLine({"a.bmp", "b.bmp"}).Action, TAction::Error);
  EXPECT_EQ(ParseCommandLine({""}).Action, TAction::Error);
}

TEST(CommandLine, TheUsageTextListsEveryExitCode) {
  const std::string text = UsageText();
  for (const char* code : {"\n  0  ", "\n  1  ", "\n  2  ", "\n  3  "})
    EXPECT_NE(text.find(code), std::string::npos) << code;
}

}  // namespace
}  // namespace pictor
