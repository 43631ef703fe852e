#include "app/config_folder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "department/department_file.h"

namespace vardel::app {
namespace {

std::string systemError(const std::string& what) { return what + ": " + std::strerror(errno); }

// Writes all of `text`, or says why not.
bool writeAll(int descriptor, const std::string& text, std::string* problem) {
  std::size_t written = 0;
  while (written < text.size()) {
    const ssize_t n = ::write(descriptor, text.data() + written, text.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      *problem = systemError("writing the new file");
      return false;
    }
    written += static_cast<std::size_t>(n);
  }
  return true;
}

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
  const int descriptor = ::open(file_.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) {
    if (errno != ENOENT) *problem = systemError(file_.string());
    return std::nullopt;
  }
  std::string text;
  char buffer[16384];
  for (;;) {
    const ssize_t n = ::read(descriptor, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      *problem = systemError(file_.string());
      ::close(descriptor);
      return std::nullopt;
    }
    if (n == 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
    // A larger file is refused by its reader; the rest need not be read.
    if (text.size() > department_file::kLargest) break;
  }
  ::close(descriptor);
  return text;
}

bool ConfigFolderStorage::keepAside(const std::string& text, std::string* note) {
  for (int n = 1; n < 1000; ++n) {
    const std::filesystem::path aside =
        folder_ / (n == 1 ? std::string("department.refused.json")
                          : "department.refused." + std::to_string(n) + ".json");
    const int descriptor = ::open(aside.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (descriptor < 0 && errno == EEXIST) continue;
    if (descriptor < 0) {
      *note = systemError(aside.string());
      return false;
    }
    const bool written = writeAll(descriptor, text, note) && ::fsync(descriptor) == 0;
    ::close(descriptor);
    if (!written) {
      ::unlink(aside.c_str());
      if (note->empty()) *note = systemError(aside.string());
      return false;
    }
    *note = aside.string();
    return true;
  }
  *note = "too many files kept aside in " + folder_.string();
  return false;
}

bool ConfigFolderStorage::replace(const std::string& text, std::string* problem) {
  std::error_code error;
  std::filesystem::create_directories(folder_, error);
  if (error) {
    *problem = folder_.string() + ": " + error.message();
    return false;
  }
  std::string temporary = (folder_ / "department.json.XXXXXX").string();
  const int descriptor = ::mkstemp(temporary.data());
  if (descriptor < 0) {
    *problem = systemError("creating the new file in " + folder_.string());
    return false;
  }
  bool written = writeAll(descriptor, text, problem);
  if (written && ::fsync(descriptor) != 0) {
    *problem = systemError("flushing the new file");
    written = false;
  }
  if (::close(descriptor) != 0 && written) {
    *problem = systemError("closing the new file");
    written = false;
  }
  if (written && ::rename(temporary.c_str(), file_.c_str()) != 0) {
    *problem = systemError("putting the new file in place");
    written = false;
  }
  if (!written) {
    ::unlink(temporary.c_str());
    return false;
  }
  // The rename itself reaches the disk with the folder.
  if (const int folder = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
  return true;
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
