#include "ui/file_boxes.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QSaveFile>

#include "ui/controls.h"

namespace vardel::ui {
namespace {

// "Department files (*.json)", and every file too where the choice offers it.
QString filterOf(const panel::FileChoice& choice) {
  QString filter = qs(choice.kind) + " (" + qs(choice.pattern) + ")";
  if (choice.anyFile) filter += QStringLiteral(";;All files (*)");
  return filter;
}

}  // namespace

std::optional<std::string> readChosenFile(QWidget* owner, const panel::FileChoice& choice,
                                          std::string* problem) {
  const QString path =
      QFileDialog::getOpenFileName(owner, qs(choice.title), QDir::homePath(), filterOf(choice));
  if (path.isEmpty()) return std::nullopt;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    *problem = "The file could not be read: " + file.errorString().toStdString();
    return std::nullopt;
  }
  const QByteArray text = file.read(static_cast<qint64>(choice.readAtMost));
  return std::string(text.constData(), static_cast<std::size_t>(text.size()));
}

std::optional<QString> chooseFileToWrite(QWidget* owner, const panel::FileChoice& choice) {
  const QString path = QFileDialog::getSaveFileName(
      owner, qs(choice.title), QDir::home().filePath(qs(choice.name)), filterOf(choice));
  if (path.isEmpty()) return std::nullopt;
  return path;
}

std::string writeChosenFile(QWidget* owner, const panel::FileChoice& choice,
                            const std::string& text) {
  const std::optional<QString> path = chooseFileToWrite(owner, choice);
  if (!path) return {};
  // Written beside the old file and renamed over it: a failure leaves the old one whole.
  QSaveFile file(*path);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(text.data(), static_cast<qint64>(text.size())) !=
          static_cast<qint64>(text.size()) ||
      !file.commit()) {
    return "The file could not be written: " + file.errorString().toStdString();
  }
  return {};
}

}  // namespace vardel::ui
