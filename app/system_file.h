#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "department/department_store.h"

namespace vardel::app {

// The department file an administrator issues to a PC: vardel/department.json
// in the system's configuration folders, $XDG_CONFIG_DIRS (/etc/xdg without
// it), of which the first that holds one is read. The program only reads it,
// looking again at each read, so that a file put in place while it runs is
// found. The note of what the user has been told of it is kept in the
// user's folder, as issue-told.
class SystemFile : public IssuedPlace {
 public:
  // The folders of $XDG_CONFIG_DIRS, in order; relative ones are ignored.
  static std::vector<std::filesystem::path> systemFolders();

  SystemFile(std::vector<std::filesystem::path> folders, std::filesystem::path userFolder);

  std::optional<std::string> load(std::string* problem) override;
  // The file read last, or the first place looked in while none was found.
  std::string name() const override;
  std::string note() override;
  void keepNote(const std::string& note) override;

 private:
  std::vector<std::filesystem::path> files_;
  std::filesystem::path found_, note_;
};

}  // namespace vardel::app
