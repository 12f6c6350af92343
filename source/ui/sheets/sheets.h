#pragma once

#include <QString>

#include <memory>

class QWidget;

namespace corvane::ui {

// What a sheet copies from: the main window on screen. The sheets only read it.
class SheetSource {
public:
    virtual ~SheetSource() = default;

    // The text a sheet copies for a main-window control: the current text
    // of "Combo1" and "Text1" to "Text48"; for "Longvib", the length the
    // positions in those boxes were computed from.
    virtual QString sourceText(const QString& control) const = 0;
};

// How the print button prints a loaded sheet, between loading it and
// showing it. The window uses the print dialog; tests inject a PDF file.
class SheetPrinting {
public:
    virtual ~SheetPrinting() = default;

    virtual void printSheet(QWidget& sheet) = 0;
};

// The standard print dialog, default printer preselected, PDF file offered.
std::unique_ptr<SheetPrinting> MakeDialogPrinting(QWidget* dialogParent);
// Prints straight to a PDF file, no dialog; a file that cannot be written
// whole is reported in a message box, as the dialog's printing does.
std::unique_ptr<SheetPrinting> MakePdfFilePrinting(const QString& path);

// The "?" button: the about window, created afresh and shown modal.
void OpenInfo();

// The print button: for scaleKind 1 the diatonic sheet, for 2 the chromatic
// sheet, for anything else nothing. The sheet is created afresh, loaded from
// the source, offered for printing, then shown modal.
void OpenSheet(int scaleKind, const SheetSource& source, SheetPrinting& printing);

} // namespace corvane::ui
