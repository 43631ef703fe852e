#include "web/site_storage.h"

#include "web/engine.h"
#include "web/page_contract.h"

// The page's side: web/panel_library.js. Each names the storage key.
extern "C" {
// The text kept under the key, copied into the engine's memory (the engine
// frees it), or null when none is kept.
char* vardel_storage_load(const char* key);
// Keeps the text; 0 when the browser refused (storage full or switched off).
int vardel_storage_replace(const char* key, const char* text);
// Keeps a refused text under a key of its own: the key, or null.
char* vardel_storage_keep_aside(const char* key, const char* text);
// Moves what the key holds to a key of its own: that key, or null.
char* vardel_storage_set_aside(const char* key);
}

namespace vardel::web {
namespace {

const std::string kOwn(contract::kStorageKey);
const std::string kIssued(contract::kIssuedKey);
const std::string kTold(contract::kToldKey);
constexpr std::string_view kFull =
    "the browser keeps nothing more for this site (its storage is full or switched off)";

std::optional<std::string> loaded(const std::string& key) {
  char* text = vardel_storage_load(key.c_str());
  if (text == nullptr) return std::nullopt;
  return takenText(text);
}

// Where a key's text went, as a message names it.
bool movedTo(char* key, std::string* note) {
  if (key == nullptr) {
    *note = kFull;
    return false;
  }
  *note = "the site's storage, as " + takenText(key);
  return true;
}

}  // namespace

std::optional<std::string> SiteStorage::load(std::string*) { return loaded(kOwn); }

bool SiteStorage::replace(const std::string& text, std::string* problem) {
  if (vardel_storage_replace(kOwn.c_str(), text.c_str()) != 0) return true;
  *problem = kFull;
  return false;
}

bool SiteStorage::keepAside(const std::string& text, std::string* note) {
  return movedTo(vardel_storage_keep_aside(kOwn.c_str(), text.c_str()), note);
}

bool SiteStorage::setAside(std::string* note) {
  return movedTo(vardel_storage_set_aside(kOwn.c_str()), note);
}

std::optional<std::string> SiteIssue::load(std::string*) { return loaded(kIssued); }

std::string SiteIssue::name() const { return "this site's " + std::string(contract::kIssuedFile); }

bool SiteIssue::keep(const std::string& text) {
  return vardel_storage_replace(kIssued.c_str(), text.c_str()) != 0;
}

std::string SiteIssue::note() { return loaded(kTold).value_or(""); }

void SiteIssue::keepNote(const std::string& note) {
  // A note the browser refuses only means telling the issue again.
  vardel_storage_replace(kTold.c_str(), note.c_str());
}

}  // namespace vardel::web
