// The department file an administrator puts in the system's configuration
// folders, with the user's own folder beside it, both temporary: the first
// system file is in force alone, a bad one is refused by name, the user's
// file wins and takes every change, and a newer issue is offered to a user
// with values of his own and taken only with his file kept aside.
#include "app/system_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "app/config_folder.h"
#include "department/department_file.h"

namespace vardel::app {
namespace {

namespace fs = std::filesystem;

struct TemporaryRoot {
  TemporaryRoot() {
    std::string pattern = (fs::temp_directory_path() / "vardel-xdg-XXXXXX").string();
    path = ::mkdtemp(pattern.data());
  }
  ~TemporaryRoot() {
    fs::remove_all(path);
    ::unsetenv("XDG_CONFIG_DIRS");
  }
  fs::path path;
};

std::string contents(const fs::path& file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void put(const fs::path& file, const std::string& text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file) << text;
}

std::string issueOf(const std::string& day, double c) {
  DepartmentValues values;
  values.name = "Engine 4";
  values.issued = day;
  values.hoses[4] = {c, c * 1.5786};
  return department_file::write(values);
}

TEST(SystemFile, TheFoldersAreXdgConfigDirsOrEtcXdg) {
  ::setenv("XDG_CONFIG_DIRS", "relative:/opt/a::/opt/b", 1);
  EXPECT_EQ(SystemFile::systemFolders(), (std::vector<fs::path>{"/opt/a", "/opt/b"}));
  ::unsetenv("XDG_CONFIG_DIRS");
  EXPECT_EQ(SystemFile::systemFolders(), (std::vector<fs::path>{"/etc/xdg"}));
}

TEST(SystemFile, FromTheAdministratorsFileToTheUsersOwn) {
  const TemporaryRoot root;
  const fs::path user = root.path / "home" / "vardel";
  const fs::path first = root.path / "site" / "vardel" / "department.json";
  const fs::path second = root.path / "xdg" / "vardel" / "department.json";
  const std::vector<fs::path> folders{root.path / "site", root.path / "xdg"};
  // A PC as the program starts on it: its user's folder and the system's.
  struct Device {
    Device(const fs::path& user, const std::vector<fs::path>& folders)
        : own(user), issued(folders, user) {}
    ConfigFolderStorage own;
    SystemFile issued;
    DepartmentStore store{own, &issued};
  };
  const auto device = [&] { return std::make_unique<Device>(user, folders); };

  // The first system file found is in force alone, and nothing is written
  // but the note that it was told.
  put(second, issueOf("2026-12-01", 10));
  auto pc = device();
  EXPECT_EQ(pc->store.load(), "");
  ASSERT_NE(pc->store.inForce(), nullptr);
  EXPECT_EQ(pc->store.inForce()->origin, Origin::Issued);
  EXPECT_EQ(pc->store.issuedPlaceName(), second.string());
  EXPECT_NE(pc->store.takeNews().told, "");
  EXPECT_FALSE(fs::exists(user / "department.json"));

  // A bad one earlier in the list is refused by name; the published figures stand.
  put(first, "{ damaged");
  pc = device();
  const std::string refused = pc->store.load();
  EXPECT_NE(refused.find(first.string()), std::string::npos) << refused;
  EXPECT_EQ(pc->store.inForce(), nullptr);
  fs::remove(first);

  // A change is written to the user's file alone.
  pc = device();
  pc->store.load();
  ASSERT_EQ(pc->store.change([](DepartmentValues& v) {
    v.perFloor = {5, 35};
    return std::string();
  }),
            "");
  EXPECT_EQ(contents(second), issueOf("2026-12-01", 10));

  // A newer issue is offered, not taken; taking it keeps the user's file aside.
  put(second, issueOf("2026-12-05", 11));
  pc = device();
  pc->store.load();
  EXPECT_TRUE(pc->store.takeNews().offered);
  EXPECT_EQ(pc->store.inForce()->hoses[4].english, 10);
  const std::string own = contents(user / "department.json");
  std::string told;
  ASSERT_EQ(pc->store.takeIssue(&told), "");
  EXPECT_EQ(contents(user / "department.kept.json"), own);
  EXPECT_FALSE(fs::exists(user / "department.json"));
  EXPECT_EQ(pc->store.inForce()->hoses[4].english, 11);
  EXPECT_NE(told.find((user / "department.kept.json").string()), std::string::npos) << told;
}

}  // namespace
}  // namespace vardel::app
