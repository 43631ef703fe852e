#pragma once

#include <QString>
#include <QWidget>

namespace vardel::ui {

// Tells a screen reader what the panel now shows, wherever the keyboard focus
// is. Screen readers read the display label when asked but do not speak its
// changes on their own; they do speak an object of the notification role as
// it appears. The announcer is such an object, invisible on the screen, that
// appears afresh with every announcement.
class Announcer : public QWidget {
  Q_OBJECT

 public:
  explicit Announcer(QWidget* parent);

  // Speaks `text`, the same text again as well.
  void announce(const QString& text);
  // The last announcement: the accessible name of the notification.
  const QString& text() const { return text_; }

 private:
  QString text_;
};

}  // namespace vardel::ui
