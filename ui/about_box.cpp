#include "ui/about_box.h"

#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

#include "core/app_info.h"
#include "ui/about_layout.h"
#include "ui/controls.h"
#include "ui/panel_layout.h"
#include "ui/qt_desktop.h"
#include "ui/system_info.h"

namespace vardel::ui {
namespace {

// A horizontal rule from x1 to x2 (both included) at y, `thickness` pixels
// high, in one colour.
QWidget* makeRule(QWidget* parent, const char* name, int index, const about::Rule& design) {
  auto* rule = new QWidget(parent);
  rule->setObjectName(QString::fromLatin1(name));
  rule->setProperty("index", index);
  rule->setAutoFillBackground(true);
  QPalette palette = rule->palette();
  palette.setColor(QPalette::Window, QColor::fromRgb(design.rgb));
  rule->setPalette(palette);
  rule->setGeometry(pixelRect(design.line).adjusted(0, 0, 0, design.thickness - 1));
  return rule;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& at) {
  return makePlainLabel(parent, QString::fromLatin1(name), text, at);
}

}  // namespace

frmAbout::frmAbout(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName("frmAbout");
  // The same default font as the main window's.
  setFont(windowFont());
  setFixedSize(toPixels(about::kClientWidthTwips), toPixels(about::kClientHeightTwips));
  setSizeGripEnabled(false);
  buildControls();
  Form_Load();
}

void frmAbout::buildControls() {
  auto* image = new QLabel(this);
  image->setObjectName("Image1");
  image->setAccessibleName("Program icon");
  image->setPixmap(QPixmap(QStringLiteral(":/pictures/icon.png")));
  image->setGeometry(pixelRect(about::kIcon));
  image->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  lblTitle_ = makeLabel(this, "lblTitle", {}, pixelRect(about::kTitle));
  lblVersion_ = makeLabel(this, "lblVersion", {}, pixelRect(about::kVersion));
  QLabel* description = makeLabel(this, "lblDescription", qs(about::kDescription),
                                  pixelRect(about::kDescriptionPlace));
  description->setWordWrap(true);

  // The etched rule: a grey line over a white one, 15 twips apart.
  makeRule(this, "Line1_1", 1, about::kGreyRule);
  makeRule(this, "Line1_0", 0, about::kWhiteRule);

  makeLabel(this, "lblDisclaimer", qs(about::kDisclaimer), pixelRect(about::kDisclaimerPlace));

  cmdOK_ = new QPushButton(qs(about::kOKCaption), this);
  cmdOK_->setObjectName("cmdOK");
  cmdOK_->setGeometry(pixelRect(about::kOK));
  // Default key: Enter clicks it. Esc rejects the box, which closes it too.
  cmdOK_->setDefault(true);
  cmdOK_->setAutoDefault(true);
  connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
  // The only control that takes the focus.
  cmdOK_->setFocus(Qt::OtherFocusReason);
}

void frmAbout::Form_Load() {
  const QString title = QString::fromUtf8(app_info::kTitle);
  setWindowTitle(qs(about::kTitlePrefix) + title);
  lblVersion_->setText(qs(about::kVersionPrefix) + QStringLiteral("%1.%2.%3")
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
