#pragma once

#include <fstream>
#include <sstream>
#include <string>

// The examples of docs/department-file.md, read from the document itself,
// for the tests whose build names the folder of docs/ as VARDEL_DOCS_DIR:
// the first of the file's present version, the second of version 1.
namespace vardel::testing {

inline std::string documentedFile(int which) {
  std::ifstream in(VARDEL_DOCS_DIR "/department-file.md");
  std::stringstream document;
  document << in.rdbuf();
  const std::string text = document.str();
  std::size_t start = 0;
  for (int i = 0; i <= which; ++i) start = text.find("```json\n", start) + 8;
  return text.substr(start, text.find("```", start) - start);
}

inline const std::string kDocumentedFile = documentedFile(0);

}  // namespace vardel::testing
