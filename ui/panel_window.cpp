#include "ui/panel_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>

#include "calc/enter_sequence.h"
#include "calc/press.h"
#include "core/app_info.h"
#include "core/keyboard.h"
#include "core/power_keys.h"
#include "panel/department_desk.h"
#include "panel/main_window.h"
#include "panel/menus.h"
#include "panel/result_mark.h"
#include "panel/spoken_names.h"
#include "panel/window_title.h"
#include "panel/working_desk.h"
#include "ui/about_box.h"
#include "ui/announcer.h"
#include "ui/controls.h"
#include "ui/department_menu.h"
#include "ui/panel_widgets.h"
#include "ui/working_boxes.h"

namespace vardel::ui {
namespace {

using panel::Control;
using panel::Kind;

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

frmVardel::frmVardel(DepartmentStore* department, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      calculator_(*this) {
  setObjectName("frmVardel");
  // The title bar stays empty as designed; a screen reader still names the
  // window.
  setAccessibleName(QString::fromUtf8(app_info::kTitle));
  setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));
  announcer_ = new Announcer(this);
  std::string refused;
  if (department != nullptr) {
    desk_ = std::make_unique<panel::DepartmentDesk>(*department, calculator_);
    department_ = new DepartmentMenu(*desk_, this);
    connect(department_, &DepartmentMenu::changed, this, &frmVardel::draw);
    refused = desk_->start();
  }
  working_ = std::make_unique<panel::WorkingDesk>(
      calculator_, department, panel::paperOf(QLocale::system().name().toStdString()),
      [] { return QDate::currentDate().toString(Qt::ISODate).toStdString(); });
  workingBoxes_ = std::make_unique<WorkingBoxes>(*working_, this);
  if (department_ != nullptr) {
    connect(department_, &DepartmentMenu::chartChosen, this,
            [this] { workingBoxes_->open(panel::Command::PumpChart); });
  }
  buildMenu();
  buildPanel();
  Form_Load(calculator_);
  draw();
  // A kept file that was refused is told once the window shows; the
  // published figures stand and the file is left as it is.
  if (!refused.empty()) {
    QMetaObject::invokeMethod(
        this, [this, refused] { showMessage(refused, {}); }, Qt::QueuedConnection);
  }

  // The client area as designed, below the menu bar. The panel keeps its
  // controls in place when the window grows and clips them when it shrinks.
  layout()->activate();
  const QSize client(panel::toPixels(panel::kClientWidthTwips),
                     panel::toPixels(panel::kClientHeightTwips));
  resize(client.width(), client.height() + menuBar()->sizeHint().height());
  layout()->activate();
  resize(size() + client - panel_->size());

  // The first key in the tab order has the focus when the window opens.
  if (QPushButton* first = keyButton(Key{KeyKind::EnginePressure})) first->setFocus();
}

frmVardel::~frmVardel() = default;

void frmVardel::buildMenu() {
  if (department_ != nullptr) menuBar()->addMenu(department_->menu());
  const panel::Menu& design = panel::helpMenu();
  QMenu* help = menuBar()->addMenu(qs(design.caption));
  help->setObjectName(qs(design.name));
  for (const panel::MenuItem& item : design.items) {
    QAction* action = help->addAction(qs(item.caption));
    action->setObjectName(qs(item.name));
    connect(action, &QAction::triggered, this, &frmVardel::mnuAbout_Click);
  }
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
  for (const Control& row : panel::panelControls()) {
    QWidget* parent = row.parent.empty() ? panel_ : frames.at(row.parent);
    QWidget* widget = nullptr;
    QRect geometry = pixelRect(row.at);
    switch (row.kind) {
      case Kind::Key: {
        PanelKey* key = makeKey(row, parent);
        keys_.emplace_back(*row.key, key);
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
        widget = makeLine(row, parent);
        geometry = pixelRect(row.line, row.thickness);
        break;
      case Kind::Field:
      case Kind::List:
      case Kind::Text:
      case Kind::Grid:
        continue;  // the boxes' kinds; the panel has none
    }
    widget->setObjectName(qs(row.name));
    widget->setGeometry(geometry);
    if (!row.font.face.empty()) widget->setFont(fontOf(row.font));
    widget->setEnabled(row.enabled);
    widget->setHidden(!row.visible);
    if (!row.accessibleName.empty()) widget->setAccessibleName(qs(panel::spokenName(row)));
    if (!row.toolTip.empty()) widget->setToolTip(qs(row.toolTip));
  }
  // The indicator is a window of its own in front of the display, and so
  // is the mark beside a result.
  txtEorM_->raise();
  const Control& mark = panel::markControl();
  lblMark_ = makeLabel(mark, panel_);
  lblMark_->setObjectName(qs(mark.name));
  lblMark_->setGeometry(pixelRect(mark.at));
  lblMark_->setFont(fontOf(mark.font));
  lblMark_->setHidden(true);
  lblMark_->raise();

  for (const auto& [key, button] : keys_) {
    connect(button, &QPushButton::clicked, this, [this, key = key] { act(key); });
  }

  buildDisplayMenu();

  std::stable_sort(tabStops.begin(), tabStops.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < tabStops.size(); ++i) {
    QWidget::setTabOrder(tabStops[i - 1].second, tabStops[i].second);
  }
}

void frmVardel::buildDisplayMenu() {
  const panel::Menu& design = panel::displayMenu();
  mnuDisplay_ = new QMenu(this);
  mnuDisplay_->setObjectName(qs(design.name));
  for (const panel::MenuItem& item : design.items) {
    QAction* action = mnuDisplay_->addAction(qs(item.caption));
    action->setObjectName(qs(item.name));
    const panel::Command command = item.command;
    connect(action, &QAction::triggered, this, [this, command] {
      if (command == panel::Command::Review) {
        act(Key{KeyKind::Review});
      } else {
        workingBoxes_->open(command);
      }
    });
  }
  // Each item is offered only where its key (F2, F3) would act; the state
  // cannot change while the menu is open, so it is asked once, as the menu
  // opens.
  connect(mnuDisplay_, &QMenu::aboutToShow, this, [this] {
    const auto items = panel::displayMenu().items;
    const QList<QAction*> actions = mnuDisplay_->actions();
    for (qsizetype i = 0; i < actions.size(); ++i) {
      const panel::Command command = items[static_cast<std::size_t>(i)].command;
      actions[i]->setEnabled(command == panel::Command::Review ? canReview(calculator_.state)
                                                               : working_->enabled(command));
    }
  });
  text1_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(text1_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { mnuDisplay_->popup(text1_->mapToGlobal(at)); });
}

QPushButton* frmVardel::keyButton(Key key) const {
  for (const auto& [k, button] : keys_) {
    if (k == key) return button;
  }
  return nullptr;
}

void frmVardel::act(Key key) {
  press(calculator_, key);
  draw();
}

void frmVardel::draw() {
  const CalculatorState& s = calculator_.state;
  const panel::ResultMark mark = panel::resultMark(s);
  const QString markShown = QString::fromStdString(mark.shown);
  if (markShown != lblMark_->text()) {
    lblMark_->setText(markShown);
    lblMark_->setHidden(markShown.isEmpty());
    // Read out in words, as the announcer says it after the result.
    lblMark_->setAccessibleName(QString::fromStdString(mark.spoken));
  }
  if (calculator_.displayShows != drawnDisplayShows_) {
    drawnDisplayShows_ = calculator_.displayShows;
    const QString shown = QString::fromStdString(s.text1);
    text1_->setText(shown);
    // Every new text is heard, the same one again too: each is the answer
    // to a key. A lone blank is no answer. A result made with department
    // values is heard with its mark.
    if (!shown.trimmed().isEmpty()) {
      announcer_->announce(
          Announcer::Source::Display,
          mark.spoken.empty() ? shown : shown + ", " + QString::fromStdString(mark.spoken));
    }
  }
  const QString title = QString::fromStdString(panel::windowTitle(s));
  if (title != windowTitle()) setWindowTitle(title);
  const QString indicator = QString::fromStdString(s.txtEorM);
  if (indicator != txtEorM_->text()) {
    txtEorM_->setText(indicator);
    announcer_->announce(Announcer::Source::Indicator,
                         QString::fromStdString(panel::spokenUnits(s.txtEorM)));
  }
  if (calculator_.functionKeysEnabled != drawnKeysEnabled_) {
    drawnKeysEnabled_ = calculator_.functionKeysEnabled;
    for (const Control& row : panel::panelControls()) {
      if (!row.key) continue;
      if (QPushButton* button = keyButton(*row.key)) {
        button->setEnabled(panel::isEnabled(row, calculator_));
      }
    }
  }
  // QPushButton acts on its default flag only inside a dialog: the flag
  // draws the key as the default, and the window's key handler routes the
  // keyboard's Enter to it.
  if (cmdEnter_->isDefault() != calculator_.enterIsDefault) {
    cmdEnter_->setDefault(calculator_.enterIsDefault);
  }
}

void frmVardel::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && desk_ != nullptr) {
    desk_->reload();
    draw();
  }
}

void frmVardel::focusEnter() { cmdEnter_->setFocus(Qt::OtherFocusReason); }

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
  // F2 reviews the inputs of the result shown, and does nothing elsewhere.
  if (event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier) {
    act(Key{KeyKind::Review});
    return true;
  }
  // F3 shows the working of the result shown, and does nothing elsewhere.
  if (event->key() == Qt::Key_F3 && event->modifiers() == Qt::NoModifier) {
    workingBoxes_->open(panel::Command::ShowWorking);
    return true;
  }
  const std::optional<int> code = typedCode(*event);
  if (!code || !takesCharacter(*code)) return false;
  // Used up, Enter too: the keyboard's Enter runs the Enter key's action
  // here once, and no focused key may click on it as well.
  auto character = static_cast<std::int16_t>(*code);
  Form_KeyPress(calculator_, character);
  draw();
  return true;
}

void frmVardel::copyDisplay() const {
  const std::string_view text = copiedText(calculator_.display());
  QGuiApplication::clipboard()->setText(
      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void frmVardel::mnuAbout_Click() { showAboutBox(this); }

}  // namespace vardel::ui
