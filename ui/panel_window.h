#pragma once

#include <QMainWindow>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "core/calculator.h"
#include "core/key.h"
#include "core/panel.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vardel::ui {

class PanelKey;

// The main window: the calculator panel built from the layout table, and the
// panel that the calculator's actions drive. It owns the calculator for the
// whole run; every key's click runs press() with the key it stands for.
class frmVardel : public QMainWindow, public Panel {
  Q_OBJECT

 public:
  explicit frmVardel(QWidget* parent = nullptr);
  ~frmVardel() override;

  Calculator& calculator() { return calculator_; }
  const Calculator& calculator() const { return calculator_; }

  // The button of a key of the panel, or nullptr for a key without one.
  QPushButton* keyButton(Key key) const;
  // Whether cmdEnter is the default key, the one the keyboard's Enter presses.
  bool enterIsDefault() const { return enterIsDefault_; }

  // Panel.
  void setDisplayText(const std::string& text) override;
  void setIndicatorText(const std::string& text) override;
  void enableKey(Key key) override;
  void makeEnterDefault() override;
  void focusEnter() override;
  std::string digitCaption(int index) const override;
  void showMessage(const std::string& text, const std::string& title) override;
  void closeWindow() override;

 protected:
  // Every key press of the window passes through here before the control
  // with the focus sees it (the window's key preview).
  bool eventFilter(QObject* watched, QEvent* event) override;
  // The window's key handler. Returns true when the press is used up and the
  // focused control must not see it: Enter, the printable characters but the
  // blank, and Ctrl+C are used up; every other key goes on as usual.
  virtual bool previewKeyPress(QKeyEvent* event);

 private:
  void buildPanel();
  void buildMenu();
  void setDesignedTabOrder();
  void mnuAbout_Click();
  // Whether a key press delivered to `watched` is typed at this window: one
  // of its own controls, while it is the active window and no modal window,
  // popup menu or keyboard-driven menu bar takes the keyboard.
  bool typedAtPanel(QObject* watched) const;
  // Ctrl+C: the display's text, without its leading blank, to the clipboard.
  void copyDisplay() const;

  Calculator calculator_;
  QWidget* panel_ = nullptr;
  QLabel* text1_ = nullptr;
  QLineEdit* txtEorM_ = nullptr;
  PanelKey* cmdEnter_ = nullptr;
  std::array<PanelKey*, 11> command1_{};  // the digit keys and the point, by index
  std::vector<std::pair<Key, PanelKey*>> keys_;
  bool enterIsDefault_ = false;
};

}  // namespace vardel::ui
