#include "app/system_file.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "app/whole_file.h"

namespace vardel::app {

std::vector<std::filesystem::path> SystemFile::systemFolders() {
  const char* listed = std::getenv("XDG_CONFIG_DIRS");
  const std::string_view dirs = listed != nullptr && *listed != '\0' ? listed : "/etc/xdg";
  std::vector<std::filesystem::path> folders;
  std::size_t start = 0;
  while (start <= dirs.size()) {
    const std::size_t end = std::min(dirs.find(':', start), dirs.size());
    const std::string_view dir = dirs.substr(start, end - start);
    if (dir.starts_with('/')) folders.emplace_back(dir);
    start = end + 1;
  }
  return folders;
}

SystemFile::SystemFile(std::vector<std::filesystem::path> folders, std::filesystem::path userFolder)
    : note_(std::move(userFolder) / "issue-told") {
  for (const auto& folder : folders) files_.push_back(folder / "vardel" / "department.json");
  if (!files_.empty()) found_ = files_.front();
}

std::optional<std::string> SystemFile::load(std::string* problem) {
  // The first that is there, readable or not: a file that cannot be read is
  // refused by name, not passed over for one further down the list.
  for (const auto& file : files_) {
    std::optional<std::string> text = readWholeFile(file, problem);
    if (text || !problem->empty()) {
      found_ = file;
      return text;
    }
  }
  return std::nullopt;
}

std::string SystemFile::name() const { return found_.string(); }

std::string SystemFile::note() {
  std::string problem;
  return readWholeFile(note_, &problem).value_or("");
}

void SystemFile::keepNote(const std::string& note) {
  // A note that cannot be written only means telling the issue again.
  std::string problem;
  replaceWholeFile(note_, note, &problem);
}

}  // namespace vardel::app
