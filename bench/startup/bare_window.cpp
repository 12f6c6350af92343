// The floor for the start-up benchmark: the least a Qt Widgets program can
// do to show a window of the main window's size and frame.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window(nullptr,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    window.setWindowTitle(QStringLiteral(" Corvane 2.3"));
    window.setFixedSize(485, 408);
    window.show();
    return application.exec();
}
