#include "ui/system_info.h"

#include <algorithm>
#include <cstring>

namespace vardel {
namespace {

constexpr long kFileNotFound = 2;

const char* const kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const char* const kToolValue = "PATH";
const char* const kToolFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const char* const kToolFolderValue = "MSINFO";
const char* const kToolFile = "\\MSINFO32.EXE";

std::string dwordText(const std::vector<char>& data) {
  std::uint32_t bits = 0;
  for (int i = 3; i >= 0; --i) bits = (bits << 8) | static_cast<unsigned char>(data[i]);
  std::int32_t value = 0;
  std::memcpy(&value, &bits, sizeof value);
  return std::to_string(value);
}

}  // namespace

bool GetKeyValue(Registry& registry, std::uint32_t KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal) {
  RegistryHandle handle = 0;
  if (registry.openKey(KeyRoot, KeyName, kKeyAllAccess, handle) != 0) {
    KeyVal.clear();
    return false;
  }
  std::vector<char> data(kRegistryBufferSize, '\0');
  std::uint32_t type = 0;
  std::uint32_t size = kRegistryBufferSize;
  const long result = registry.queryValue(handle, SubKeyRef, type, data, size);
  if (result != 0) {
    KeyVal.clear();
    registry.closeKey(handle);
    return false;
  }
  // An empty value is raised to the caller, after the key is closed like on
  // every other path.
  if (size == 0) {
    KeyVal.clear();
    registry.closeKey(handle);
    throw EmptyRegistryValue(SubKeyRef);
  }
  data.resize(std::max(data.size(), kRegistryBufferSize), '\0');
  std::size_t kept = std::min<std::size_t>(size, data.size());
  if (data[kept - 1] == '\0') --kept;  // the terminating NUL of a text value

  if (type == kRegistryText) {
    KeyVal.assign(data.data(), kept);
  } else if (type == kRegistryDword) {
    KeyVal = dwordText(data);
  }
  registry.closeKey(handle);
  return true;
}

namespace {

// The tool's path from the registry, or empty text when there is none. An
// error raised by a read passes through to StartSysInfo.
std::string toolPath(Registry& registry, Desktop& desktop) {
  std::string path;
  if (GetKeyValue(registry, kHkeyLocalMachine, kToolKey, kToolValue, path)) return path;
  std::string folder;
  if (!GetKeyValue(registry, kHkeyLocalMachine, kToolFolderKey, kToolFolderValue, folder)) {
    return {};
  }
  path = folder + kToolFile;
  return desktop.fileExists(path) ? path : std::string();
}

}  // namespace

void StartSysInfo(Registry& registry, Desktop& desktop) {
  bool started = false;
  try {
    const std::string path = toolPath(registry, desktop);
    started = !path.empty() && desktop.startProgram(path);
  } catch (const std::exception&) {
    started = false;
  }
  if (!started) desktop.showMessage(kSysInfoUnavailable);
}

long NoRegistry::openKey(std::uint32_t, const std::string&, std::uint32_t, RegistryHandle&) {
  return kFileNotFound;
}

long NoRegistry::queryValue(RegistryHandle, const std::string&, std::uint32_t&, std::vector<char>&,
                            std::uint32_t&) {
  return kFileNotFound;
}

}  // namespace vardel
