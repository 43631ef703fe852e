#pragma once

#include <QMainWindow>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/calculator.h"
#include "core/key.h"
#include "core/panel.h"

class QAction;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

#include "panel/menus.h"

namespace vardel {
class DepartmentStore;
namespace panel {
class Desks;
}  // namespace panel
}  // namespace vardel

namespace vardel::ui {

class Announcer;
class PanelKey;
class PracticeStrip;

// The main window: the calculator panel built from the design's rows, and the
// panel on which the calculator's actions raise their events. It owns the
// calculator for the whole run; every key's click runs press() with the key
// it stands for, and after each action the window draws the state once.
// Given a department store, it has a Department menu before Help, reads
// the store as it opens and again whenever it becomes the active window
// (another window may have saved); without one it is exactly the design.
// Every menu command goes to the one dispatcher, panel::Desks: the
// display's menu and its shortcuts too (F2 the review, F3 the working).
class frmVardel : public QMainWindow, public Panel {
  Q_OBJECT

 public:
  explicit frmVardel(DepartmentStore* department = nullptr, QWidget* parent = nullptr);
  ~frmVardel() override;

  Calculator& calculator() { return calculator_; }
  const Calculator& calculator() const { return calculator_; }

  // The button of a key of the panel, or nullptr for a key without one.
  QPushButton* keyButton(Key key) const;
  // Runs one key's action, then draws what it left in the state: what a
  // click on the key does.
  void act(Key key);

  // Runs a menu command (panel/desks.h), draws what it left, does what it
  // asks (the About box, a file to choose) and shows the box it opened: what
  // choosing a menu's item does.
  void runCommand(panel::Command command);

  // Whether cmdEnter is the default key, the one the keyboard's Enter presses.
  bool enterIsDefault() const { return calculator_.enterIsDefault; }

  // Panel.
  void focusEnter() override;
  void showMessage(const std::string& text, const std::string& title) override;
  void closeWindow() override;

 protected:
  // Every key press of the window passes through here before the control
  // with the focus sees it (the window's key preview).
  bool eventFilter(QObject* watched, QEvent* event) override;
  // The window's key handler. Returns true when the press is used up and the
  // focused control must not see it: Enter, the printable characters but the
  // blank, the menus' shortcuts (F2, F3) and Ctrl+C are used up; every other
  // key goes on as usual.
  virtual bool previewKeyPress(QKeyEvent* event);
  void changeEvent(QEvent* event) override;

 private:
  void buildPanel();
  void buildMenu();
  void buildDisplayMenu();
  // Tells a refusal in a message box; nothing for an empty text.
  void tell(const std::string& problem);
  // Once the events at hand are done: tells the text, then, with
  // `runOpened`, runs the box that the desks have just opened (a newer
  // issue's).
  void tellLater(const std::string& text, bool runOpened);
  // Shows what the state holds: the display (a new text is spoken, with
  // the mark of a result made with department values), the mark, the
  // indicator, the enabled keys, the default key and the title. Runs once
  // per action.
  void draw();
  // Whether a key press delivered to `watched` is typed at this window: one
  // of its own controls, while it is the active window and no modal window,
  // popup menu or keyboard-driven menu bar takes the keyboard.
  bool typedAtPanel(QObject* watched) const;
  // Ctrl+C: what the display's text copies as, to the clipboard.
  void copyDisplay() const;
  // The practice strip below the panel, shown (and the window grown by its
  // height) while practice is on; its new texts are heard.
  void drawPractice();

  Calculator calculator_;
  std::unique_ptr<panel::Desks> desks_;
  QWidget* panel_ = nullptr;
  QLabel* text1_ = nullptr;
  QLabel* lblMark_ = nullptr;
  QLineEdit* txtEorM_ = nullptr;
  Announcer* announcer_ = nullptr;
  QMenu* mnuDisplay_ = nullptr;
  PanelKey* cmdEnter_ = nullptr;
  PracticeStrip* strip_ = nullptr;
  std::vector<std::pair<Key, PanelKey*>> keys_;
  // What the window last drew, so that draw() changes only what changed.
  std::uint32_t drawnDisplayShows_ = 0;
  bool drawnKeysEnabled_ = false;
};

}  // namespace vardel::ui
