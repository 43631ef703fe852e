#include "web/page_contract.h"

#include "web/json_text.h"

namespace vardel::web {

std::string fileJson(const panel::FileChoice& f) {
  std::string out;
  if (f.readAtMost > 0) {
    out += "\"accept\":" + quoted(std::string(f.pattern.substr(1)) + "," + std::string(f.type)) +
           ",\"readAtMost\":" + std::to_string(f.readAtMost);
  } else {
    out += "\"name\":" + quoted(f.name) + ",\"type\":" + quoted(f.type);
  }
  return "{" + out + "}";
}

namespace contract {

std::string json() {
  const auto ask = [](panel::Ask a) { return std::to_string(askCode(a)); };
  return "{\"draw\":{\"displayShown\":" + std::to_string(kDisplayShown) +
         ",\"functionKeysEnabled\":" + std::to_string(kFunctionKeysEnabled) +
         ",\"enterIsDefault\":" + std::to_string(kEnterIsDefault) +
         ",\"focusEnter\":" + std::to_string(kFocusEnter) + ",\"close\":" + std::to_string(kClose) +
         "}" + ",\"separators\":{\"record\":" + quoted(std::string(1, kRecord)) +
         ",\"unit\":" + quoted(std::string(1, kUnit)) +
         ",\"group\":" + quoted(std::string(1, kGroup)) + "}" +
         ",\"states\":{\"bitsPerCommand\":" + std::to_string(kBitsPerCommand) +
         ",\"enabled\":" + std::to_string(kEnabledBit) +
         ",\"checked\":" + std::to_string(kCheckedBit) + "}" +
         ",\"asks\":{\"nothing\":" + ask(panel::Ask::Nothing) +
         ",\"about\":" + ask(panel::Ask::About) + ",\"openFile\":" + ask(panel::Ask::OpenFile) +
         ",\"saveFile\":" + ask(panel::Ask::SaveFile) + "}" +
         ",\"storageKey\":" + quoted(kStorageKey) + ",\"issuedKey\":" + quoted(kIssuedKey) +
         ",\"issuedFile\":" + quoted(kIssuedFile) +
         ",\"fingerPixels\":" + std::to_string(kFingerPixels) + "}";
}

}  // namespace contract
}  // namespace vardel::web
