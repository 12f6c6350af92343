#include "length_text.h"

#include <QLocale>
#include <QRegularExpression>

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
    const QString trimmed = text.trimmed();
    if (kind != LengthKind::Positive) {
        // Zero in any spelling: "", "0", "0.0", ",0", "0 mm".
        static const QRegularExpression zero(QStringLiteral("^-?(0+([.,]0*)?|[.,]0+)\\s*(mm|cm|in|\")?$"));
        if (trimmed.isEmpty() || zero.match(trimmed).hasMatch())
            return {0.0, {}, {}};
    }
    if (kind == LengthKind::Signed && trimmed.startsWith(QLatin1Char('-'))) {
        auto read = board::ParseLength(trimmed.mid(1).toStdString(), unit);
        if (read.value)
            read.value = -*read.value;
        return read;
    }
    return board::ParseLength(trimmed.toStdString(), unit);
}

LengthKind KindOf(double board::Design::*member)
{
    if (member == &board::Design::nutOverhangMm || member == &board::Design::lastFretOverhangMm)
        return LengthKind::ZeroOrMore;
    if (member == &board::Design::nutSetbackBassMm || member == &board::Design::nutSetbackTrebleMm
        || member == &board::Design::saddleSetbackBassMm || member == &board::Design::saddleSetbackTrebleMm)
        return LengthKind::Signed;
    return LengthKind::Positive;
}

} // namespace corvane::atelier
