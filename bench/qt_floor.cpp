// The least a Qt Widgets window of the calculator's size costs to start: a
// main window with a 325 x 543 client area, one label, sixty flat-coloured
// push buttons and a menu bar with one menu. Nothing in it calculates; the
// start-up benchmark compares the calculator against it.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);

  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Qt floor"));
  QMenu* menu = window.menuBar()->addMenu(QStringLiteral("&Help"));
  menu->addAction(QStringLiteral("&About"));

  auto* client = new QWidget(&window);
  client->setFixedSize(325, 543);
  window.setCentralWidget(client);

  auto* label = new QLabel(QStringLiteral("0"), client);
  label->setGeometry(10, 10, 305, 40);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setAutoFillBackground(true);

  // Six columns of ten keys below the label, in a few flat colours.
  const QColor colours[] = {QColor(0xC0, 0xC0, 0xC0), QColor(0x80, 0xA0, 0xE0),
                            QColor(0xE0, 0x80, 0x80)};
  for (int i = 0; i < 60; ++i) {
    auto* button = new QPushButton(QString::number(i), client);
    button->setGeometry(10 + (i % 6) * 51, 60 + (i / 6) * 47, 48, 44);
    button->setFlat(true);
    button->setAutoFillBackground(true);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, colours[i % 3]);
    button->setPalette(palette);
  }

  window.show();
  return QApplication::exec();
}
