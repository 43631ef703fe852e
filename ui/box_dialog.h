#pragma once

#include <QDialog>
#include <QString>
#include <functional>
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
  const panel::Dialog& design_;
  bool drawing_ = false;  // changes made by draw() are not the user's
};

// Shows the desk's open box until the desk closes it or the user does.
// After each of the user's actions the box is drawn again (or closed),
// `changed` runs and a refusal is told in a message box; a key with an
// output goes to `output`, with the box to own what it opens.
void runBox(panel::BoxDesk& desk, QWidget* owner, const std::function<void()>& changed,
            const std::function<void(BoxDialog&, panel::Output)>& output = {});

}  // namespace vardel::ui
