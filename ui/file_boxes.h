#pragma once

#include <QString>
#include <optional>
#include <string>

#include "panel/file_choice.h"

class QWidget;

// The toolkit's file boxes for the files a command or a box asks for
// (panel/file_choice.h): what they hold is the desks' business.
namespace vardel::ui {

// The file chosen to read, read whole up to the choice's limit; nothing
// when the user chose none or it could not be read (`problem` says why).
std::optional<std::string> readChosenFile(QWidget* owner, const panel::FileChoice& choice,
                                          std::string* problem);

// The path chosen to write to, under the name offered in the home folder;
// nothing when the user chose none.
std::optional<QString> chooseFileToWrite(QWidget* owner, const panel::FileChoice& choice);

// Writes `text` to a file chosen, replacing it whole; returns why it could
// not, or an empty text (also when the user chose none).
std::string writeChosenFile(QWidget* owner, const panel::FileChoice& choice,
                            const std::string& text);

}  // namespace vardel::ui
