#pragma once

#include <optional>
#include <string>

#include "department/department_store.h"

namespace vardel::testing {

// The department file in memory: nothing of the user's is read or written.
// `failNext` makes the next replace fail as a full disk would;
// `canKeepAside` false refuses to keep a refused file aside; a file set
// aside is kept in `setAsideText`.
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
  bool setAside(std::string* note) override {
    setAsideText = text.value_or("");
    text.reset();
    *note = "set aside";
    return true;
  }
  std::optional<std::string> text;
  std::optional<std::string> keptAside, setAsideText;
  bool failNext = false;
  bool canKeepAside = true;
  int writes = 0;
};

// The department's issued file in memory, and the note of what was told.
// Read only unless `keeps`, as a browser's copy of its site's file is.
struct MemoryIssue : IssuedPlace {
  std::optional<std::string> load(std::string*) override { return text; }
  std::string name() const override { return "/etc/xdg/vardel/department.json"; }
  bool keep(const std::string& t) override {
    if (keeps) text = t;
    return keeps;
  }
  std::string note() override { return told; }
  void keepNote(const std::string& n) override { told = n; }
  std::optional<std::string> text;
  std::string told;
  bool keeps = false;
};

}  // namespace vardel::testing
