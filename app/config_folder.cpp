#include "app/config_folder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "app/whole_file.h"

namespace vardel::app {
namespace {

std::string systemError(const std::string& what) { return what + ": " + std::strerror(errno); }

// The n-th name of a file kept aside: department.refused.json, then
// department.refused.2.json and on.
std::filesystem::path asideName(const std::filesystem::path& folder, std::string_view kind, int n) {
  const std::string stem = "department." + std::string(kind);
  return folder / (n == 1 ? stem + ".json" : stem + "." + std::to_string(n) + ".json");
}

constexpr int kMostAside = 1000;

}  // namespace

std::optional<std::filesystem::path> ConfigFolderStorage::userFolder() {
  // Only an absolute XDG_CONFIG_HOME counts; a relative one is ignored.
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && config[0] == '/') {
    return std::filesystem::path(config) / "vardel";
  }
  if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
    return std::filesystem::path(home) / ".config" / "vardel";
  }
  return std::nullopt;
}

ConfigFolderStorage::ConfigFolderStorage(std::filesystem::path folder)
    : folder_(std::move(folder)), file_(folder_ / "department.json") {}

ConfigFolderStorage::~ConfigFolderStorage() { unlock(); }

std::optional<std::string> ConfigFolderStorage::load(std::string* problem) {
  return readWholeFile(file_, problem);
}

bool ConfigFolderStorage::keepAside(const std::string& text, std::string* note) {
  for (int n = 1; n < kMostAside; ++n) {
    const std::filesystem::path aside = asideName(folder_, "refused", n);
    bool exists = false;
    if (writeNewFile(aside, text, note, &exists)) {
      *note = aside.string();
      return true;
    }
    if (!exists) return false;
  }
  *note = "too many files kept aside in " + folder_.string();
  return false;
}

bool ConfigFolderStorage::setAside(std::string* note) {
  for (int n = 1; n < kMostAside; ++n) {
    const std::filesystem::path aside = asideName(folder_, "kept", n);
    // A second name for the file, never over another's, then the first one
    // gone: at no moment is the file lost.
    if (::link(file_.c_str(), aside.c_str()) != 0) {
      if (errno == EEXIST) continue;
      *note = systemError(aside.string());
      return false;
    }
    if (::unlink(file_.c_str()) != 0) {
      *note = systemError(file_.string());
      ::unlink(aside.c_str());
      return false;
    }
    syncFolder(folder_);
    *note = aside.string();
    return true;
  }
  *note = "too many files kept aside in " + folder_.string();
  return false;
}

bool ConfigFolderStorage::replace(const std::string& text, std::string* problem) {
  return replaceWholeFile(file_, text, problem);
}

void ConfigFolderStorage::lock() {
  std::error_code error;
  std::filesystem::create_directories(folder_, error);
  lockDescriptor_ =
      ::open((folder_ / "department.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (lockDescriptor_ >= 0) {
    while (::flock(lockDescriptor_, LOCK_EX) != 0 && errno == EINTR) {
    }
  }
}

void ConfigFolderStorage::unlock() {
  if (lockDescriptor_ < 0) return;
  ::flock(lockDescriptor_, LOCK_UN);
  ::close(lockDescriptor_);
  lockDescriptor_ = -1;
}

}  // namespace vardel::app
