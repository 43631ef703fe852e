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

// A file of this version without the day of its issue still reads.
TEST(DepartmentFile, AFileWithoutTheDayOfItsIssueReads) {
  std::string undated = kExample;
  undated.erase(undated.find("  \"issued\""),
                std::string("  \"issued\": \"2026-12-01\",\n").size());
  const department_file::Read read = department_file::read(undated);
  ASSERT_TRUE(read.values) << read.problem;
  EXPECT_EQ(read.values->issued, "");
}

TEST(DepartmentFile, AVersionOneFileReadsAsTheSameValuesWithoutLays) {
  const department_file::Read old = department_file::read(testing::documentedFile(1));
  ASSERT_TRUE(old.values) << old.problem;
  DepartmentValues expected = *department_file::read(kExample).values;
  expected.issued.clear();
  expected.ratedFlow = {};
  expected.lays.clear();
  EXPECT_EQ(*old.values, expected);
  // A field of version 2 in a file of version 1 is not known there.
  std::string mixed = testing::documentedFile(1);
  mixed.insert(mixed.find("\"lines\""), "\"lays\": [],\n  ");
  EXPECT_NE(department_file::read(mixed).problem.find("\"lays\""), std::string::npos);
}

TEST(DepartmentFile, ASavedLaySurvivesExportAndImport) {
  DepartmentValues values = *department_file::read(kExample).values;
  Lay standpipe;
  standpipe.name = "High-rise";
  standpipe.metric = true;
  standpipe.discharges[0].appliance = Appliance::Standpipe;
  standpipe.discharges[0].applianceRise = {ElevationUnit::Floors, 7};
  standpipe.discharges[0].branches = {
      {{4, 1, 30, {ElevationUnit::Height, -1.5}}, {NozzleKind::Tip, 350, 0, 28}}};
  values.lays.push_back(standpipe);
  values.wyeLoss = {12, 82.7};
  const department_file::Read back = department_file::read(department_file::write(values));
  ASSERT_TRUE(back.values) << back.problem;
  EXPECT_EQ(*back.values, values);
  // A lay that makes no sense is refused with the place named.
  values.lays.back().discharges[0].branches[0].nozzle.tip = 0;
  EXPECT_NE(department_file::read(department_file::write(values))
                .problem.find("The lay High-rise: Discharge A, branch 1: the tip"),
            std::string::npos);
}

// Each field that version 2 brought may be left out of a file of version 2
// (one of version 1 must hold every field of its own: "inForce" below).
TEST(DepartmentFile, AVersionTwoFileMayLeaveOutTheFieldsThatVersionTwoBrought) {
  const DepartmentValues example = *department_file::read(kExample).values;
  std::string some = kExample;
  for (const std::string field : {"wyeFrom", "ratedFlow", "practiceTolerance", "lays"}) {
    const std::size_t at = some.find(",\n  \"" + field + "\"");
    const std::size_t end = some.find("\n  \"", at + 4);
    some.erase(at, (end == std::string::npos ? some.rfind("\n}") : end - 1) - at);
  }
  const department_file::Read read = department_file::read(some);
  ASSERT_TRUE(read.values) << read.problem << "\n" << some;
  EXPECT_EQ(read.values->wyeLoss, example.wyeLoss);
  EXPECT_FALSE(read.values->ratedFlow.isSet());
  EXPECT_TRUE(read.values->lays.empty());
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
      {replaced("\"2026-12-01\"", "\"2026-02-30\""), "not a day"},
      {replaced("\"2026-12-01\"", "\"20-6-12-01\""), "not a day"},
      {replaced("\"version\": 2", "\"version\": 3, \"colour\": 1"), "newer version"},
      {replaced("\"amount\": 0.0", "\"amount\": \"0\""), "rise is not a number"},
      {replaced("\"wye\"", "\"tee\""), "appliance \"tee\" is not known"},
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
    EXPECT_NE(read.problem.find(reason), std::string::npos) << read.problem << " / " << reason;
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
  // Name, issue, in force, one hose, per floor, rated flow, one line, one lay.
  EXPECT_EQ(preview.changes.size(), 8u);
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
