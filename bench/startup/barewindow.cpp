// The yardsticks for the window's start: a bare Qt window of the same size, empty or with one line of text (a
// window that shows text pays for the font database as any real window does), shown, then the program ends as
// soon as its event loop turns once.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <cstring>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(355, 574);
    if (argc > 1 && std::strcmp(argv[1], "--texte") == 0) {
        auto* label = new QLabel(QStringLiteral("Programme Ornal"), &window);
        label->move(10, 10);
    }
    window.show();
    QTimer::singleShot(0, &application, &QCoreApplication::quit);
    return QApplication::exec();
}
