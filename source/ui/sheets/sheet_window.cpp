#include "sheet_window.h"

#include "sheets.h"
#include "twips.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>

namespace corvane::ui {

namespace {

// The frame lines, drawn above the labels: the title label's bottom pixel row
// is the row of the rule under the title, and the rule must show across it.
// The lines cross no box.
class FrameLines : public QWidget {
public:
    FrameLines(const std::vector<SheetLine>& lines, QWidget* sheet)
        : QWidget(sheet)
        , lines_(lines)
    {
        setObjectName(QStringLiteral("FrameLines"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(sheet->rect());
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QColor ink = RoleColour(ColourRole::WindowText);
        for (const SheetLine& line : lines_) {
            // The frame is all horizontal and vertical lines, one pixel wide,
            // end points included. Filling those pixels as a rectangle keeps
            // the line exactly one screen pixel (1/96 inch) wide when the
            // sheet is drawn scaled up for a printer, where a pen would be
            // centred on the pixel edge and lose half its width at the border.
            const QLine pixels = TwipsLine(line.x1, line.y1, line.x2, line.y2);
            Q_ASSERT(pixels.dx() == 0 || pixels.dy() == 0);
            // Cut to the sheet here rather than leave it to the window: on
            // paper nothing else clips a line that runs past the edge.
            painter.fillRect(QRect(pixels.p1(), pixels.p2()).normalized() & rect(), ink);
        }
    }

private:
    const std::vector<SheetLine>& lines_;
};

void SetBackground(QWidget& widget, QPalette::ColorRole role, ColourRole colour)
{
    QPalette palette = widget.palette();
    palette.setColor(role, RoleColour(colour));
    widget.setPalette(palette);
}

QLineEdit* MakeBox(const SheetBox& box, QWidget* sheet)
{
    auto* edit = new QLineEdit(sheet);
    edit->setObjectName(box.name);
    edit->setGeometry(TwipsRect(box.left, box.top, BoxWidthTwips(box.kind), SheetBoxHeightTwips));
    edit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    if (box.kind == SheetBoxKind::Position) {
        edit->setFont(DesignFont(TimesFace, 12, true));
    } else {
        edit->setFont(DesignFont(SansSerifFace, 9.75, false));
        SetBackground(*edit, QPalette::Base, ColourRole::TooltipBackground);
    }
    return edit;
}

QLabel* MakeLabel(const SheetLabel& design, QWidget* sheet)
{
    auto* label = new QLabel(sheet);
    label->setObjectName(design.name);
    label->setGeometry(TwipsRect(design.left, design.top, design.width, design.height));
    // Plain text: the title is whatever the scale list holds, markup included.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(DesignFont(design.font.face, design.font.points, design.font.bold));
    label->setAutoFillBackground(true);
    SetBackground(*label, QPalette::Window, design.background);
    label->setText(design.text);
    return label;
}

} // namespace

SheetWindow::SheetWindow(const SheetDesign& design)
    : ModalWindow(Qt::Tool, design.name, design.caption, design.clientWidth, design.clientHeight)
    , design_(design)
{
    SetBackground(*this, QPalette::Window, ColourRole::InactiveBorder);
    setAutoFillBackground(true);

    for (const SheetLabel& label : design.labels)
        MakeLabel(label, this);
    new FrameLines(design.lines, this);

    // Created in increasing number, so Tab walks them in that order.
    QLineEdit* first = nullptr;
    for (const SheetBox& box : design.boxes) {
        QLineEdit* edit = MakeBox(box, this);
        // A box keeps its own menu (copy, paste…), with the template added.
        edit->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(edit, &QLineEdit::customContextMenuRequested, this, [this, edit](QPoint at) {
            std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
            menu->addSeparator();
            showMenu(*menu, edit->mapToGlobal(at));
        });
        if (box.name == design.diapasonBox)
            edit->setText(QString::fromLatin1(DiapasonText));
        if (first == nullptr)
            first = edit;
    }
    // The sheet opens with the focus on its lowest-numbered box.
    first->setFocus();
}

void SheetWindow::load(const SheetSource& source)
{
    for (const CopyStep& step : design_.load)
        setControlText(step.sheetControl, source.sourceText(step.sourceControl));
    source_ = &source;
}

WindowTemplateTexts SheetWindow::templateTexts() const
{
    if (source_ == nullptr) {
        WindowTemplateTexts none;
        none.error = ClassicProblemText({ board::ProblemKind::NoScaleChosen, {}, {} });
        return none;
    }
    return SnapshotTemplateTexts(*source_);
}

void SheetWindow::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    showMenu(menu, event->globalPos());
}

void SheetWindow::showMenu(QMenu& menu, QPoint globalPosition)
{
    QAction* save = menu.addAction(QStringLiteral("Enregistrer le gabarit…"));
    save->setObjectName(QStringLiteral("SaveTemplate"));
    // Saved once the menu has closed, not from inside its event loop.
    if (menu.exec(globalPosition) == save)
        SaveTemplateInteractively(this, templateTexts());
}

void SheetWindow::setControlText(const QString& control, const QString& text)
{
    QWidget* widget = findChild<QWidget*>(control, Qt::FindDirectChildrenOnly);
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        box->setText(text);
        // Show a long text from its start, not scrolled to its end.
        box->setCursorPosition(0);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
    } else {
        Q_ASSERT_X(false, "SheetWindow::load", "the copy table names a control the sheet lacks");
    }
}

} // namespace corvane::ui
