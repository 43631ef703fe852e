#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <utility>
#include <vector>

namespace vardel::testing {

// Watches for modal windows while a window test runs. Every modal window that
// opens is recorded and closed at once, so a test that opens one never hangs;
// a test takes the records it expects, and whatever is left over is a fault.
class ModalWatch : public QObject {
 public:
  struct Seen {
    QString className;
    QString objectName;
    QString title;
    QString text;         // a message box's text
    QStringList buttons;  // a message box's button captions
  };

  ModalWatch() {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
    timer_.start();
  }

  // The modal windows seen since the last call, oldest first.
  std::vector<Seen> take() { return std::exchange(seen_, {}); }
  // Runs `visit` on each modal window as it opens, inside its event loop,
  // before the watch closes it; the visit may close the window itself.
  void onOpen(std::function<void(QWidget*)> visit) { visit_ = std::move(visit); }
  bool empty() const { return seen_.empty(); }

 private:
  void poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == closing_) return;
    Seen seen{QString::fromUtf8(modal->metaObject()->className()),
              modal->objectName(),
              modal->windowTitle(),
              {},
              {}};
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      seen.text = box->text();
      for (QAbstractButton* button : box->buttons()) seen.buttons << button->text();
    }
    seen_.push_back(seen);
    closing_ = modal;
    QPointer<QWidget> open = modal;
    if (visit_) visit_(modal);
    if (open && open->isVisible()) {
      if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
      } else {
        modal->close();
      }
    }
    closing_ = nullptr;
  }

  QTimer timer_;
  QWidget* closing_ = nullptr;
  std::function<void(QWidget*)> visit_;
  std::vector<Seen> seen_;
};

// Runs `open`, which opens a modal window over the active one (a key of a
// box that asks by a message box, a file or a print dialog) and returns once
// it is closed, and runs `visit` on that window as soon as it is the active
// modal window; the visit closes it. Returns whether a window opened. For a
// window opened from a watch's visit, which the watch does not see.
inline bool visitModal(const std::function<void()>& open,
                       const std::function<void(QWidget*)>& visit) {
  QWidget* const over = QApplication::activeModalWidget();
  bool visited = false;
  QTimer poll;
  poll.setInterval(10);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == over) return;
    visited = true;
    poll.stop();
    visit(modal);
  });
  poll.start();
  open();
  return visited;
}

}  // namespace vardel::testing
