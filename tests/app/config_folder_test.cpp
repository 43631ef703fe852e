// The department file on the desktop: kept in the user's configuration
// folder, and replaced only whole, so that a write cut short (here by a
// file-size limit, as a full disk would) leaves the old file as it was.
#include "app/config_folder.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace vardel::app {
namespace {

// A fresh folder of its own for each test; the user's real one is never used.
struct TemporaryFolder {
  TemporaryFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "vardel-config-XXXXXX").string();
    path = ::mkdtemp(pattern.data());
  }
  ~TemporaryFolder() { std::filesystem::remove_all(path); }
  std::filesystem::path path;
};

std::string contents(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(ConfigFolder, IsTheXdgFolderOrTheOneInHome) {
  const TemporaryFolder folder;
  ::setenv("XDG_CONFIG_HOME", folder.path.c_str(), 1);
  EXPECT_EQ(ConfigFolderStorage::userFolder(), folder.path / "vardel");
  ::setenv("XDG_CONFIG_HOME", "relative", 1);
  ::setenv("HOME", folder.path.c_str(), 1);
  EXPECT_EQ(ConfigFolderStorage::userFolder(), folder.path / ".config" / "vardel");
}

TEST(ConfigFolder, AWriteCutShortLeavesTheOldFileWhole) {
  const TemporaryFolder folder;
  ConfigFolderStorage storage(folder.path / "vardel");
  std::string problem;
  EXPECT_FALSE(storage.load(&problem));  // nothing kept yet, and no complaint
  EXPECT_EQ(problem, "");
  ASSERT_TRUE(storage.replace("old values\n", &problem)) << problem;

  // A limit on the size of any file written stops the new one half-way.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit before{};
  ::getrlimit(RLIMIT_FSIZE, &before);
  rlimit small = before;
  small.rlim_cur = 4096;
  ::setrlimit(RLIMIT_FSIZE, &small);
  const bool replaced = storage.replace(std::string(100000, 'x'), &problem);
  ::setrlimit(RLIMIT_FSIZE, &before);

  EXPECT_FALSE(replaced);
  EXPECT_NE(problem, "");
  EXPECT_EQ(contents(storage.file()), "old values\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path / "vardel"),
                          std::filesystem::directory_iterator()),
            1);  // no half-written file is left beside it
  EXPECT_EQ(*storage.load(&problem), "old values\n");
}

TEST(ConfigFolder, KeepsAsideWithoutWritingOverAnother) {
  const TemporaryFolder folder;
  ConfigFolderStorage storage(folder.path);
  std::string note;
  ASSERT_TRUE(storage.keepAside("first", &note)) << note;
  ASSERT_TRUE(storage.keepAside("second", &note)) << note;
  EXPECT_EQ(note, (folder.path / "department.refused.2.json").string());
  EXPECT_EQ(contents(folder.path / "department.refused.json"), "first");
}

}  // namespace
}  // namespace vardel::app
