#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <cstddef>

namespace vardel::ui {

class Notice;

// Tells a screen reader what the panel now shows, wherever the keyboard focus
// is. Screen readers read the display label when asked but do not speak its
// changes on their own; they do speak an object of the notification role as
// it appears. The announcer shows such objects, invisible on the screen.
class Announcer : public QWidget {
  Q_OBJECT

 public:
  // What a text comes from. Of the texts one key shows on its way, only the
  // last from each source is spoken (ALL CLEAR's VORNA just before a first
  // prompt is not).
  enum class Source { Display, Indicator, Practice };

  explicit Announcer(QWidget* parent);

  // Speaks `text` once the key that showed it is done; the same text again
  // as well.
  void announce(Source source, const QString& text);
  // The last announcement spoken.
  QString text() const;

 private:
  void speakPending();

  std::array<QString, 3> pending_{};  // by source; empty: nothing to say
  bool queued_ = false;
  // A screen reader reads a notification's text when it comes to the
  // notification, which may be after the next few announcements when keys
  // come fast; each of these keeps its text until it is used again.
  std::array<Notice*, 8> notices_{};
  std::size_t last_ = 0;
};

// One announcement: a notification whose accessible name is its text.
class Notice : public QWidget {
  Q_OBJECT

 public:
  explicit Notice(QWidget* parent);

  const QString& text() const { return text_; }
  // Takes a new text and appears again, so that it is spoken.
  void appear(const QString& text);

 private:
  QString text_;
};

}  // namespace vardel::ui
