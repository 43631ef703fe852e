#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "panel/box_desk.h"
#include "panel/control.h"

namespace vardel::ui {

// A box of a menu, built from its rows: labels, fields, lists, texts, grids
// and keys at their designed places, in the designed tab order, each named
// for the screen reader; the first text is the box's description. It keeps
// nothing: what the user does goes out as a signal by design name, and
// draw() shows what the desk says the box shows.
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
  void output(panel::Output output);  // a key whose work is the toolkit's

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Connects a control's changes to the box's signals.
  void wire(const panel::Control& row, QWidget* widget, const QString& name);

  const panel::Dialog& design_;
  bool drawing_ = false;  // changes made by draw() are not the user's
};

}  // namespace vardel::ui
