#include "ui/about_box.h"

#include <QPushButton>
#include <QWidget>

#include "panel/about_box.h"
#include "ui/controls.h"
#include "ui/make_control.h"
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
    QWidget* widget = makeControl(row, this);
    if (row.kind != panel::Kind::Key) continue;
    // Default key: Enter clicks it. Esc rejects the box, which closes it too.
    cmdOK_ = static_cast<QPushButton*>(widget);
    cmdOK_->setAutoDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
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
