#pragma once

#include "drawing.h"
#include "paginator.h"

#include <QDialog>

class QComboBox;
class QLabel;

namespace corvane::atelier {

// Asked once a PDF file is chosen for the template, as drawing programs ask
// a format's options after its file: the paper the pages are tiled on, and
// how many pages each paper takes. The choice is remembered; the first
// time, it is the region's usual paper (Letter in North America, A4
// elsewhere). SVG and DXF are at true size on no paper and ask nothing.
class PdfPaperDialog : public QDialog {
    Q_OBJECT

public:
    explicit PdfPaperDialog(const drawing::Drawing& board, QWidget* parent = nullptr);

    drawing::Paper paper() const;
    // "a4", "letter", "a3" or "legal".
    QString paperName() const;
    QComboBox* paperField() const { return paperList_; }

    // Accepting remembers the paper for the next export.
    void accept() override;

private:
    void showPageCount();

    const drawing::Drawing& board_;
    QComboBox* paperList_ = nullptr;
    QLabel* pageCount_ = nullptr;
};

} // namespace corvane::atelier
