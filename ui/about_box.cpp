#include "ui/about_box.h"

#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

#include "panel/about_box.h"
#include "ui/controls.h"
#include "ui/qt_desktop.h"
#include "ui/system_info.h"

namespace vardel::ui {

frmAbout::frmAbout(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  const panel::Dialog& design = panel::aboutBox();
  setObjectName(qs(design.name));
  // The same default font as the main window's.
  setFont(windowFont());
  setFixedSize(panel::toPixels(design.widthTwips), panel::toPixels(design.heightTwips));
  setSizeGripEnabled(false);
  buildControls();
  Form_Load();
}

void frmAbout::buildControls() {
  for (const panel::Control& row : panel::aboutBox().controls) {
    QWidget* widget = nullptr;
    switch (row.kind) {
      case panel::Kind::Image: {
        auto* image = new QLabel(this);
        image->setPixmap(QPixmap(QStringLiteral(":/pictures/icon.png")));
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        widget = image;
        break;
      }
      case panel::Kind::Label:
        widget = makeLabel(row, this);
        break;
      case panel::Kind::Line:
        widget = makeLine(row, this);
        break;
      case panel::Kind::Key:
        cmdOK_ = new QPushButton(qs(row.caption), this);
        // Default key: Enter clicks it. Esc rejects the box, which closes it too.
        cmdOK_->setDefault(true);
        cmdOK_->setAutoDefault(true);
        connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
        widget = cmdOK_;
        break;
      case panel::Kind::Frame:
      case panel::Kind::TextBox:
      case panel::Kind::Field:
      case panel::Kind::List:
      case panel::Kind::Text:
      case panel::Kind::Grid:
        continue;  // the box has none
    }
    widget->setObjectName(qs(row.name));
    widget->setGeometry(row.kind == panel::Kind::Line ? pixelRect(row.line, row.thickness)
                                                      : pixelRect(row.at));
    if (!row.accessibleName.empty()) widget->setAccessibleName(qs(row.accessibleName));
  }
  // The only control that takes the focus.
  cmdOK_->setFocus(Qt::OtherFocusReason);
}

void frmAbout::Form_Load() { setWindowTitle(QString::fromStdString(panel::aboutBox().title)); }

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
