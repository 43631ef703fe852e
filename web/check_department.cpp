// Reads a department file as the engine reads it, and says why it is
// refused. The site's build runs it under node on the file it puts beside
// the page, so that a bad file stops the build with the reader's own words.
//
//   node check-department.cjs FILE

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "department/department_file.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fputs("usage: check-department FILE\n", stderr);
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "%s: the file cannot be read\n", argv[1]);
    return 1;
  }
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const vardel::department_file::Read read = vardel::department_file::read(text);
  if (!read.values) {
    std::fprintf(stderr, "%s: %s\n", argv[1], read.problem.c_str());
    return 1;
  }
  std::printf("%s: the department values of %s%s\n", argv[1], read.values->name.c_str(),
              read.values->issued.empty() ? "" : (", issued " + read.values->issued).c_str());
  return 0;
}
