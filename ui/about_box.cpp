#include "ui/about_box.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "core/app_info.h"

namespace vardel::ui {

// A plain box with the title and the version until the designed About
// window takes its place.
void showAboutBox(QWidget* owner) {
  const QString title = QString::fromUtf8(app_info::kTitle);
  QDialog box(owner);
  box.setObjectName("frmAbout");
  box.setWindowTitle(QStringLiteral("About ") + title);
  auto* layout = new QVBoxLayout(&box);
  auto* name = new QLabel(title, &box);
  name->setObjectName("lblTitle");
  auto* version =
      new QLabel(QStringLiteral("Version ") + QString::fromUtf8(app_info::kVersion), &box);
  version->setObjectName("lblVersion");
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
  layout->addWidget(name);
  layout->addWidget(version);
  layout->addWidget(buttons);
  box.exec();
}

}  // namespace vardel::ui
