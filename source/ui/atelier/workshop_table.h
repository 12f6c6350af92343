#pragma once

#include "layout.h"
#include "table_columns.h"

#include <QAbstractTableModel>
#include <QString>

#include <vector>

namespace corvane::atelier {

// The workshop table: one row per fret, or per fret and string when the
// strings differ in length (a fanned board, or compensation that differs
// across the board). Figures come from the engine's layout as they are;
// this model only chooses columns and writes numbers.
//
// Columns: fret, [string], note, ratio, cents, from nut, [nearest 1/64 in,
// its error], fret to fret, to saddle, [compensated from nut, compensated
// to saddle]. Bracketed ones appear when they say something.
class WorkshopTable : public QAbstractTableModel {
    Q_OBJECT

public:
    using Column = board::TableColumn;

    explicit WorkshopTable(QObject* parent = nullptr);

    void setLayout(const board::BoardLayout& layout);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const std::vector<Column>& columns() const { return columns_; }
    // The whole table as lines of fields, the header first, as shown.
    QString toText(QChar separator) const;
    // CSV (RFC 4180): fields quoted when they hold the separator, a quote
    // or a line break; the separator is the semicolon where the decimal
    // separator is the comma, as spreadsheets there expect.
    QString toCsv() const;

private:
    QString cell(const board::FretOnString& row, Column column) const;

    const board::BoardLayout* layout_ = nullptr; // the document's, which outlives the table
    std::vector<const board::FretOnString*> rows_;
    std::vector<Column> columns_;
};

} // namespace corvane::atelier
