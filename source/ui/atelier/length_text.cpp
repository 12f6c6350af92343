#include "length_text.h"

#include <QLocale>

namespace corvane::atelier {

QString LengthText(double millimetres, board::Unit unit)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = locale.toString(board::FromMillimetres(millimetres, unit), 'f', 4);
    const QString point = locale.decimalPoint();
    if (text.contains(point)) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(point))
            text.chop(point.size());
    }
    return text == QStringLiteral("-0") ? QStringLiteral("0") : text;
}

board::Parsed<double> ReadLength(const QString& text, board::Unit unit, LengthKind kind)
{
    return board::ParseDistance(text.toStdString(), unit, kind);
}

LengthKind KindOf(double board::Design::*member)
{
    if (member == &board::Design::nutOverhangMm || member == &board::Design::lastFretOverhangMm
        || member == &board::Design::radiusNutMm || member == &board::Design::radiusLastFretMm
        || member == &board::Design::boardEndMm || member == &board::Design::zeroFretMm)
        return LengthKind::ZeroOrMore;
    if (member == &board::Design::nutSetbackBassMm || member == &board::Design::nutSetbackTrebleMm
        || member == &board::Design::saddleSetbackBassMm
        || member == &board::Design::saddleSetbackTrebleMm)
        return LengthKind::Signed;
    return LengthKind::Positive;
}

} // namespace corvane::atelier
