#include "ui/panel_window.h"

#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>

#include "calc/press.h"
#include "core/power_keys.h"
#include "ui/about_box.h"
#include "ui/controls.h"
#include "ui/panel_layout.h"
#include "ui/panel_widgets.h"

namespace vardel::ui {
namespace {

// The character code that a key press types at the panel, or nothing.
// Return and the keypad's Enter are code 13; every other key counts by the
// character it types, so the numeric keypad works like the main keyboard.
// Printable characters but the blank go to the window's character handler,
// which acts on the calculator's and ignores the rest: no key of the panel
// takes a character, while the blank presses the focused key. Chords with
// Ctrl, Alt or Meta type nothing here: they belong to the menu's access keys
// and to copying (Alt+C is not "c").
std::optional<std::int16_t> typedCode(const QKeyEvent& event) {
  constexpr Qt::KeyboardModifiers chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
  if (event.modifiers() & chords) return std::nullopt;
  if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) return 13;
  const QString text = event.text();
  if (text.size() != 1) return std::nullopt;
  const char16_t ch = text.front().unicode();
  // Only plain ASCII can be a calculator character; a wider code must not
  // alias one when narrowed.
  if (ch <= u' ' || ch >= 0x7F) return std::nullopt;
  return static_cast<std::int16_t>(ch);
}

}  // namespace

frmVardel::frmVardel(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      calculator_(*this) {
  setObjectName("frmVardel");
  setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));
  buildMenu();
  buildPanel();
  Form_Load(calculator_);

  // The client area as designed, below the menu bar. The panel keeps its
  // controls in place when the window grows and clips them when it shrinks.
  layout()->activate();
  const QSize client(toPixels(kClientWidthTwips), toPixels(kClientHeightTwips));
  resize(client.width(), client.height() + menuBar()->sizeHint().height());
  layout()->activate();
  resize(size() + client - panel_->size());

  // The first key in the tab order has the focus when the window opens.
  if (QPushButton* first = keyButton(Key{KeyKind::EnginePressure})) first->setFocus();
}

frmVardel::~frmVardel() = default;

void frmVardel::buildMenu() {
  QMenu* help = menuBar()->addMenu(qs(kHelpMenuCaption));
  help->setObjectName(qs(kHelpMenuName));
  QAction* about = help->addAction(qs(kAboutItemCaption));
  about->setObjectName(qs(kAboutItemName));
  connect(about, &QAction::triggered, this, &frmVardel::mnuAbout_Click);
}

void frmVardel::buildPanel() {
  panel_ = new QWidget(this);
  panel_->setObjectName("panel");
  panel_->setFont(windowFont());
  setCentralWidget(panel_);
  panel_->installEventFilter(this);
  installEventFilter(this);

  std::map<std::string_view, QWidget*> frames;
  std::vector<std::pair<int, QWidget*>> tabStops;
  for (const Control& row : panelControls()) {
    QWidget* parent = row.parent.empty() ? panel_ : frames.at(row.parent);
    QWidget* widget = nullptr;
    QRect geometry = pixelRect(row.at);
    switch (row.kind) {
      case Kind::Key: {
        PanelKey* key = makeKey(row, parent);
        keys_.emplace_back(*row.key, key);
        if (row.key->kind == KeyKind::Digit) {
          command1_.at(static_cast<std::size_t>(row.key->index)) = key;
        }
        if (row.key->kind == KeyKind::Enter) cmdEnter_ = key;
        if (key->focusPolicy() != Qt::NoFocus) tabStops.emplace_back(row.tab, key);
        key->installEventFilter(this);
        widget = key;
        break;
      }
      case Kind::Label:
        widget = makeLabel(row, parent);
        if (row.name == "text1") text1_ = static_cast<QLabel*>(widget);
        break;
      case Kind::TextBox:
        txtEorM_ = makeTextBox(row, parent);
        widget = txtEorM_;
        break;
      case Kind::Frame:
        widget = makeFrame(parent);
        frames[row.name] = widget;
        break;
      case Kind::Image:
        widget = new StretchedImage(QStringLiteral(":/pictures/brand.gif"), parent);
        break;
      case Kind::Line:
        widget = makeLine(parent);
        geometry = pixelRect(row.line);
        break;
    }
    widget->setObjectName(qs(row.name));
    widget->setGeometry(geometry);
    if (!row.font.face.empty()) widget->setFont(fontOf(row.font));
    widget->setEnabled(row.enabled);
    widget->setHidden(!row.visible);
    if (!row.accessibleName.empty()) widget->setAccessibleName(qs(row.accessibleName));
  }
  // The indicator is a window of its own in front of the display.
  txtEorM_->raise();

  for (const auto& [key, button] : keys_) {
    connect(button, &QPushButton::clicked, this, [this, key = key] { press(calculator_, key); });
  }

  std::stable_sort(tabStops.begin(), tabStops.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < tabStops.size(); ++i) {
    QWidget::setTabOrder(tabStops[i - 1].second, tabStops[i].second);
  }
}

QPushButton* frmVardel::keyButton(Key key) const {
  for (const auto& [k, button] : keys_) {
    if (k == key) return button;
  }
  return nullptr;
}

void frmVardel::setDisplayText(const std::string& text) {
  text1_->setText(QString::fromStdString(text));
}

void frmVardel::setIndicatorText(const std::string& text) {
  txtEorM_->setText(QString::fromStdString(text));
}

void frmVardel::enableKey(Key key) {
  if (QPushButton* button = keyButton(key)) button->setEnabled(true);
}

void frmVardel::makeEnterDefault() {
  // QPushButton acts on its default flag only inside a dialog: the flag
  // draws the key as the default, and the window's key handler routes the
  // keyboard's Enter to it.
  enterIsDefault_ = true;
  cmdEnter_->setDefault(true);
}

void frmVardel::focusEnter() { cmdEnter_->setFocus(Qt::OtherFocusReason); }

std::string frmVardel::digitCaption(int index) const {
  return command1_.at(static_cast<std::size_t>(index))->text().toStdString();
}

void frmVardel::showMessage(const std::string& text, const std::string& title) {
  showMessageBox(this, text, title);
}

void frmVardel::closeWindow() { close(); }

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
  std::optional<std::int16_t> code = typedCode(*event);
  if (!code) return false;
  // Used up, Enter too: the keyboard's Enter runs the Enter key's action
  // here once, and no focused key may click on it as well.
  Form_KeyPress(calculator_, *code);
  return true;
}

void frmVardel::copyDisplay() const {
  QString text = text1_->text();
  if (text.startsWith(u' ')) text.remove(0, 1);
  QGuiApplication::clipboard()->setText(text);
}

void frmVardel::mnuAbout_Click() { showAboutBox(this); }

}  // namespace vardel::ui
