#pragma once

#include <filesystem>
#include <optional>
#include <string>

// A file read or written whole, on the desktop.
namespace vardel::app {

// The file's text; nothing when there is no such file, or when it could not
// be read, and then `problem` names the file and says why. More than a
// department file holds is not read: its reader refuses it as larger.
std::optional<std::string> readWholeFile(const std::filesystem::path& file, std::string* problem);

// Replaces `file` with `text` whole: a new file is written beside it in its
// folder (made where it is missing), flushed to the disk and renamed over
// it, so that a crash or a full disk leaves the old file whole.
bool replaceWholeFile(const std::filesystem::path& file, const std::string& text,
                      std::string* problem);

// Flushes a folder to the disk, so that a rename or a removal in it is kept.
void syncFolder(const std::filesystem::path& folder);

// Writes `text` to a new file, flushed to the disk. False when it could not:
// `exists` when a file of that name is there already, else `problem` says why.
bool writeNewFile(const std::filesystem::path& file, const std::string& text, std::string* problem,
                  bool* exists);

}  // namespace vardel::app
