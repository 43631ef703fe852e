#include "ui/about_box.h"

#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

#include "core/app_info.h"
#include "ui/controls.h"
#include "ui/panel_layout.h"
#include "ui/qt_desktop.h"
#include "ui/system_info.h"

namespace vardel::ui {
namespace {

// Places, in twips, of the box's controls.
constexpr int kClientWidth = 5730;
constexpr int kClientHeight = 3555;

QRect pixels(int left, int top, int width, int height) {
  return pixelRect(TwipsRect{left, top, width, height});
}

// A horizontal rule from x1 to x2 (both included) at y, `thickness` pixels
// high, in one colour.
QWidget* makeRule(QWidget* parent, const char* name, int index, int x1, int x2, int y,
                  int thickness, QRgb rgb) {
  auto* rule = new QWidget(parent);
  rule->setObjectName(QString::fromLatin1(name));
  rule->setProperty("index", index);
  rule->setAutoFillBackground(true);
  QPalette palette = rule->palette();
  palette.setColor(QPalette::Window, QColor::fromRgb(rgb));
  rule->setPalette(palette);
  rule->setGeometry(pixelRect(TwipsLine{x1, y, x2, y}).adjusted(0, 0, 0, thickness - 1));
  return rule;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& at) {
  return makePlainLabel(parent, QString::fromLatin1(name), text, at);
}

constexpr const char* kDescription =
    "The Vardel is programmed to provide answers to typical fireground situations under normal "
    "and reasonable conditions. The calculator was designed to provide advanced prompting "
    "programs and basic mathematical functions as well.";

}  // namespace

frmAbout::frmAbout(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName("frmAbout");
  // The same default font as the main window's.
  setFont(windowFont());
  setFixedSize(toPixels(kClientWidth), toPixels(kClientHeight));
  setSizeGripEnabled(false);
  buildControls();
  Form_Load();
}

void frmAbout::buildControls() {
  auto* image = new QLabel(this);
  image->setObjectName("Image1");
  image->setAccessibleName("Program icon");
  image->setPixmap(QPixmap(QStringLiteral(":/pictures/icon.png")));
  image->setGeometry(pixels(360, 240, 480, 480));
  image->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  lblTitle_ = makeLabel(this, "lblTitle", {}, pixels(1050, 240, 3885, 480));
  lblVersion_ = makeLabel(this, "lblVersion", {}, pixels(1050, 780, 3885, 225));
  QLabel* description = makeLabel(this, "lblDescription", QString::fromUtf8(kDescription),
                                  pixels(1050, 1125, 3885, 1170));
  description->setWordWrap(true);

  // The etched rule: a grey line over a white one, 15 twips apart.
  makeRule(this, "Line1_1", 1, 90, 5654, 2445, 1, 0x808080);
  makeRule(this, "Line1_0", 0, 105, 5654, 2460, 2, 0xFFFFFF);

  makeLabel(this, "lblDisclaimer", QStringLiteral("Warning: ..."), pixels(255, 2625, 3870, 825));

  cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
  cmdOK_->setObjectName("cmdOK");
  cmdOK_->setGeometry(pixels(4245, 3000, 1260, 345));
  // Default key: Enter clicks it. Esc rejects the box, which closes it too.
  cmdOK_->setDefault(true);
  cmdOK_->setAutoDefault(true);
  connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
  // The only control that takes the focus.
  cmdOK_->setFocus(Qt::OtherFocusReason);
}

void frmAbout::Form_Load() {
  const QString title = QString::fromUtf8(app_info::kTitle);
  setWindowTitle(QStringLiteral("About ") + title);
  lblVersion_->setText(QStringLiteral("Version %1.%2.%3")
                           .arg(app_info::kVersionMajor)
                           .arg(app_info::kVersionMinor)
                           .arg(app_info::kVersionRevision));
  lblTitle_->setText(title);
}

void frmAbout::StartSysInfo() {
  NoRegistry registry;
  QtDesktop desktop(this);
  vardel::StartSysInfo(registry, desktop);
}

void showAboutBox(QWidget* owner) {
  frmAbout box(owner);
  box.exec();
}

}  // namespace vardel::ui
