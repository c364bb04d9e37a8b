// The smallest Qt Widgets program with one window and one label: the yardstick that the start-up
// time and memory of Tamurik are compared with. Built with the same compiler flags.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    auto* layout = new QVBoxLayout(&window);
    auto* label = new QLabel(QStringLiteral("Minimal"), &window);
    label->setTextFormat(Qt::PlainText);
    layout->addWidget(label);
    window.show();
    return app.exec();
}
