#include "title_block.h"

#ifndef CORVANE_VERSION
#error "CORVANE_VERSION must be defined by the build"
#endif

namespace corvane::drawing {

namespace {

constexpr double FrameLineMm = 0.3;

void AddLine(Drawing& drawing, Point from, Point to)
{
    drawing.lines.push_back(Line { from, to, Layer::TitleBlock, FrameLineMm, false });
}

void AddText(Drawing& drawing, Point at, std::string text, double height)
{
    drawing.texts.push_back(
        Text { at, std::move(text), height, Layer::TitleBlock, Anchor::Left, 0, {} });
}

} // namespace

void AddTitleBlock(Drawing& drawing, Point topLeft, const TitleBlockText& text)
{
    const double left = topLeft.x;
    const double top = topLeft.y;
    const double right = left + TitleBlockWidthMm;
    const double bottom = top + TitleBlockHeightMm;
    AddLine(drawing, { left, top }, { right, top });
    AddLine(drawing, { right, top }, { right, bottom });
    AddLine(drawing, { right, bottom }, { left, bottom });
    AddLine(drawing, { left, bottom }, { left, top });

    const double x = left + 3.0;
    AddText(drawing, { x, top + 7.0 }, text.title, 4.0);
    AddText(drawing, { x, top + 13.0 }, text.particulars, 2.8);
    AddText(drawing, { x, top + 19.0 }, text.measuring, 2.8);
    AddText(drawing, { x, top + 26.0 }, "Corvane " CORVANE_VERSION "    " + text.date, 2.5);
}

} // namespace corvane::drawing
