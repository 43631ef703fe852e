#include "ui/practice_strip.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "panel/practice_box.h"
#include "panel/twips.h"
#include "ui/controls.h"
#include "ui/make_control.h"

namespace vardel::ui {

PracticeStrip::PracticeStrip(QWidget* parent) : QWidget(parent) {
  const panel::Dialog& design = panel::practiceStrip();
  setObjectName(qs(design.name));
  setAccessibleName(qs(design.title));
  resize(panel::toPixels(design.widthTwips), panel::toPixels(design.heightTwips));
  for (const panel::Control& row : design.controls) {
    QWidget* widget = makeControl(row, this);
    stops_.emplace_back(row.tab, widget);
    if (row.name == panel::practice_strip::kProblem) {
      text_ = static_cast<QPlainTextEdit*>(widget);
    } else if (auto* key = qobject_cast<QPushButton*>(widget)) {
      connect(key, &QPushButton::clicked, this,
              [this, name = qs(row.name)] { emit pressed(name); });
    }
  }
}

bool PracticeStrip::draw(const std::vector<panel::Shown>& shown) {
  bool changed = false;
  for (const panel::Shown& each : shown) {
    if (each.name != panel::practice_strip::kProblem) continue;
    const QString text = QString::fromStdString(each.text);
    changed = text != text_->toPlainText();
    if (changed) text_->setPlainText(text);
  }
  return changed;
}

QString PracticeStrip::text() const { return text_->toPlainText(); }

}  // namespace vardel::ui
