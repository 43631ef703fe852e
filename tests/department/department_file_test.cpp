// The department file: what is exported is imported back unchanged, an
// import shows its changes before it changes anything, and every damaged,
// foreign, newer or hostile file is refused with a reason while the values
// kept stay as they were.
#include "department/department_file.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "department/department_store.h"
#include "support/department_file_example.h"
#include "support/memory_storage.h"

namespace vardel {
namespace {

using testing::MemoryStorage;

const std::string& kExample = testing::kDocumentedFile;

TEST(DepartmentFile, ExportOfAnImportIsTheSameFile) {
  const department_file::Read read = department_file::read(kExample);
  ASSERT_TRUE(read.values) << read.problem;
  EXPECT_EQ(read.values->hoses[4].english, 10);
  EXPECT_EQ(read.values->lines.at(0).hose, 4);
  EXPECT_EQ(department_file::write(*read.values), kExample);
}

TEST(DepartmentFile, AFileOfVersionOneReadsWithoutAPracticeTolerance) {
  std::string first = kExample;
  first.replace(first.find("\"version\": 2"), 12, "\"version\": 1");
  const std::string tolerance = ",\n  \"practiceTolerance\": null";
  first.replace(first.find(tolerance), tolerance.size(), "");
  const department_file::Read read = department_file::read(first);
  ASSERT_TRUE(read.values) << read.problem;
  EXPECT_FALSE(read.values->practiceTolerance.isSet());
  EXPECT_EQ(department_file::write(*read.values), kExample);  // written as version 2
}

TEST(DepartmentFile, RefusesWhatIsNotAWholeFileOfThisVersion) {
  const std::string example = kExample;
  const auto replaced = [&](const std::string& from, const std::string& to) {
    std::string text = example;
    text.replace(text.find(from), from.size(), to);
    return text;
  };
  const std::map<std::string, std::string> refused = {
      {"", "not well-formed"},
      {"[]", "not an object"},
      {example.substr(0, example.size() / 2), "not well-formed"},
      {replaced("\"version\": 2", "\"version\": 3"), "newer version"},
      {replaced("\"version\": 2", "\"version\": 1"),
       "\"practiceTolerance\" of the file is not known"},
      {replaced("\"practiceTolerance\": null",
                "\"practiceTolerance\": {\"english\": 30, \"metric\": 35}"),
       "tolerance"},
      {replaced("\"inForce\": true,", ""), "\"inForce\" is missing"},
      {replaced("\"inForce\": true,", "\"inForce\": true, \"colour\": 1,"), "\"colour\""},
      {replaced("\"english\": 10.0", "\"english\": \"10\""), "not a number"},
      {replaced("\"english\": 10.0", "\"english\": 1e400"), "not well-formed"},
      {replaced("\"english\": 10.0", "\"english\": 155"), "coefficient"},
      {replaced("\"hose\": \"1.75\",\n      \"english\"", "\"hose\": \"1.8\", \"english\""),
       "no hose key"},
      {replaced("\"flow\": \"150\"", "\"flow\": \"0\""), "ERROR"},
      {replaced("\"Engine 4\"", "\"\""), "name"},
      {replaced("vardel-department-values", "something-else"), "not a department file"},
      {std::string(100000, '[') + std::string(100000, ']'), "not a department file"},
      {std::string(300 * 1024, ' '), "larger than"},
      {"\"\xff\xfe\"", "not well-formed"},
  };
  for (const auto& [text, reason] : refused) {
    const department_file::Read read = department_file::read(text);
    EXPECT_FALSE(read.values) << text.substr(0, 80);
    EXPECT_NE(read.problem.find(reason), std::string::npos) << read.problem;
  }
  // Every cut of the file short of its end is refused.
  for (std::size_t size = 0; size + 2 < example.size(); size += 7) {
    EXPECT_FALSE(department_file::read(example.substr(0, size)).values) << size;
  }
}

TEST(DepartmentStore, AnImportShowsItsChangesAndARefusalKeepsWhatWasKept) {
  MemoryStorage storage;
  DepartmentStore store(storage);
  EXPECT_EQ(store.load(), "");
  EXPECT_EQ(storage.writes, 0);  // nothing is written before a change

  const DepartmentStore::Preview preview = store.previewImport(kExample);
  ASSERT_TRUE(preview.values) << preview.problem;
  EXPECT_EQ(storage.writes, 0);
  EXPECT_EQ(preview.changes.size(), 5u);  // name, in force, one hose, per floor, one line
  ASSERT_EQ(store.takeImport(*preview.values), "");
  const std::string kept = *storage.text;

  EXPECT_NE(store.previewImport("{").problem, "");
  EXPECT_NE(store.change([](DepartmentValues& v) {
    v.perFloor.english = 50;  // beyond any floor
    return std::string();
  }),
            "");
  storage.failNext = true;
  EXPECT_NE(store.change([](DepartmentValues& v) {
    v.name = "Engine 5";
    return std::string();
  }),
            "");
  EXPECT_EQ(*storage.text, kept);
  EXPECT_EQ(store.values()->name, "Engine 4");
}

TEST(DepartmentStore, AKeptFileItCannotReadIsKeptAsideBeforeAnythingIsSaved) {
  MemoryStorage storage;
  std::string newer = kExample;
  newer.replace(newer.find("\"version\": 2"), 12, "\"version\": 3");
  storage.text = newer;
  storage.canKeepAside = false;
  DepartmentStore store(storage);
  EXPECT_NE(store.load().find("newer version"), std::string::npos);
  const auto setFloor = [](DepartmentValues& v) {
    v.perFloor = {5, 35};
    return std::string();
  };
  EXPECT_NE(store.change(setFloor), "");  // it cannot be kept aside: nothing is written
  EXPECT_EQ(*storage.text, newer);
  storage.canKeepAside = true;
  ASSERT_EQ(store.change(setFloor), "");
  EXPECT_EQ(storage.keptAside, newer);
  EXPECT_EQ(store.values()->perFloor.english, 5);
}

TEST(DepartmentStore, TwoWindowsKeepEachOthersSaves) {
  MemoryStorage storage;
  DepartmentStore first(storage), second(storage);
  first.load();
  second.load();
  ASSERT_EQ(first.change([](DepartmentValues& v) {
    v.perFloor = {5, 35};
    return std::string();
  }),
            "");
  ASSERT_EQ(second.change([](DepartmentValues& v) {
    v.pumpLimit = {250, 1724};
    return std::string();
  }),
            "");
  EXPECT_EQ(second.values()->perFloor.english, 5);
  first.load();
  EXPECT_EQ(first.values()->pumpLimit.english, 250);
}

}  // namespace
}  // namespace vardel
