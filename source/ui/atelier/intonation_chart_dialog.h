#pragma once

#include "drawing.h"
#include "layout.h"

#include <QDialog>

class QPushButton;

namespace corvane::atelier {

// The intonation chart of the design's strings, drawn as it is exported,
// with buttons to write it as SVG or PNG.
class IntonationChartDialog : public QDialog {
    Q_OBJECT

public:
    IntonationChartDialog(
        const board::BoardLayout& layout, const QString& suggestedPath, QWidget* parent = nullptr);

    const drawing::Drawing& chart() const { return chart_; }
    // Writes the chart, SVG or PNG by the name's extension; the problem in
    // the interface's language, or an empty text.
    QString exportTo(const QString& path) const;

private:
    void exportChart();

    drawing::Drawing chart_;
    QString title_;
    QString suggestedPath_;
};

} // namespace corvane::atelier
