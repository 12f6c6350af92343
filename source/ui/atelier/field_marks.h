#pragma once

#include <QString>

class QWidget;

namespace corvane::atelier {

// Marks a field that holds what cannot be used: a red background and the
// problem as its tip, the field's own tip coming back once it is right
// again. An empty problem clears the mark.
void MarkField(QWidget* field, const QString& problem);

} // namespace corvane::atelier
