#pragma once

#include <cstddef>
#include <string_view>

#include "department/department_file.h"
#include "panel/menus.h"

namespace vardel::panel {

// A file a command asks the front end to choose, in the toolkit's file box
// or the browser's: one to read (Import) or one to write (Export).
struct FileChoice {
  std::string_view title;    // the file box's title
  std::string_view name;     // the name offered for a file to write
  std::string_view kind;     // what the files are called, "Department files"
  std::string_view pattern;  // their names, "*.json"
  std::string_view type;     // their media type, for the browser
  bool anyFile = false;      // the box offers every file too
  // Bytes read at most: one beyond the largest file the reader takes, so
  // that a larger one is refused as larger.
  std::size_t readAtMost = 0;
};

inline constexpr FileChoice kImportFile{
    "Import department values", "",   "Department files",           "*.json",
    "application/json",         true, department_file::kLargest + 1};
inline constexpr FileChoice kExportFile{"Export department values", "department.json",
                                        "Department files", "*.json", "application/json"};

inline constexpr FileChoice kChartPdfFile{"Save the pump chart as PDF", "pump-chart.pdf", "PDF",
                                          "*.pdf", "application/pdf"};
inline constexpr FileChoice kCardPdfFile{"Save the pump panel card as PDF", "pump-panel-card.pdf",
                                         "PDF", "*.pdf", "application/pdf"};

inline constexpr FileChoice kWorksheetPdfFile{"Save the practice worksheet as PDF",
                                              "practice-worksheet.pdf", "PDF", "*.pdf",
                                              "application/pdf"};

// The file a command asks for, or none.
constexpr const FileChoice* fileOf(Command command) {
  if (command == Command::Import) return &kImportFile;
  if (command == Command::Export) return &kExportFile;
  return nullptr;
}

}  // namespace vardel::panel
