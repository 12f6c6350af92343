#pragma once

// What the window tests of the sheets share: a stand-in for the main window
// made of a table of texts, a watcher that closes modal windows as they
// appear, and the reading of a printed PDF with poppler's command-line tools.

#include "sheets.h"

#include <QImage>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

class QObject;

namespace corvane::test {

// The scale kinds the print button tells apart, and the sheet each opens.
inline constexpr int Diatonic = 1;
inline constexpr int Chromatic = 2;

inline QString SheetName(int kind)
{
    return kind == Diatonic ? QStringLiteral("Capture1") : QStringLiteral("Capture");
}

// Runs a QtTest object as the program does its windows: with the classic
// font faces mapped to the ones this system has.
int RunWindowTests(QObject& tests, int argc, char** argv);

// The main window as a table of control texts. Controls not in the table
// read as empty. It also records which controls a sheet read, in order.
class FakeSource : public ui::SheetSource {
public:
    QString sourceText(const QString& control) const override;

    QMap<QString, QString> texts;
    mutable QStringList reads;
};

// Every control a sheet can read ("Longvib", "Combo1", "Text1".."Text48"),
// each with a text of its own that no other control has. The texts carry
// what a careless copy would lose: leading, inner and trailing blanks,
// accented letters and something that looks like markup.
FakeSource DistinctSource();
QString DistinctText(const QString& control);

// Prints nothing. The sheets are looked at, not printed, in most tests.
class NoPrinting : public ui::SheetPrinting {
public:
    void printSheet(QWidget&) override { }
};

// Watches for modal windows while it lives. Each window that appears is
// handed to the handler, if any, and then closed with the platform's close
// command, as the user's click on the title bar's close button does. A test
// that expects a window checks seen() afterwards and so fails, instead of
// hanging, when the window did not open.
class ModalWatcher {
public:
    using Handler = std::function<void(QWidget& window)>;

    explicit ModalWatcher(Handler handler = {});
    ~ModalWatcher();

    // Object names of the windows seen, in order; the class name for a
    // window without one (the print dialog).
    const QStringList& seen() const noexcept { return seen_; }

private:
    void poll();

    QTimer timer_;
    Handler handler_;
    QStringList seen_;
    QPointer<QWidget> last_;
    bool busy_ = false;
};

// The texts of the window's text boxes and labels, by object name.
QMap<QString, QString> ControlTexts(const QWidget& window);

// A word of a PDF page and its box, in points from the page's top-left.
struct PdfWord {
    QString text;
    double xMin, yMin, xMax, yMax;
};

// The size of the first page in points (pdfinfo).
QSizeF PdfPageSize(const QString& path);
// All text of the document (pdftotext), UTF-8.
QString PdfText(const QString& path);
// Every word with its place (pdftotext -bbox).
QList<PdfWord> PdfWords(const QString& path);
// The first page drawn in grey levels at the given resolution (pdftoppm).
QImage PdfPageImage(const QString& path, int dotsPerInch);
// The word with this text, if exactly one word of the page has it.
std::optional<PdfWord> UniquePdfWord(const QList<PdfWord>& words, const QString& text);

} // namespace corvane::test
