// pictor run as a program: its command line, exit codes and messages.
#include <gtest/gtest.h>

#include "about/version.h"
#include "app/exit_codes.h"
#include "app_test_support.h"

namespace pictor {
namespace {

using testing::ReadBytes;
using testing::RunProgram;
using testing::TempFolder;

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(Program, HelpAndVersion) {
  const auto help = RunProgram("--help");
  EXPECT_EQ(help.exitCode, kExitOk);
  EXPECT_TRUE(Contains(help.out, "Usage: pictor [FILE]")) << help.out;
  EXPECT_TRUE(Contains(help.out, "Exit codes:")) << help.out;

  const auto version = RunProgram("--version");
  EXPECT_EQ(version.exitCode, kExitOk);
  EXPECT_TRUE(Contains(version.out, "pictor 1.")) << version.out;
  // The version the about box shows.
  EXPECT_EQ(version.out, std::string("pictor ") + kPictorVersion + "\n");
}

TEST(Program, WithoutADisplayItSaysSoWithItsOwnExitCode) {
  TempFolder folder;
  const auto run = RunProgram("", "QT_QPA_PLATFORM= DISPLAY= WAYLAND_DISPLAY=", folder.Path());
  EXPECT_EQ(run.exitCode, kExitDisplay);
  EXPECT_TRUE(Contains(run.err, "cannot open the display")) << run.err;
  EXPECT_TRUE(folder.Names().empty());
}

TEST(Program, AWrongCommandLineIsAUsageError) {
  TempFolder folder;
  testing::WriteBitmapFile(folder / "a.bmp", 2, 2, 0);
  for (const std::string& args :
       {std::string("--frobnicate"), folder / "a.bmp " + folder / "a.bmp"}) {
    const auto run = RunProgram(args);
    EXPECT_EQ(run.exitCode, kExitUsage) << args;
    EXPECT_TRUE(Contains(run.err, "pictor --help")) << run.err;
  }
}

TEST(Program, AnExtensionPictorDoesNotReadIsAUsageErrorAndTouchesNothing) {
  TempFolder folder;
  testing::WriteBitmapFile(folder / "a.jpeg", 2, 2, 0);
  const auto before = ReadBytes(folder / "a.jpeg");
  const auto run = RunProgram(folder / "a.jpeg");
  EXPECT_EQ(run.exitCode, kExitUsage);
  EXPECT_TRUE(Contains(run.err, "a.jpeg")) << run.err;
  EXPECT_EQ(ReadBytes(folder / "a.jpeg"), before);
}

TEST(Program, AFileThatCannotBeReadIsAnError) {
  TempFolder folder;
  testing::WriteBytes(folder / "bad.bmp", {'B', 'M', 0, 0});
  for (const std::string name : {"bad.bmp", "missing.ico"}) {
    const auto run = RunProgram(folder / name);
    EXPECT_EQ(run.exitCode, kExitError) << name;
    EXPECT_TRUE(Contains(run.err, name)) << run.err;
  }
  EXPECT_EQ(ReadBytes(folder / "bad.bmp"), (std::vector<std::uint8_t>{'B', 'M', 0, 0}));
}

TEST(Program, AMissingOrWrongPluginIsAPluginError) {
  TempFolder folder;
  testing::WriteBitmapFile(folder / "a.bmp", 2, 2, 0);
  const auto missing = RunProgram(folder / "a.bmp", "PICTOR_PLUGIN=" + (folder / "none.so"));
  EXPECT_EQ(missing.exitCode, kExitPlugin);
  EXPECT_TRUE(Contains(missing.err, "none.so")) << missing.err;

  // A package whose editor of pictures offers no dialog.
  const auto wrong =
      RunProgram(folder / "a.bmp", std::string("PICTOR_PLUGIN=") + TEST_PACKAGE_GOOD);
  EXPECT_EQ(wrong.exitCode, kExitPlugin);
  EXPECT_TRUE(Contains(wrong.err, "no dialog")) << wrong.err;
}

}  // namespace
}  // namespace pictor
