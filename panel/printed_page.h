#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vardel::panel {

struct FileChoice;

// The paper a page is printed on.
enum class Paper : std::uint8_t { A4, Letter };

// The paper's name, as a list offers it and as the page's style names its size.
constexpr std::string_view paperName(Paper paper) {
  return paper == Paper::Letter ? "Letter" : "A4";
}

// The paper of a locale's region ("en_US.UTF-8", "en-US", "zh-Hant-TW"):
// Letter where the region uses the US paper sizes, else A4.
Paper paperOf(std::string_view locale);

// What a box prints on one page: its heading, line by line, the first line
// its title; then its grid, the cells row by row, the first row (and in a
// grid of figures the first column) headings, the marked cells shaded. The
// pages that follow it, if any, are lines alone, each page's first line its
// title.
struct PrintedPage {
  std::vector<std::string> heading;
  std::vector<std::string> cells;
  std::size_t columns = 0;
  // 0: a grid of figures in cells of one width, the first column the rows'
  // headings (a chart). Else each column is as wide as its longest text and
  // the first `textColumns` hold words, set left (a card).
  std::size_t textColumns = 0;
  std::vector<int> marked;
  Paper paper = Paper::A4;
  const FileChoice* pdf = nullptr;  // the file it is saved in as a PDF
  std::vector<std::vector<std::string>> following{};
};

}  // namespace vardel::panel
