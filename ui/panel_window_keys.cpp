// The main window's keyboard: its key preview, which hands typed
// characters to the calculator's character handler, runs the display
// menu's shortcuts and copies the display, wherever the focus is.
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <optional>

#include "core/keyboard.h"
#include "panel/desks.h"
#include "ui/controls.h"
#include "ui/panel_window.h"

namespace vardel::ui {
namespace {

// The character code that a key press types at the panel, or nothing.
// Return and the keypad's Enter are code 13; every other key counts by the
// character it types, so the numeric keypad works like the main keyboard.
// Chords with Ctrl, Alt or Meta type nothing here: they belong to the menu's
// access keys and to copying (Alt+C is not "c").
std::optional<int> typedCode(const QKeyEvent& event) {
  constexpr Qt::KeyboardModifiers chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
  if (event.modifiers() & chords) return std::nullopt;
  if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) return 13;
  const QString text = event.text();
  if (text.size() != 1) return std::nullopt;
  return text.front().unicode();
}

}  // namespace

bool frmVardel::typedAtPanel(QObject* watched) const {
  if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != this) return false;
  if (!isActiveWindow()) return false;
  if (QApplication::activeModalWidget() != nullptr ||
      QApplication::activePopupWidget() != nullptr) {
    return false;
  }
  // After a lone Alt the menu bar holds the focus and takes the keys itself.
  const QWidget* focus = QApplication::focusWidget();
  return focus == nullptr || (focus != menuBar() && !menuBar()->isAncestorOf(focus));
}

bool frmVardel::eventFilter(QObject* watched, QEvent* event) {
  // A key press that the focused control leaves alone travels on to its
  // parents, through this filter again; the presses used up below stop at the
  // first control, so each typed character acts once.
  if (event->type() == QEvent::KeyPress && typedAtPanel(watched) &&
      previewKeyPress(static_cast<QKeyEvent*>(event))) {
    event->accept();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

bool frmVardel::previewKeyPress(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    copyDisplay();
    return true;
  }
  // The display menu's shortcuts: F2 reviews the inputs of the result
  // shown, F3 shows its working; each does nothing elsewhere.
  const QKeySequence pressed(QKeyCombination(event->modifiers(), Qt::Key(event->key())));
  for (const panel::MenuItem& item : panel::displayMenu().items) {
    if (!item.shortcut.empty() && pressed == QKeySequence::fromString(qs(item.shortcut))) {
      runCommand(item.command);
      return true;
    }
  }
  const std::optional<int> code = typedCode(*event);
  if (!code || !takesCharacter(*code)) return false;
  // Used up, Enter too: the keyboard's Enter runs the Enter key's action
  // here once, and no focused key may click on it as well.
  desks_->type(static_cast<std::int16_t>(*code));
  draw();
  return true;
}

void frmVardel::copyDisplay() const {
  const std::string_view text = copiedText(calculator_.display());
  QGuiApplication::clipboard()->setText(
      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace vardel::ui
