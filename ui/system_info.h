#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// Finding and starting the operating system's system-information tool through
// the system registry, for the About box. Plain C++ over small interfaces, so
// that the algorithm is tested with a fake registry; on a system without a
// registry every read fails and the user is told the tool is unavailable.
namespace vardel {

using RegistryHandle = std::uintptr_t;

inline constexpr std::uint32_t kHkeyLocalMachine = 0x80000002u;
inline constexpr std::uint32_t kKeyAllAccess = 0x2003Fu;
inline constexpr std::uint32_t kRegistryText = 1;   // a string value
inline constexpr std::uint32_t kRegistryDword = 4;  // a 32-bit little-endian number
inline constexpr std::size_t kRegistryBufferSize = 1024;

// The three registry operations the About box uses. Results are 0 on success.
class Registry {
 public:
  virtual ~Registry() = default;
  virtual long openKey(std::uint32_t root, const std::string& keyName, std::uint32_t access,
                       RegistryHandle& handle) = 0;
  // Fills data (kRegistryBufferSize bytes, NUL on entry) and sets the value's
  // type and the number of bytes written.
  virtual long queryValue(RegistryHandle handle, const std::string& valueName, std::uint32_t& type,
                          std::vector<char>& data, std::uint32_t& size) = 0;
  virtual void closeKey(RegistryHandle handle) = 0;
};

// What starting the tool needs besides the registry.
class Desktop {
 public:
  virtual ~Desktop() = default;
  virtual bool fileExists(const std::string& path) = 0;
  // Starts a program in a normal window with the focus; false when it fails.
  virtual bool startProgram(const std::string& path) = 0;
  // A message with an OK button only, under the program's title.
  virtual void showMessage(const std::string& text) = 0;
};

// Raised by GetKeyValue for a value that exists but holds no bytes at all: it
// has no text to trim and no number to read, so it is neither a read nor a
// missing value.
class EmptyRegistryValue : public std::runtime_error {
 public:
  explicit EmptyRegistryValue(const std::string& valueName)
      : std::runtime_error("registry value of zero length: " + valueName) {}
};

// Reads one registry value as text. Returns false, with KeyVal empty, when the
// key or the value cannot be read. A text value loses one terminating NUL; a
// 32-bit number becomes its decimal text; a value of any other type leaves
// KeyVal as it was and still returns true. A value of zero length raises
// EmptyRegistryValue, with KeyVal empty and the key closed.
bool GetKeyValue(Registry& registry, std::uint32_t KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal);

// Starts the system-information tool, or tells the user that it is not there.
// Every error on the way, an empty registry value included, ends in the one
// unavailability message; none escapes to the caller.
void StartSysInfo(Registry& registry, Desktop& desktop);

// The registry of a system that has none: every key fails to open.
class NoRegistry : public Registry {
 public:
  long openKey(std::uint32_t, const std::string&, std::uint32_t, RegistryHandle&) override;
  long queryValue(RegistryHandle, const std::string&, std::uint32_t&, std::vector<char>&,
                  std::uint32_t&) override;
  void closeKey(RegistryHandle) override {}
};

inline constexpr const char* kSysInfoUnavailable = "System Information Is Unavailable At This Time";

}  // namespace vardel
