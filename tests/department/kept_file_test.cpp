// The reader of the kept file as written: it reads every file the writer
// writes, and never reads a text otherwise than the full reader does (the
// values alike, or nothing).
#include "department/kept_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "department/department_file.h"
#include "support/department_file_example.h"

namespace vardel {
namespace {

const std::string& kExample = testing::kDocumentedFile;

// Values that use every field of the file: every hose key, every pair,
// names that need escapes and bytes beyond ASCII, the most lines, and a
// metric lay of another appliance below the pump with a tip.
DepartmentValues everyField() {
  DepartmentValues v = *department_file::read(kExample).values;
  v.name = "St\xc3\xa9phane \"No. 4\" \\ \xe6\xb6\x88\xe9\x98\xb2 \xf0\x9f\x9a\x92";
  v.inForce = false;
  for (std::size_t row = 0; row < v.hoses.size(); ++row) {
    v.hoses[row] = {kHoses[row].englishCoefficient * 1.37, kHoses[row].metricCoefficient / 1.3};
  }
  v.pumpLimit = {250.5, 1727.25};
  v.practiceTolerance = {7.5, 52.5};
  v.wyeLoss = {10, 70};
  v.intake = {20.5, 141.25};
  Lay lay = v.lays.front();
  lay.name = "Down the hill \"B\"";
  lay.metric = true;
  lay.discharges.front().appliance = Appliance::Standpipe;
  lay.discharges.front().applianceRise = {ElevationUnit::Height, -12.5};
  lay.discharges.front().branches.front().nozzle = {NozzleKind::Tip, 350, 0, 28.5};
  v.lays.push_back(lay);
  v.lines.resize(100, v.lines.front());
  for (std::size_t i = 0; i < v.lines.size(); ++i) {
    v.lines[i].name = "Line " + std::to_string(i);
    v.lines[i].metric = i % 2 == 1;
  }
  return v;
}

TEST(KeptFile, ReadsEveryFileTheWriterWrites) {
  for (const DepartmentValues& values : {*department_file::read(kExample).values, everyField()}) {
    const std::optional<DepartmentValues> read = kept_file::read(department_file::write(values));
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, values);
  }
}

// A file kept by version 1 reads as the full reader reads it; one of that
// version holding a field of version 2 is left to it.
TEST(KeptFile, ReadsAFileOfVersionOne) {
  const std::string first = testing::documentedFile(1);
  const std::optional<DepartmentValues> read = kept_file::read(first);
  ASSERT_TRUE(read);
  EXPECT_EQ(*read, *department_file::read(first).values);
  std::string mixed = first;
  mixed.insert(mixed.rfind("\n}"), ",\n  \"practiceTolerance\": null");
  EXPECT_FALSE(kept_file::read(mixed));
}

// Each text either read alike by both readers, or left by this one.
void expectAgreement(const std::string& text, int& readByBoth) {
  const std::optional<DepartmentValues> kept = kept_file::read(text);
  if (!kept) return;
  const department_file::Read full = department_file::read(text);
  ASSERT_TRUE(full.values) << "read here but refused by the full reader (" << full.problem << "):\n"
                           << text;
  ASSERT_EQ(*kept, *full.values) << text;
  ++readByBoth;
}

TEST(KeptFile, ReadsNothingOtherwiseThanTheFullReader) {
  int readByBoth = 0;
  // Every cut, and every byte of the example changed or taken out.
  const std::string bytes = std::string(" \t\"\\0.9-e,:}]nt\x7f\xc3\xff") + '\0';
  for (std::size_t at = 0; at < kExample.size(); ++at) {
    expectAgreement(kExample.substr(0, at), readByBoth);
    expectAgreement(std::string(kExample).erase(at, 1), readByBoth);
    for (const char b : bytes) {
      std::string changed = kExample;
      changed[at] = b;
      expectAgreement(changed, readByBoth);
    }
  }
  // Texts that only the full reader reads: other escapes, exponents, the
  // fields in another order, a byte order mark.
  const std::vector<std::pair<std::string, std::string>> others = {
      {"\"Engine 4\"", "\"Engine\\u0020\\u0034\""},
      {"10.0", "1.0e1"},
      {"\"english\": 5.0,\n    \"metric\": 35.0", "\"metric\": 35.0, \"english\": 5.0"},
      {"{", "\xef\xbb\xbf{"},
  };
  for (const auto& [from, to] : others) {
    std::string text = kExample;
    text.replace(text.find(from), from.size(), to);
    EXPECT_FALSE(kept_file::read(text)) << text;
    EXPECT_TRUE(department_file::read(text).values) << department_file::read(text).problem;
  }
  // Not vacuous: changed digits and blanks are read by both.
  EXPECT_GT(readByBoth, 100);
}

TEST(KeptFile, RefusesWhatTheFullReaderRefusesBeyondTheChecks) {
  const std::string hose =
      "{\n      \"hose\": \"1.75\",\n      \"english\": 10.0,\n      \"metric\": 15.786\n    }";
  std::string twice = kExample;
  twice.replace(twice.find(hose), hose.size(), hose + ", " + hose);
  const std::string version = "\"version\": " + std::to_string(department_file::kVersion);
  std::string newer = kExample;
  newer.replace(newer.find(version), version.size(),
                "\"version\": " + std::to_string(department_file::kVersion + 1));
  std::string noDay = kExample;
  noDay.replace(noDay.find("2026-12-01"), 10, "2026-02-29");
  for (const std::string& text : {twice, newer, noDay}) {
    ASSERT_FALSE(department_file::read(text).values) << text;
    EXPECT_FALSE(kept_file::read(text)) << text;
  }
}

}  // namespace
}  // namespace vardel
