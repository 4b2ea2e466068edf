// The floor for the start-up, memory and idle figures: the least a Qt
// Widgets program does, one window with a label and a button.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Minimal Qt"));
  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(new QLabel(QStringLiteral("Hello"), &window));
  layout->addWidget(new QPushButton(QStringLiteral("OK"), &window));
  window.show();
  return QApplication::exec();
}
