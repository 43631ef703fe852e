#pragma once

#include <optional>
#include <string>

#include "department/department_store.h"

namespace vardel::testing {

// The department file in memory: nothing of the user's is read or written.
// `failNext` makes the next replace fail as a full disk would;
// `canKeepAside` false refuses to keep a refused file aside.
struct MemoryStorage : DepartmentStorage {
  std::optional<std::string> load(std::string*) override { return text; }
  bool replace(const std::string& t, std::string* problem) override {
    if (failNext) {
      *problem = "No space left on device";
      return false;
    }
    text = t;
    ++writes;
    return true;
  }
  bool keepAside(const std::string& t, std::string* note) override {
    if (!canKeepAside) return DepartmentStorage::keepAside(t, note);
    keptAside = t;
    *note = "aside";
    return true;
  }
  std::optional<std::string> text;
  std::optional<std::string> keptAside;
  bool failNext = false;
  bool canKeepAside = true;
  int writes = 0;
};

}  // namespace vardel::testing
