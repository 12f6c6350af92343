#pragma once

#include "temperament.h"

class QComboBox;

// The form's list of temperaments: what each entry builds, and which row
// of the list holds it. Rows carry their entry as item data, so the
// separators between groups need no counting.
namespace corvane::atelier {

enum class TemperamentKind {
    Classic,
    EqualDivisions,
    Builtin,
    Scala,
};

struct TemperamentEntry {
    TemperamentKind kind = TemperamentKind::Classic;
    int value = 0; // the classic scale or built-in table
};

// The six classic scales, equal divisions, the built-in tables, a Scala
// file, in groups.
void FillTemperamentList(QComboBox& list);

// The entry on a row of the list (the first one for a separator).
TemperamentEntry EntryAt(const QComboBox& list, int row);

// The row that builds this kind of source (its scale or table for the
// classic and built-in ones).
int RowOf(const QComboBox& list, const board::TemperamentSource& source);

} // namespace corvane::atelier
