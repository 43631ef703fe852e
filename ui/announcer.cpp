#include "ui/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace vardel::ui {
namespace {

class AnnouncerAccessible : public QAccessibleWidget {
 public:
  explicit AnnouncerAccessible(Announcer* announcer)
      : QAccessibleWidget(announcer, QAccessible::Notification) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return static_cast<const Announcer*>(widget())->text();
    return QAccessibleWidget::text(kind);
  }
};

QAccessibleInterface* announcerAccessible(const QString& /*className*/, QObject* object) {
  if (auto* announcer = qobject_cast<Announcer*>(object)) return new AnnouncerAccessible(announcer);
  return nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
  // The widgets' own factory comes with the application object and is asked
  // after the factories installed later, so this one must follow it.
  static const bool installed = [] {
    QAccessible::installFactory(announcerAccessible);
    return true;
  }();
  (void)installed;
  setObjectName("announcer");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(0, 0, 0, 0);
  hide();
}

void Announcer::announce(const QString& text) {
  text_ = text;
  // Hidden and shown again, so that the same text twice is spoken twice.
  hide();
  show();
}

}  // namespace vardel::ui
