#pragma once

#include <QColor>
#include <QFont>

#include <future>

namespace corvane::ui {

// The three classic faces the windows were designed with. They are missing
// on most Linux systems; InstallFontSubstitutions maps them to the
// metric-compatible Liberation faces, so text fits the boxes it was sized for.
inline constexpr const char* SansSerifFace = "MS Sans Serif";
inline constexpr const char* ArialFace = "Arial";
inline constexpr const char* TimesFace = "Times New Roman";

void InstallFontSubstitutions();

// Reading the system's font configuration is the longest step of starting
// the font system, which Qt does on the first text it lays out. This reads
// it now, on a thread of its own, where the font system is built on
// fontconfig; elsewhere it does nothing. Started before the application
// object, it runs while the application connects to the display. Wait for
// the result before the first widget is created.
std::future<void> ReadFontConfigurationAhead();

QFont DesignFont(const char* face, double points, bool bold);

// The colour roles the windows name, taken from the application palette.
enum class ColourRole {
    Window, // text-box background: QPalette::Base
    WindowText, // text and lines: QPalette::Text
    ButtonFace, // buttons, picture boxes: QPalette::Button
    TooltipBackground, // note boxes, light labels: QPalette::ToolTipBase
    Desktop, // behind the main picture: QPalette::Dark (Qt has no desktop role)
    InactiveBorder, // sheet background: QPalette::Window of the inactive group
    InactiveCaptionText, // a sheet heading: QPalette::Midlight of the inactive group
};

QColor RoleColour(ColourRole role);

} // namespace corvane::ui
