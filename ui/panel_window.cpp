#include "ui/panel_window.h"

#include <QDate>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <map>
#include <optional>

#include "core/app_info.h"
#include "core/power_keys.h"
#include "panel/desks.h"
#include "panel/main_window.h"
#include "panel/menus.h"
#include "panel/spoken_names.h"
#include "ui/about_box.h"
#include "ui/announcer.h"
#include "ui/box_runner.h"
#include "ui/controls.h"
#include "ui/file_boxes.h"
#include "ui/make_control.h"
#include "ui/menus.h"
#include "ui/panel_widgets.h"
#include "ui/practice_strip.h"

namespace vardel::ui {
namespace {

using panel::Control;
using panel::Kind;

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
  desks_ = std::make_unique<panel::Desks>(
      calculator_, department, panel::paperOf(QLocale::system().name().toStdString()),
      [] { return QDate::currentDate().toString(Qt::ISODate).toStdString(); });
  const std::string told = desks_->start();
  buildMenu();
  buildPanel();
  Form_Load(calculator_);
  draw();
  // A kept or issued file that was refused, or an issue newly in force, is
  // told once the window shows (a refused file is left as it is), and a
  // newer issue's box opens after.
  tellLater(told, desks_->open() != nullptr);

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
  for (const panel::Menu* design : desks_->menuBar()) {
    menuBar()->addMenu(
        makeMenu(*design, this, *desks_, [this](panel::Command c) { runCommand(c); }));
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
    QWidget* widget = makeControl(row, row.parent.empty() ? panel_ : frames.at(row.parent));
    if (row.kind == Kind::Key) {
      auto* key = static_cast<PanelKey*>(widget);
      keys_.emplace_back(*row.key, key);
      if (row.key->kind == KeyKind::Enter) cmdEnter_ = key;
      if (key->focusPolicy() != Qt::NoFocus) tabStops.emplace_back(row.tab, key);
      key->installEventFilter(this);
    } else if (row.kind == Kind::Frame) {
      frames[row.name] = widget;
    } else if (row.kind == Kind::TextBox) {
      txtEorM_ = static_cast<QLineEdit*>(widget);
    } else if (row.name == "text1") {
      text1_ = static_cast<QLabel*>(widget);
    }
  }
  // The indicator is a window of its own in front of the display, and so
  // is the mark beside a result.
  txtEorM_->raise();
  lblMark_ = static_cast<QLabel*>(makeControl(panel::markControl(), panel_));
  lblMark_->setHidden(true);
  lblMark_->raise();

  strip_ = new PracticeStrip(panel_);
  strip_->move(0, panel::toPixels(panel::kClientHeightTwips));
  strip_->setHidden(true);
  for (const auto& stop : strip_->tabStops()) tabStops.push_back(stop);
  connect(strip_, &PracticeStrip::pressed, this, [this](const QString& name) {
    desks_->practice().pressStrip(name.toStdString());
    draw();
  });

  for (const auto& [key, button] : keys_) {
    connect(button, &QPushButton::clicked, this, [this, key = key] { act(key); });
  }

  buildDisplayMenu();
  orderTabs(std::move(tabStops));
}

void frmVardel::buildDisplayMenu() {
  mnuDisplay_ =
      makeMenu(panel::displayMenu(), this, *desks_, [this](panel::Command c) { runCommand(c); });
  text1_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(text1_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { mnuDisplay_->popup(text1_->mapToGlobal(at)); });
}

void frmVardel::runCommand(panel::Command command) {
  const panel::Answer answer = desks_->command(command);
  draw();
  tell(answer.problem);
  switch (answer.ask) {
    case panel::Ask::About:
      showAboutBox(this);
      break;
    case panel::Ask::OpenFile: {
      std::string problem;
      const std::optional<std::string> text = readChosenFile(this, *answer.file, &problem);
      tell(text ? desks_->fileRead(*text) : problem);
      break;
    }
    case panel::Ask::SaveFile:
      tell(writeChosenFile(this, *answer.file, answer.text));
      break;
    case panel::Ask::Nothing:
      break;
  }
  if (panel::BoxDesk* desk = desks_->open()) runBox(*desk, this, [this] { draw(); });
}

void frmVardel::tell(const std::string& problem) {
  if (!problem.empty()) showMessageBox(this, problem);
}

void frmVardel::tellLater(const std::string& text, bool runOpened) {
  if (text.empty() && !runOpened) return;
  QMetaObject::invokeMethod(
      this,
      [this, text, runOpened] {
        tell(text);
        panel::BoxDesk* desk = desks_->open();
        if (runOpened && desk != nullptr) runBox(*desk, this, [this] { draw(); });
      },
      Qt::QueuedConnection);
}

QPushButton* frmVardel::keyButton(Key key) const {
  for (const auto& [k, button] : keys_) {
    if (k == key) return button;
  }
  return nullptr;
}

void frmVardel::act(Key key) {
  desks_->press(key);
  draw();
}

void frmVardel::draw() {
  const CalculatorState& s = calculator_.state;
  const panel::ResultMark mark = desks_->mark();
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
    // values is heard with its mark, and so is every text in practice.
    if (!shown.trimmed().isEmpty()) {
      announcer_->announce(
          Announcer::Source::Display,
          mark.spoken.empty() ? shown : shown + ", " + QString::fromStdString(mark.spoken));
    }
  }
  drawPractice();
  const QString title = QString::fromStdString(desks_->title());
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

void frmVardel::drawPractice() {
  const bool on = desks_->practice().on();
  if (on == strip_->isHidden()) {
    strip_->setHidden(!on);
    resize(width(), height() + (on ? strip_->height() : -strip_->height()));
  }
  if (strip_->draw(desks_->practice().strip()) && on) {
    announcer_->announce(Announcer::Source::Practice, strip_->text());
  }
}

void frmVardel::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    // A box already open runs already, or is about to.
    const bool open = desks_->open() != nullptr;
    const std::string told = desks_->reload();
    draw();
    tellLater(told, !open && desks_->open() != nullptr);
  }
}

void frmVardel::focusEnter() { cmdEnter_->setFocus(Qt::OtherFocusReason); }

void frmVardel::showMessage(const std::string& text, const std::string& title) {
  showMessageBox(this, text, title);
}

void frmVardel::closeWindow() { close(); }

}  // namespace vardel::ui
