#include "ui/about_box.h"

#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPalette>
#include <QPixmap>
#include <QProcess>
#include <QPushButton>
#include <QWidget>

#include "core/app_info.h"
#include "ui/about_layout.h"
#include "ui/panel_layout.h"
#include "ui/system_info.h"

namespace vardel::ui {
namespace {

QRect pixels(const about::Place& at) {
  return {toPixels(at.left), toPixels(at.top), toPixels(at.width), toPixels(at.height)};
}

QString qs(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A horizontal rule from x1 to x2 (both included) at y, `thickness` pixels
// high, in one colour.
QWidget* makeRule(QWidget* parent, const char* name, int index, const about::Rule& rule_) {
  auto* rule = new QWidget(parent);
  rule->setObjectName(QString::fromLatin1(name));
  rule->setProperty("index", index);
  rule->setAutoFillBackground(true);
  QPalette palette = rule->palette();
  palette.setColor(QPalette::Window, QColor::fromRgb(rule_.rgb));
  rule->setPalette(palette);
  const int left = toPixels(rule_.x1);
  rule->setGeometry(left, toPixels(rule_.y), toPixels(rule_.x2) - left + 1, rule_.thickness);
  return rule;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& at) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QPalette palette = label->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::WindowText, Qt::black);
  }
  label->setPalette(palette);
  label->setGeometry(at);
  return label;
}

// What starting the information tool needs from this desktop.
class QtDesktop : public Desktop {
 public:
  explicit QtDesktop(QWidget* owner) : owner_(owner) {}

  bool fileExists(const std::string& path) override {
    return QFileInfo::exists(QString::fromStdString(path));
  }
  bool startProgram(const std::string& path) override {
    return QProcess::startDetached(QString::fromStdString(path), {});
  }
  void showMessage(const std::string& text) override {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(app_info::kTitle),
                    QString::fromStdString(text), QMessageBox::Ok, owner_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
  }

 private:
  QWidget* owner_;
};

}  // namespace

frmAbout::frmAbout(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName("frmAbout");
  // The same default font as the main window's.
  QFont font(
      QString::fromUtf8(kWindowFont.face.data(), static_cast<qsizetype>(kWindowFont.face.size())));
  font.setPointSizeF(kWindowFont.points);
  setFont(font);
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
  image->setGeometry(pixels(about::kIcon));
  image->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  lblTitle_ = makeLabel(this, "lblTitle", {}, pixels(about::kTitle));
  lblVersion_ = makeLabel(this, "lblVersion", {}, pixels(about::kVersion));
  QLabel* description = makeLabel(this, "lblDescription", qs(about::kDescription),
                                  pixels(about::kDescriptionPlace));
  description->setWordWrap(true);

  // The etched rule: a grey line over a white one, 15 twips apart.
  makeRule(this, "Line1_1", 1, about::kGreyRule);
  makeRule(this, "Line1_0", 0, about::kWhiteRule);

  makeLabel(this, "lblDisclaimer", qs(about::kDisclaimer), pixels(about::kDisclaimerPlace));

  cmdOK_ = new QPushButton(qs(about::kOKCaption), this);
  cmdOK_->setObjectName("cmdOK");
  cmdOK_->setGeometry(pixels(about::kOK));
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
