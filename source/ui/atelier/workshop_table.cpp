#include "workshop_table.h"

#include "csv.h"

#include "table_columns.h"
#include "translation.h"
#include "words.h"

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

} // namespace

WorkshopTable::WorkshopTable(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void WorkshopTable::setLayout(const board::BoardLayout& layout)
{
    beginResetModel();
    layout_ = &layout;
    rows_.clear();
    const bool perString = board::StringsDiffer(layout_->design) && layout_->design.strings > 1;
    for (const board::FretOnString* row : board::TableRows(*layout_))
        if (perString || row->string == 1)
            rows_.push_back(row);

    using enum Column;
    columns_ = { Fret };
    if (perString)
        columns_.push_back(String);
    columns_.insert(columns_.end(), { Note, Ratio, Cents, FromNut });
    if (layout_->design.unit == board::Unit::Inch)
        columns_.insert(columns_.end(), { NearestSixtyFourth, SixtyFourthError });
    columns_.insert(columns_.end(), { FretToFret, ToSaddle });
    if (board::Compensated(layout_->design))
        columns_.insert(columns_.end(), { CompensatedFromNut, CompensatedToSaddle });
    if (board::HasErrors(*layout_))
        columns_.push_back(ErrorCents);
    if (board::HasFretlets(*layout_))
        columns_.push_back(FretletFromNut);
    if (board::HasRadius(*layout_))
        columns_.insert(columns_.end(), { Radius, EdgeDrop });
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

} // namespace

QString WorkshopTable::cell(const board::FretOnString& row, Column column) const
{
    return QString::fromStdString(board::CellText(*layout_, row, column, DecimalPoint()));
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
        return tr("%1 : %2").arg(
            headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString(),
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
    return QString::fromStdString(
        language::TableHeading(columns_[static_cast<std::size_t>(section)],
            language::CurrentLanguage(), layout_->design.unit));
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
    // Where the decimal separator is the comma, spreadsheets expect fields
    // delimited by semicolons; CRLF, as RFC 4180 says and they all read.
    const bool decimalComma = TableLocale().decimalPoint() == QStringLiteral(",");
    const board::CsvDialect dialect { decimalComma ? ";" : ",", "\r\n", "." };
    std::vector<std::string> fields;
    for (int column = 0; column < columnCount(); ++column)
        fields.push_back(
            headerData(column, Qt::Horizontal, Qt::DisplayRole).toString().toStdString());
    std::string text = board::CsvLine(fields, dialect);
    for (const board::FretOnString* row : rows_) {
        fields.clear();
        for (const Column column : columns_)
            fields.push_back(cell(*row, column).toStdString());
        text += board::CsvLine(fields, dialect);
    }
    return QString::fromStdString(text);
}

} // namespace corvane::atelier
