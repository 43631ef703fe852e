#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "panel/control.h"
#include "panel/department_desk.h"

namespace vardel::ui {

// A box of the Department menu, built from its rows: labels, fields, lists
// and keys at their designed places, in the designed tab order, each named
// for the screen reader. It keeps nothing: what the user does goes out as a
// signal by design name, and draw() shows what the desk says the box shows.
class BoxDialog : public QDialog {
  Q_OBJECT

 public:
  BoxDialog(const panel::Dialog& design, QWidget* owner);

  const panel::Dialog& design() const { return design_; }
  void draw(const std::vector<panel::Shown>& shown);

 signals:
  void edited(const QString& name, const QString& text);
  void selected(const QString& name, int row);
  void activated(const QString& name);  // a list's Enter or double click
  void pressed(const QString& name);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const panel::Dialog& design_;
  bool drawing_ = false;  // changes made by draw() are not the user's
};

}  // namespace vardel::ui
