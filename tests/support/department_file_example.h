#pragma once

#include <fstream>
#include <sstream>
#include <string>

// The example of docs/department-file.md, read from the document itself,
// for the tests whose build names the folder of docs/ as VARDEL_DOCS_DIR.
namespace vardel::testing {

inline const std::string kDocumentedFile = [] {
  std::ifstream in(VARDEL_DOCS_DIR "/department-file.md");
  std::stringstream document;
  document << in.rdbuf();
  const std::string text = document.str();
  const std::size_t start = text.find("```json\n") + 8;
  return text.substr(start, text.find("```", start) - start);
}();

}  // namespace vardel::testing
