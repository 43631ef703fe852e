#include "ui/system_info.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace vardel {
namespace {

// An in-memory registry: keys hold values of a type and raw bytes.
class FakeRegistry : public Registry {
 public:
  struct Value {
    std::uint32_t type;
    std::string bytes;
  };

  long openKey(std::uint32_t root, const std::string& keyName, std::uint32_t access,
               RegistryHandle& handle) override {
    lastAccess = access;
    const auto key = keys.find({root, keyName});
    if (key == keys.end()) return 2;
    handle = nextHandle++;
    openHandles[handle] = keyName;
    return 0;
  }
  long queryValue(RegistryHandle handle, const std::string& valueName, std::uint32_t& type,
                  std::vector<char>& data, std::uint32_t& size) override {
    EXPECT_EQ(size, kRegistryBufferSize);
    EXPECT_EQ(data, std::vector<char>(kRegistryBufferSize, '\0'));
    const auto& values = keys.at({kHkeyLocalMachine, openHandles.at(handle)});
    const auto value = values.find(valueName);
    if (value == values.end()) return 2;
    type = value->second.type;
    std::memcpy(data.data(), value->second.bytes.data(), value->second.bytes.size());
    size = static_cast<std::uint32_t>(value->second.bytes.size());
    return 0;
  }
  void closeKey(RegistryHandle handle) override { openHandles.erase(handle); }

  void set(const std::string& key, const std::string& name, Value value) {
    keys[{kHkeyLocalMachine, key}][name] = std::move(value);
  }

  std::map<std::pair<std::uint32_t, std::string>, std::map<std::string, Value>> keys;
  std::map<RegistryHandle, std::string> openHandles;
  RegistryHandle nextHandle = 1;
  std::uint32_t lastAccess = 0;
};

class FakeDesktop : public Desktop {
 public:
  bool fileExists(const std::string& path) override { return files.count(path) > 0; }
  bool startProgram(const std::string& path) override {
    started.push_back(path);
    return startWorks;
  }
  void showMessage(const std::string& text) override { messages.push_back(text); }

  std::set<std::string> files;
  std::vector<std::string> started;
  std::vector<std::string> messages;
  bool startWorks = true;
};

const std::string kKey = "SOFTWARE\\Test\\Key";

class KeyValue : public ::testing::Test {
 protected:
  // Reads the value, checking that the key is left closed.
  bool read(const std::string& name, std::string& value) {
    const bool ok = GetKeyValue(registry, kHkeyLocalMachine, kKey, name, value);
    EXPECT_TRUE(registry.openHandles.empty()) << "a registry key was left open";
    return ok;
  }
  FakeRegistry registry;
};

TEST_F(KeyValue, MissingKeyOrValueFailsWithEmptyText) {
  std::string value = "before";
  EXPECT_FALSE(read("Anything", value));
  EXPECT_EQ(value, "");

  registry.set(kKey, "Other", {kRegistryText, std::string("x\0", 2)});
  value = "before";
  EXPECT_FALSE(read("Missing", value));
  EXPECT_EQ(value, "");
  EXPECT_EQ(registry.lastAccess, kKeyAllAccess);
}

TEST_F(KeyValue, TextLosesExactlyOneTerminatingNul) {
  registry.set(kKey, "WithNul", {kRegistryText, std::string("C:\\Tools\0", 9)});
  registry.set(kKey, "WithoutNul", {kRegistryText, "C:\\Tools"});
  registry.set(kKey, "TwoNuls", {kRegistryText, std::string("ab\0\0", 4)});
  std::string value;
  EXPECT_TRUE(read("WithNul", value));
  EXPECT_EQ(value, "C:\\Tools");
  EXPECT_TRUE(read("WithoutNul", value));
  EXPECT_EQ(value, "C:\\Tools");
  EXPECT_TRUE(read("TwoNuls", value));
  EXPECT_EQ(value, std::string("ab\0", 3));
}

TEST_F(KeyValue, NumbersAreSignedLittleEndian) {
  registry.set(kKey, "One", {kRegistryDword, std::string("\x01\x00\x00\x00", 4)});
  registry.set(kKey, "Big", {kRegistryDword, std::string("\x78\x56\x34\x12", 4)});
  registry.set(kKey, "MinusOne", {kRegistryDword, std::string("\xff\xff\xff\xff", 4)});
  registry.set(kKey, "Lowest", {kRegistryDword, std::string("\x00\x00\x00\x80", 4)});
  std::string value;
  EXPECT_TRUE(read("One", value));
  EXPECT_EQ(value, "1");
  EXPECT_TRUE(read("Big", value));
  EXPECT_EQ(value, "305419896");
  EXPECT_TRUE(read("MinusOne", value));
  EXPECT_EQ(value, "-1");
  EXPECT_TRUE(read("Lowest", value));
  EXPECT_EQ(value, "-2147483648");
}

TEST_F(KeyValue, OtherTypesSucceedAndKeepTheGivenText) {
  registry.set(kKey, "Binary", {3, std::string("\x01\x02", 2)});
  std::string value = "kept";
  EXPECT_TRUE(read("Binary", value));
  EXPECT_EQ(value, "kept");
}

TEST_F(KeyValue, AnEmptyValueIsRaisedWithTheKeyClosed) {
  registry.set(kKey, "Empty", {kRegistryText, ""});
  std::string value = "before";
  EXPECT_THROW(read("Empty", value), EmptyRegistryValue);
  EXPECT_TRUE(registry.openHandles.empty()) << "a registry key was left open";
  EXPECT_EQ(value, "");
}

TEST(SystemInfo, StartsThePathReadWithoutCheckingTheFile) {
  FakeRegistry registry;
  FakeDesktop desktop;
  registry.set("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
               {kRegistryText, std::string("C:\\Info\\tool.exe\0", 17)});
  StartSysInfo(registry, desktop);
  EXPECT_EQ(desktop.started, std::vector<std::string>{"C:\\Info\\tool.exe"});
  EXPECT_TRUE(desktop.messages.empty());

  desktop.startWorks = false;
  StartSysInfo(registry, desktop);
  EXPECT_EQ(desktop.messages, std::vector<std::string>{kSysInfoUnavailable});
}

TEST(SystemInfo, FallsBackToTheToolsFolder) {
  FakeRegistry registry;
  FakeDesktop desktop;
  registry.set("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
               {kRegistryText, std::string("C:\\Info\0", 8)});
  StartSysInfo(registry, desktop);  // no such file yet
  EXPECT_TRUE(desktop.started.empty());
  EXPECT_EQ(desktop.messages.size(), 1u);

  desktop.files.insert("C:\\Info\\MSINFO32.EXE");
  StartSysInfo(registry, desktop);
  EXPECT_EQ(desktop.started, std::vector<std::string>{"C:\\Info\\MSINFO32.EXE"});
  EXPECT_EQ(desktop.messages.size(), 1u);
}

// An empty value under either key is an error, not a missing value: the
// lookup stops there with the message, even where a later step would find a
// tool to start.
TEST(SystemInfo, AnEmptyValueMeansUnavailable) {
  const std::string toolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
  const std::string folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
  for (const bool emptyPath : {true, false}) {
    FakeRegistry registry;
    FakeDesktop desktop;
    if (emptyPath) registry.set(toolKey, "PATH", {kRegistryText, ""});
    registry.set(folderKey, "MSINFO",
                 {kRegistryText, emptyPath ? std::string("C:\\Info\0", 8) : std::string()});
    desktop.files.insert("C:\\Info\\MSINFO32.EXE");
    StartSysInfo(registry, desktop);
    EXPECT_TRUE(desktop.started.empty()) << "empty PATH: " << emptyPath;
    EXPECT_EQ(desktop.messages, std::vector<std::string>{kSysInfoUnavailable});
    EXPECT_TRUE(registry.openHandles.empty()) << "a registry key was left open";
  }
}

TEST(SystemInfo, WithoutARegistryTheToolIsUnavailable) {
  NoRegistry registry;
  FakeDesktop desktop;
  std::string value = "x";
  EXPECT_FALSE(GetKeyValue(registry, kHkeyLocalMachine, kKey, "PATH", value));
  EXPECT_EQ(value, "");
  StartSysInfo(registry, desktop);
  EXPECT_EQ(desktop.messages, std::vector<std::string>{kSysInfoUnavailable});
  EXPECT_TRUE(desktop.started.empty());
}

}  // namespace
}  // namespace vardel
