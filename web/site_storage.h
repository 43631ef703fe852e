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
};

}  // namespace vardel::web
