#pragma once

#include <optional>
#include <string>
#include <string_view>

// A department file carried in a link's fragment, the part of the address
// after "#" that a browser never sends to a server: "department=" and the
// file's text in base64url (RFC 4648, without padding). A crew member sent
// the link in a message opens it and is offered the import.
namespace vardel::file_link {

inline constexpr std::string_view kPrefix = "department=";

// The fragment, without its "#", that carries `file`.
std::string fragmentOf(std::string_view file);

// Whether a fragment (with or without its "#") carries a department file.
bool carriesFile(std::string_view fragment);

struct Opened {
  std::optional<std::string> file;
  std::string problem;  // says why, when the fragment carries no whole file
};
// The file a fragment carries, or why it carries none.
Opened fileOf(std::string_view fragment);

}  // namespace vardel::file_link
