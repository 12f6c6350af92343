#include "workshop_table.h"

#include "figure_text.h"

#include <QLocale>

#include <cmath>

namespace corvane::atelier {
namespace {

QLocale TableLocale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

bool StringsDiffer(const board::BoardLayout& layout)
{
    const board::Design& d = layout.design;
    return d.bassLengthMm != d.trebleLengthMm || d.nutSetbackBassMm != d.nutSetbackTrebleMm
        || d.saddleSetbackBassMm != d.saddleSetbackTrebleMm;
}

bool Compensated(const board::Design& d)
{
    return d.nutSetbackBassMm != 0 || d.nutSetbackTrebleMm != 0 || d.saddleSetbackBassMm != 0
        || d.saddleSetbackTrebleMm != 0;
}

} // namespace

WorkshopTable::WorkshopTable(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void WorkshopTable::setLayout(const board::BoardLayout& layout)
{
    beginResetModel();
    layout_ = layout;
    rows_.clear();
    const bool perString = StringsDiffer(layout_) && layout_.design.strings > 1;
    for (const board::FretOnString& row : layout_.rows)
        if (perString || row.string == 1)
            rows_.push_back(&row);

    using enum Column;
    columns_ = {Fret};
    if (perString)
        columns_.push_back(String);
    columns_.insert(columns_.end(), {Note, Ratio, Cents, FromNut});
    if (layout_.design.unit == board::Unit::Inch)
        columns_.insert(columns_.end(), {NearestSixtyFourth, SixtyFourthError});
    columns_.insert(columns_.end(), {FretToFret, ToSaddle});
    if (Compensated(layout_.design))
        columns_.insert(columns_.end(), {CompensatedFromNut, CompensatedToSaddle});
    endResetModel();
}

int WorkshopTable::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int WorkshopTable::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

namespace {

// The engine writes every figure, so that the table, its copy and the
// command's table agree to the digit; the locale gives the separator only.
std::string DecimalPoint()
{
    return TableLocale().decimalPoint().toStdString();
}

QString Figure(double value, int decimals)
{
    return QString::fromStdString(board::FixedText(value, decimals, DecimalPoint()));
}

} // namespace

QString WorkshopTable::length(double millimetres) const
{
    return Figure(board::FromMillimetres(millimetres, layout_.design.unit), board::LengthDecimals);
}

QString WorkshopTable::cell(const board::FretOnString& row, Column column) const
{
    switch (column) {
    case Column::Fret:
        return QString::number(row.fret);
    case Column::String:
        return QString::number(row.string);
    case Column::Note:
        return QString::fromStdString(row.note);
    case Column::Ratio:
        return Figure(row.ratio, board::RatioDecimals);
    case Column::Cents:
        return Figure(row.cents, board::CentsDecimals);
    case Column::FromNut:
        return QString::fromStdString(board::FromNutText(layout_, row, DecimalPoint()));
    case Column::NearestSixtyFourth:
        return QString::fromStdString(board::NearestSixtyFourth(row.fromNutMm / board::MillimetresPerInch).Text());
    case Column::SixtyFourthError: {
        const double error = board::NearestSixtyFourth(row.fromNutMm / board::MillimetresPerInch).errorInches;
        return QString::fromStdString(board::InchErrorText(error, DecimalPoint()));
    }
    case Column::FretToFret:
        return length(row.fretToFretMm);
    case Column::ToSaddle:
        return length(row.toSaddleMm);
    case Column::CompensatedFromNut:
        return length(row.compensatedFromNutMm);
    case Column::CompensatedToSaddle:
        return length(row.compensatedToSaddleMm);
    }
    return {};
}

QVariant WorkshopTable::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const board::FretOnString& row = *rows_[static_cast<std::size_t>(index.row())];
    const Column column = columns_[static_cast<std::size_t>(index.column())];
    switch (role) {
    case Qt::DisplayRole:
        return cell(row, column);
    case Qt::TextAlignmentRole:
        return column == Column::Note ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                      : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::AccessibleTextRole:
        // A screen reader reads the cell with what it is.
        return tr("%1 : %2").arg(headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString(),
                                 cell(row, column));
    default:
        return {};
    }
}

QVariant WorkshopTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    if (orientation == Qt::Vertical)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section < 0 || section >= columnCount())
        return {};
    const QString unit = QString::fromUtf8(board::UnitSymbol(layout_.design.unit).data());
    switch (columns_[static_cast<std::size_t>(section)]) {
    case Column::Fret:
        return tr("Frette");
    case Column::String:
        return tr("Corde");
    case Column::Note:
        return tr("Note");
    case Column::Ratio:
        return tr("Rapport");
    case Column::Cents:
        return tr("Cents");
    case Column::FromNut:
        return tr("Depuis le sillet (%1)").arg(unit);
    case Column::NearestSixtyFourth:
        return tr("Au 1/64 in");
    case Column::SixtyFourthError:
        return tr("Écart du 1/64 (in)");
    case Column::FretToFret:
        return tr("Frette à frette (%1)").arg(unit);
    case Column::ToSaddle:
        return tr("Jusqu'au chevalet (%1)").arg(unit);
    case Column::CompensatedFromNut:
        return tr("Compensé, depuis le sillet (%1)").arg(unit);
    case Column::CompensatedToSaddle:
        return tr("Compensé, jusqu'au chevalet (%1)").arg(unit);
    }
    return {};
}

QString WorkshopTable::toText(QChar separator) const
{
    QStringList lines;
    QStringList fields;
    for (int column = 0; column < columnCount(); ++column)
        fields << headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    lines << fields.join(separator);
    for (const board::FretOnString* row : rows_) {
        fields.clear();
        for (const Column column : columns_)
            fields << cell(*row, column);
        lines << fields.join(separator);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString WorkshopTable::toCsv() const
{
    const QChar separator = TableLocale().decimalPoint() == QStringLiteral(",") ? QLatin1Char(';') : QLatin1Char(',');
    const auto quoted = [separator](QString field) {
        if (field.contains(separator) || field.contains(QLatin1Char('"')) || field.contains(QLatin1Char('\n'))
            || field.contains(QLatin1Char('\r'))) {
            field.replace(QStringLiteral("\""), QStringLiteral("\"\""));
            return QStringLiteral("\"%1\"").arg(field);
        }
        return field;
    };
    QStringList lines;
    QStringList fields;
    for (int column = 0; column < columnCount(); ++column)
        fields << quoted(headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
    lines << fields.join(separator);
    for (const board::FretOnString* row : rows_) {
        fields.clear();
        for (const Column column : columns_)
            fields << quoted(cell(*row, column));
        lines << fields.join(separator);
    }
    // CRLF, as RFC 4180 says and spreadsheets read everywhere.
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

} // namespace corvane::atelier
