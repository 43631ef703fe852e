#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "core/power_keys.h"
#include "department/department_store.h"
#include "panel/desks.h"
#include "support/fake_panel.h"
#include "support/memory_storage.h"

// The desks of the menus' boxes, driven as both front ends drive them, on a
// calculator fresh from start-up and a department kept in memory.
namespace vardel::testing {

using panel::Command;

// The menu's commands, and the open box's desk, as the front ends drive them.
struct Driver {
  panel::Desks& desks;

  std::string command(Command command) { return desks.command(command).problem; }
  std::string import(std::string_view text) { return desks.fileRead(text); }
  bool enabled(Command command) const { return desks.enabled(command); }
  bool checked(Command command) const { return desks.checked(command); }
  const panel::Dialog* box() { return desks.open() ? desks.open()->box() : nullptr; }
  void edit(std::string_view name, std::string_view text) { desks.open()->edit(name, text); }
  void select(std::string_view name, int row) { desks.open()->select(name, row); }
  std::string press(std::string_view name) { return desks.open() ? desks.open()->press(name) : ""; }
  void close() {
    if (desks.open()) desks.open()->close();
  }
};

struct DeskTest : ::testing::Test {
  DeskTest() { Form_Load(calculator); }

  const panel::Shown& shown(std::string_view name) {
    if (desks.open() != nullptr) {
      for (const panel::Shown& each : desks.open()->shown()) {
        if (each.name == name) return each;
      }
    }
    static const panel::Shown none;
    return none;
  }
  const DepartmentValues& kept() const { return *store.values(); }

  MemoryStorage storage;
  MemoryIssue issued;
  DepartmentStore store{storage, &issued};
  FakePanel panel;
  Calculator calculator{panel};
  panel::Desks desks{calculator, &store, panel::Paper::A4, [] { return std::string(); },
                     [] { return std::string("https://example.org/vardel/"); }};
  Driver desk{desks};
};

}  // namespace vardel::testing
