// The floor for the start-up, memory and idle figures: the least a Qt
// Widgets program does, one window with a label and a button. They are
// placed by hand, as the game's controls are, so that nothing measures
// text before the window maps.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Minimal Qt"));
  window.setFixedSize(200, 80);
  auto* label = new QLabel(QStringLiteral("Hello"), &window);
  label->setGeometry(10, 10, 180, 20);
  auto* button = new QPushButton(QStringLiteral("OK"), &window);
  button->setGeometry(10, 40, 80, 30);
  window.show();
  return QApplication::exec();
}
