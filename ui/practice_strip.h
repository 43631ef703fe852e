#pragma once

#include <QString>
#include <QWidget>
#include <utility>
#include <vector>

#include "panel/box_desk.h"

class QPlainTextEdit;
class QPushButton;

namespace vardel::ui {

// The practice strip below the panel (panel/practice_box.h), made from its
// rows: the problem standing, the last verdict and the score as text, and
// the key that leaves practice. It keeps nothing: draw() shows what the
// practice desk says, and the key goes out by its design name.
class PracticeStrip : public QWidget {
  Q_OBJECT

 public:
  explicit PracticeStrip(QWidget* parent);

  // Draws what the desk's strip shows; returns whether its text changed.
  bool draw(const std::vector<panel::Shown>& shown);
  QString text() const;
  // Its controls with their designed tab indices, for the window's tab order.
  std::vector<std::pair<int, QWidget*>> tabStops() const { return stops_; }

 signals:
  void pressed(const QString& name);

 private:
  QPlainTextEdit* text_ = nullptr;
  std::vector<std::pair<int, QWidget*>> stops_;
};

}  // namespace vardel::ui
