#include "app/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
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

std::optional<std::string> readWholeFile(const std::filesystem::path& file, std::string* problem) {
  const int descriptor = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) {
    if (errno != ENOENT) *problem = systemError(file.string());
    return std::nullopt;
  }
  std::string text;
  char buffer[16384];
  for (;;) {
    const ssize_t n = ::read(descriptor, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      *problem = systemError(file.string());
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

bool replaceWholeFile(const std::filesystem::path& file, const std::string& text,
                      std::string* problem) {
  const std::filesystem::path folder = file.parent_path();
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) {
    *problem = folder.string() + ": " + error.message();
    return false;
  }
  std::string temporary = (folder / (file.filename().string() + ".XXXXXX")).string();
  const int descriptor = ::mkstemp(temporary.data());
  if (descriptor < 0) {
    *problem = systemError("creating the new file in " + folder.string());
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
  if (written && ::rename(temporary.c_str(), file.c_str()) != 0) {
    *problem = systemError("putting the new file in place");
    written = false;
  }
  if (!written) {
    ::unlink(temporary.c_str());
    return false;
  }
  syncFolder(folder);
  return true;
}

void syncFolder(const std::filesystem::path& folder) {
  if (const int held = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); held >= 0) {
    ::fsync(held);
    ::close(held);
  }
}

bool writeNewFile(const std::filesystem::path& file, const std::string& text, std::string* problem,
                  bool* exists) {
  const int descriptor = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  *exists = descriptor < 0 && errno == EEXIST;
  if (descriptor < 0) {
    if (!*exists) *problem = systemError(file.string());
    return false;
  }
  const bool written = writeAll(descriptor, text, problem) && ::fsync(descriptor) == 0;
  ::close(descriptor);
  if (!written) {
    if (problem->empty()) *problem = systemError(file.string());
    ::unlink(file.c_str());
  }
  return written;
}

}  // namespace vardel::app
