// The floor for the start-up benchmark: the least a Qt Widgets program can
// do to show a window of the main window's size and frame. Built a second
// time at the Atelier's first size (ATELIER_SIZE): the backing store and the
// display server's work grow with the window, whatever it shows.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window(nullptr,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    window.setWindowTitle(QStringLiteral(" Corvane 2.3"));
#ifdef ATELIER_SIZE
    window.resize(1280, 800);
#else
    window.setFixedSize(485, 408);
#endif
    window.show();
    return application.exec();
}
