#include "ui/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace vardel::ui {
namespace {

class NoticeAccessible : public QAccessibleWidget {
 public:
  explicit NoticeAccessible(Notice* notice)
      : QAccessibleWidget(notice, QAccessible::Notification) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return static_cast<const Notice*>(widget())->text();
    return QAccessibleWidget::text(kind);
  }
};

QAccessibleInterface* noticeAccessible(const QString& /*className*/, QObject* object) {
  if (auto* notice = qobject_cast<Notice*>(object)) return new NoticeAccessible(notice);
  return nullptr;
}

// Invisible and out of the way of the mouse and the keyboard.
void keepOutOfSight(QWidget* widget) {
  widget->setAttribute(Qt::WA_TransparentForMouseEvents);
  widget->setFocusPolicy(Qt::NoFocus);
  widget->setGeometry(0, 0, 0, 0);
}

}  // namespace

Notice::Notice(QWidget* parent) : QWidget(parent) {
  keepOutOfSight(this);
  hide();
}

void Notice::appear(const QString& text) {
  text_ = text;
  hide();
  show();
}

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
  // The widgets' own factory comes with the application object and is asked
  // after the factories installed later, so this one must follow it.
  static const bool installed = [] {
    QAccessible::installFactory(noticeAccessible);
    return true;
  }();
  (void)installed;
  setObjectName("announcer");
  keepOutOfSight(this);
  for (Notice*& notice : notices_) notice = new Notice(this);
}

void Announcer::announce(Source source, const QString& text) {
  pending_.at(static_cast<std::size_t>(source)) = text;
  if (queued_) return;
  queued_ = true;
  QMetaObject::invokeMethod(this, &Announcer::speakPending, Qt::QueuedConnection);
}

void Announcer::speakPending() {
  queued_ = false;
  for (QString& text : pending_) {
    if (text.isEmpty()) continue;
    last_ = (last_ + 1) % notices_.size();
    notices_[last_]->appear(text);
    text.clear();
  }
}

QString Announcer::text() const { return notices_[last_]->text(); }

}  // namespace vardel::ui
