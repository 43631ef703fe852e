#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "department/department_store.h"

namespace vardel::app {

// The department file in the user's configuration folder:
// $XDG_CONFIG_HOME/vardel/department.json, or ~/.config/vardel/ without it.
// A new file is written beside the old one, flushed to the disk and then
// renamed over it, so that a crash or a full disk leaves the old file whole.
// A lock file beside it keeps two windows from writing at once.
class ConfigFolderStorage : public DepartmentStorage {
 public:
  // The folder to keep the file in; nothing when neither variable names one.
  static std::optional<std::filesystem::path> userFolder();

  explicit ConfigFolderStorage(std::filesystem::path folder);
  ~ConfigFolderStorage() override;
  ConfigFolderStorage(const ConfigFolderStorage&) = delete;
  ConfigFolderStorage& operator=(const ConfigFolderStorage&) = delete;

  std::optional<std::string> load(std::string* problem) override;
  bool replace(const std::string& text, std::string* problem) override;
  void lock() override;
  void unlock() override;
  // Beside the file, as department.refused.json, or .2.json and on where
  // that is taken.
  bool keepAside(const std::string& text, std::string* note) override;
  // Renamed beside itself as department.kept.json, or .2.json and on.
  bool setAside(std::string* note) override;

  const std::filesystem::path& file() const { return file_; }

 private:
  std::filesystem::path folder_, file_;
  int lockDescriptor_ = -1;
};

}  // namespace vardel::app
