#include "intonation_chart_dialog.h"

#include "file_names.h"
#include "image_export.h"
#include "intonation_chart.h"
#include "painter_renderer.h"
#include "problem_text.h"
#include "template_format.h"
#include "translation.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane::atelier {

namespace {

// The chart, scaled to the widget, on white.
class ChartView : public QWidget {
public:
    explicit ChartView(const drawing::Drawing& chart, QWidget* parent = nullptr)
        : QWidget(parent)
        , chart_(chart)
    {
        setMinimumSize(640, 420);
        setAccessibleName(IntonationChartDialog::tr("Courbe de justesse"));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setRenderHint(QPainter::Antialiasing);
        const double scale = std::min(width() / chart_.widthMm, height() / chart_.heightMm);
        drawing::RenderDrawing(chart_, painter, scale);
    }

private:
    const drawing::Drawing& chart_;
};

} // namespace

IntonationChartDialog::IntonationChartDialog(
    const board::BoardLayout& layout, const QString& suggestedPath, QWidget* parent)
    : QDialog(parent)
    , chart_(drawing::IntonationChart(layout, language::InterfaceTemplateWords()))
    , title_(QString::fromStdString(layout.temperament.name))
    , suggestedPath_(suggestedPath)
{
    setWindowTitle(tr("Courbe de justesse"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(new ChartView(chart_, this), 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* exportButton
        = buttons->addButton(tr("&Exporter (SVG ou PNG)…"), QDialogButtonBox::ActionRole);
    connect(exportButton, &QPushButton::clicked, this, &IntonationChartDialog::exportChart);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
}

QString IntonationChartDialog::exportTo(const QString& path) const
{
    const auto failure
        = drawing::WriteChartFile(chart_, title_.toStdString(), drawing::NativeFileName(path));
    return failure ? language::WriteProblemText(*failure) : QString();
}

void IntonationChartDialog::exportChart()
{
    QString path = QFileDialog::getSaveFileName(this, tr("Exporter la courbe de justesse"),
        suggestedPath_, tr("Image SVG (*.svg);;Image PNG (*.png)"));
    if (path.isEmpty())
        return;
    if (!drawing::ChartFormatOf(path.toStdString()))
        path += QStringLiteral(".svg");
    const QString problem = exportTo(path);
    if (!problem.isEmpty())
        QMessageBox::warning(this, tr("Courbe non exportée"), problem);
}

} // namespace corvane::atelier
