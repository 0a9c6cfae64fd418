// Where pictor looks for its plug-in: beside itself, else in the library
// folder of an installation.
#include "app/plugin_location.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/temp_files.h"

namespace pictor {
namespace {

TEST(PluginLocation, BesideTheProgramFirstThenTheInstallationsLibraryFolder) {
  testing::TempFolder prefix;
  const std::string bin = prefix / "bin/";
  const std::string name = std::filesystem::path(PICTOR_PLUGIN_PATH).filename();
  const std::string beside = bin + name;
  const std::string installed = bin + PICTOR_LIBRARY_FOLDER + name;
  std::filesystem::create_directories(bin);
  // In neither place: the name beside the program, for the message.
  EXPECT_EQ(FindPluginFrom(bin), beside);
  std::filesystem::create_directories(bin + PICTOR_LIBRARY_FOLDER);
  testing::WriteBytes(installed, {1});
  EXPECT_EQ(FindPluginFrom(bin), installed);
  testing::WriteBytes(beside, {1});
  EXPECT_EQ(FindPluginFrom(bin), beside);
}

}  // namespace
}  // namespace pictor
