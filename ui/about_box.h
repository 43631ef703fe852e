#pragma once

#include <QDialog>

class QLabel;
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
  void buildControls();
  // Fills the title, the title label and the version label from the
  // program's own title and version.
  void Form_Load();

  QLabel* lblTitle_ = nullptr;
  QLabel* lblVersion_ = nullptr;
  QPushButton* cmdOK_ = nullptr;
};

// Opens a new About box modally over `owner` and returns when it is closed;
// the box is gone by then.
void showAboutBox(QWidget* owner);

}  // namespace vardel::ui
