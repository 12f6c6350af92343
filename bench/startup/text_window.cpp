// For context beside the floor: the bare window with one line of text, so
// that the font system (fontconfig, FreeType, HarfBuzz, a font file) is
// started as in any window that shows text. Not a target.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window(nullptr,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    window.setWindowTitle(QStringLiteral(" Corvane 2.3"));
    window.setFixedSize(485, 408);
    QLabel label(QStringLiteral("Longueur vibrante"), &window);
    label.setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    label.move(16, 16);
    window.show();
    return application.exec();
}
