// The department's issued file on a device: alone it is in force and told
// once; the device's own file wins over it, and a change is written there
// only; a newer issue is offered to a device with values of its own and
// taken, with what the device had kept aside, only by the user's Apply; a
// refused issue changes nothing; a link carries a file whole.
#include <gtest/gtest.h>

#include <string>

#include "department/department_file.h"
#include "department/department_store.h"
#include "department/file_link.h"
#include "support/memory_storage.h"

namespace vardel::testing {
namespace {

// An issue of the department Engine 4 on `day`, its 1 3/4" hose at `c` psi.
std::string issueOf(const std::string& day, double c = 10) {
  DepartmentValues values;
  values.name = "Engine 4";
  values.issued = day;
  values.hoses[4] = {c, c * 1.5786};
  return department_file::write(values);
}

const auto kSetFloor = [](DepartmentValues& values) {
  values.perFloor = {5, 35};
  return std::string();
};

struct Device {
  MemoryStorage own;
  MemoryIssue issued;
  DepartmentStore store{own, &issued};
};

TEST(IssuedValues, AloneAreInForceAndToldOnceEachIssue) {
  Device device;
  device.issued.text = issueOf("2026-12-01");
  EXPECT_EQ(device.store.load(), "");
  ASSERT_NE(device.store.inForce(), nullptr);
  EXPECT_EQ(device.store.inForce()->origin, Origin::Issued);
  EXPECT_EQ(device.store.inForce()->hoses[4].english, 10);
  DepartmentStore::News news = device.store.takeNews();
  EXPECT_EQ(news.told,
            "Department values: Engine 4, issued 2026-12-01. The department issued them to this "
            "device, and they are in force.");
  EXPECT_FALSE(news.offered);
  EXPECT_EQ(device.own.writes, 0);  // nothing of the device's own is written

  device.store.load();  // the next start: told already
  EXPECT_EQ(device.store.takeNews().told, "");
  device.issued.text = issueOf("2026-12-02", 11);
  device.store.load();
  EXPECT_NE(device.store.takeNews().told.find("issued 2026-12-02"), std::string::npos);
  EXPECT_EQ(device.store.inForce()->hoses[4].english, 11);
}

TEST(IssuedValues, TheDevicesOwnWinAndAChangeIsWrittenThereAlone) {
  Device device;
  const std::string issue = issueOf("2026-12-01");
  device.issued.text = issue;
  device.store.load();
  ASSERT_EQ(device.store.change(kSetFloor), "");
  EXPECT_EQ(device.issued.text, issue);
  const department_file::Read own = department_file::read(*device.own.text);
  ASSERT_TRUE(own.values) << own.problem;
  // The change starts from the issued values and keeps the day they came from.
  EXPECT_EQ(own.values->hoses[4].english, 10);
  EXPECT_EQ(own.values->perFloor.english, 5);
  EXPECT_EQ(own.values->issued, "2026-12-01");

  DepartmentStore again(device.own, &device.issued);
  again.load();
  EXPECT_EQ(again.inForce()->origin, Origin::ThisDevice);
  EXPECT_EQ(again.inForce()->perFloor.english, 5);
  EXPECT_FALSE(again.takeNews().offered);  // the issue is the one its values came from
  EXPECT_TRUE(again.canTakeIssue());
  EXPECT_FALSE(again.newerIssueWaits());
}

TEST(IssuedValues, ANewerIssueIsOfferedAndTakenOnlyByTheUser) {
  Device device;
  device.own.text = issueOf("2026-11-01", 12);
  device.issued.text = issueOf("2026-12-01");
  device.store.load();
  EXPECT_TRUE(device.store.takeNews().offered);
  EXPECT_EQ(device.store.inForce()->hoses[4].english, 12);  // not taken behind its back
  EXPECT_TRUE(device.store.newerIssueWaits());
  device.store.load();
  EXPECT_FALSE(device.store.takeNews().offered);  // offered once

  const DepartmentStore::Preview preview = device.store.previewIssue();
  ASSERT_TRUE(preview.values);
  EXPECT_EQ(preview.changes.at(0), "What this device has now is kept aside, not lost");
  EXPECT_EQ(preview.changes.at(1), "Issued: 2026-12-01");
  std::string told;
  ASSERT_EQ(device.store.takeIssue(&told), "");
  EXPECT_NE(told.find("What this device had is kept in set aside."), std::string::npos) << told;
  EXPECT_EQ(device.own.setAsideText, issueOf("2026-11-01", 12));
  EXPECT_EQ(device.store.inForce()->origin, Origin::Issued);
  EXPECT_FALSE(device.store.canTakeIssue());

  // Back on the issue, the next one is taken by itself, and told.
  device.issued.text = issueOf("2027-01-01", 9);
  device.store.load();
  EXPECT_NE(device.store.takeNews().told.find("issued 2027-01-01"), std::string::npos);
  EXPECT_EQ(device.store.inForce()->hoses[4].english, 9);
}

TEST(IssuedValues, ARefusedIssueChangesNothing) {
  // A PC's system file: refused by name, and the published figures stand.
  Device pc;
  pc.issued.text = issueOf("2026-12-01", 155);  // beyond any 1 3/4" hose
  const std::string problem = pc.store.load();
  EXPECT_NE(problem.find("issued in /etc/xdg/vardel/department.json are not used"),
            std::string::npos)
      << problem;
  EXPECT_NE(problem.find("The published figures stand."), std::string::npos) << problem;
  EXPECT_EQ(pc.store.inForce(), nullptr);

  // A browser's copy of its site's file: a refused arrival keeps the copy,
  // and is told once.
  Device browser;
  browser.issued.keeps = true;
  EXPECT_EQ(browser.store.receiveIssue(issueOf("2026-12-01")), "");
  EXPECT_NE(browser.store.takeNews().told, "");
  std::string newer = issueOf("2026-12-02");
  newer.replace(newer.find("\"version\": 2"), 12, "\"version\": 3");
  for (const std::string& bad : {newer, std::string("{"), issueOf("2026-12-02", 155)}) {
    EXPECT_NE(browser.store.receiveIssue(bad).find("this device keeps what it had"),
              std::string::npos);
    EXPECT_EQ(browser.store.receiveIssue(bad), "");  // told once
    EXPECT_EQ(*browser.issued.text, issueOf("2026-12-01"));
    EXPECT_EQ(browser.store.inForce()->hoses[4].english, 10);
  }
}

TEST(IssuedValues, AnExportOfTheIssueKeepsItsDayAndOwnValuesAreIssuedToday) {
  Device device;
  device.issued.text = issueOf("2026-12-01");
  device.store.load();
  EXPECT_EQ(department_file::read(device.store.exportFile("2026-12-08")).values->issued,
            "2026-12-01");
  ASSERT_EQ(device.store.change(kSetFloor), "");
  EXPECT_EQ(department_file::read(device.store.exportFile("2026-12-08")).values->issued,
            "2026-12-08");
}

TEST(FileLink, CarriesAFileWholeAndRefusesADamagedOne) {
  const std::string file = department_file::write(
      *department_file::read(issueOf("2026-12-01")).values, department_file::Layout::Compact);
  for (std::size_t size : {file.size(), std::size_t{1}, std::size_t{2}, std::size_t{3}}) {
    const std::string fragment = file_link::fragmentOf(file.substr(0, size));
    EXPECT_EQ(fragment.find_first_not_of(
                  "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_=", 0),
              std::string::npos);
    EXPECT_EQ(file_link::fileOf("#" + fragment).file, file.substr(0, size));
  }
  const std::string fragment = file_link::fragmentOf(file);
  EXPECT_TRUE(file_link::carriesFile("#" + fragment));
  EXPECT_FALSE(file_link::carriesFile("#top"));
  for (const std::string& damaged : {fragment.substr(0, fragment.size() - 1) + "!",
                                     std::string("department=eyJ9A"), std::string("#top")}) {
    EXPECT_FALSE(file_link::fileOf(damaged).file) << damaged;
    EXPECT_NE(file_link::fileOf(damaged).problem, "");
  }
}

}  // namespace
}  // namespace vardel::testing
