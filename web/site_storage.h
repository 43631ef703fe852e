#pragma once

#include <optional>
#include <string>

#include "department/department_store.h"

namespace vardel::web {

// The department file in the site's own storage, which the page keeps
// (web/panel_library.js): the engine reads and writes the file's text, the
// page only carries it.
class SiteStorage : public DepartmentStorage {
 public:
  std::optional<std::string> load(std::string* problem) override;
  bool replace(const std::string& text, std::string* problem) override;
  bool keepAside(const std::string& text, std::string* note) override;
  bool setAside(std::string* note) override;
};

// The department's issued file as this device keeps it: its copy of the
// site's department.json, taken when the file arrived and read well, so
// that the issue stays with the network off and a bad file on the site
// changes nothing; and the note of what the device has told.
class SiteIssue : public IssuedPlace {
 public:
  std::optional<std::string> load(std::string* problem) override;
  std::string name() const override;
  bool keep(const std::string& text) override;
  std::string note() override;
  void keepNote(const std::string& note) override;
};

}  // namespace vardel::web
