#pragma once

#include <QDialog>

class QPushButton;

namespace vardel::ui {

// The About box: the program's title, version, a description and a warning
// line, closed by OK (the default and the cancel key, so Enter and Esc both
// close it). Made afresh for every opening, so its load step runs each time.
class frmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit frmAbout(QWidget* owner = nullptr);

  // Starts the system's information tool, or tells the user that it is not
  // available. Nothing on the box calls it.
  void StartSysInfo();

 private:
  // The controls as the design's rows give them; the title and version
  // labels name the program from its own title and version.
  void buildControls();
  // The window's title: "About " and the program's title.
  void Form_Load();

  QPushButton* cmdOK_ = nullptr;
};

// Opens a new About box modally over `owner` and returns when it is closed;
// the box is gone by then.
void showAboutBox(QWidget* owner);

}  // namespace vardel::ui
