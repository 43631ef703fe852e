#include "web/site_storage.h"

#include "web/engine.h"

// The page's side: web/panel_library.js.
extern "C" {
// The text kept under the site's storage key, copied into the engine's
// memory (the engine frees it), or null when none is kept.
char* vardel_storage_load();
// Keeps the text; 0 when the browser refused (storage full or switched off).
int vardel_storage_replace(const char* text);
// Keeps a refused text under a key of its own: the key, or null.
char* vardel_storage_keep_aside(const char* text);
}

namespace vardel::web {

std::optional<std::string> SiteStorage::load(std::string*) {
  char* text = vardel_storage_load();
  if (text == nullptr) return std::nullopt;
  return takenText(text);
}

bool SiteStorage::replace(const std::string& text, std::string* problem) {
  if (vardel_storage_replace(text.c_str()) != 0) return true;
  *problem = "the browser keeps nothing more for this site (its storage is full or switched off)";
  return false;
}

bool SiteStorage::keepAside(const std::string& text, std::string* note) {
  char* key = vardel_storage_keep_aside(text.c_str());
  if (key == nullptr) {
    *note = "the browser keeps nothing more for this site";
    return false;
  }
  *note = "the site's storage, as " + takenText(key);
  return true;
}

}  // namespace vardel::web
