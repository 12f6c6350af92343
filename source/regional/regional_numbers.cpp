#include "regional_numbers.h"

#include <QLocale>
#include <QString>

namespace corvane::regional {

std::string DecimalSeparator()
{
    // QLocale::system() reads the environment on Unix; it needs no
    // QCoreApplication, so the command line can use it as the window does.
    const QString separator = QLocale::system().decimalPoint();
    return separator.isEmpty() ? std::string(".") : separator.toStdString();
}

} // namespace corvane::regional
