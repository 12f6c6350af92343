#include "look.h"

#include <QApplication>
#include <QPalette>

#include <dlfcn.h>

namespace corvane::ui {

void InstallFontSubstitutions()
{
    QFont::insertSubstitutions(SansSerifFace, { "Liberation Sans", "Arimo", "DejaVu Sans" });
    QFont::insertSubstitutions(ArialFace, { "Liberation Sans", "Arimo", "DejaVu Sans" });
    QFont::insertSubstitutions(TimesFace, { "Liberation Serif", "Tinos", "DejaVu Serif" });
}

std::future<void> ReadFontConfigurationAhead()
{
    // Qt loads fontconfig with its font database; looking the function up
    // rather than linking it keeps the program free of a build dependency
    // on it, and of any effect where Qt does not use it.
    using FcInitFunction = int (*)();
    auto* const fcInit = reinterpret_cast<FcInitFunction>(dlsym(RTLD_DEFAULT, "FcInit"));
    if (fcInit == nullptr)
        return std::async(std::launch::deferred, [] {});
    return std::async(std::launch::async, [fcInit] { fcInit(); });
}

QFont DesignFont(const char* face, double points, bool bold)
{
    const QString family = QString::fromLatin1(face);
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setStyleHint(family == QLatin1String(TimesFace) ? QFont::Serif : QFont::SansSerif);
    return font;
}

QColor RoleColour(ColourRole role)
{
    const QPalette palette = QApplication::palette();
    switch (role) {
    case ColourRole::Window:
        return palette.color(QPalette::Active, QPalette::Base);
    case ColourRole::WindowText:
        return palette.color(QPalette::Active, QPalette::Text);
    case ColourRole::ButtonFace:
        return palette.color(QPalette::Active, QPalette::Button);
    case ColourRole::TooltipBackground:
        return palette.color(QPalette::Active, QPalette::ToolTipBase);
    case ColourRole::Desktop:
        return palette.color(QPalette::Active, QPalette::Dark);
    case ColourRole::InactiveBorder:
        return palette.color(QPalette::Inactive, QPalette::Window);
    case ColourRole::InactiveCaptionText:
        return palette.color(QPalette::Inactive, QPalette::Midlight);
    }
    return palette.color(QPalette::Window);
}

} // namespace corvane::ui
