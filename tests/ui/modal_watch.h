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

}  // namespace vardel::testing
