#include "field_marks.h"

#include <QColor>
#include <QPalette>
#include <QPushButton>
#include <QVariant>
#include <QWidget>

namespace corvane::atelier {

namespace {

const QColor BadFieldBase(255, 214, 214);

} // namespace

void MarkField(QWidget* field, const QString& problem)
{
    if (!field)
        return;
    const bool bad = !problem.isEmpty();
    if (field->property("marked").toBool() != bad) {
        field->setProperty("marked", bad);
        if (bad) {
            field->setProperty("ownToolTip", field->toolTip());
            QPalette palette = field->palette();
            palette.setColor(QPalette::Base, BadFieldBase);
            palette.setColor(QPalette::Button, BadFieldBase);
            palette.setColor(QPalette::Text, Qt::black);
            palette.setColor(QPalette::ButtonText, Qt::black);
            field->setPalette(palette);
            field->setAutoFillBackground(qobject_cast<QPushButton*>(field) != nullptr);
        } else {
            field->setPalette(QPalette());
            field->setAccessibleDescription(QString());
        }
    }
    field->setToolTip(bad ? problem : field->property("ownToolTip").toString());
}

} // namespace corvane::atelier
