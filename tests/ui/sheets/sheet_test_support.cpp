#include "sheet_test_support.h"

#include "look.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace corvane::test {

namespace {

// How often the watcher looks for a modal window that has just opened.
constexpr int PollMilliseconds = 10;

QString Run(const char* program, const QStringList& arguments)
{
    QProcess process;
    process.start(QString::fromLocal8Bit(program), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        qWarning("%s failed: %s", program, process.readAllStandardError().constData());
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString Unescape(QString html)
{
    html.replace(QLatin1String("&lt;"), QLatin1String("<"));
    html.replace(QLatin1String("&gt;"), QLatin1String(">"));
    html.replace(QLatin1String("&quot;"), QLatin1String("\""));
    html.replace(QLatin1String("&apos;"), QLatin1String("'"));
    html.replace(QLatin1String("&#39;"), QLatin1String("'"));
    html.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return html;
}

} // namespace

int RunWindowTests(QObject& tests, int argc, char** argv)
{
    QApplication application(argc, argv);
    ui::InstallFontSubstitutions();
    return QTest::qExec(&tests, argc, argv);
}

QString FakeSource::sourceText(const QString& control) const
{
    reads.append(control);
    return texts.value(control);
}

QString DistinctText(const QString& control)
{
    return QStringLiteral("  %1 Ré  <b>x</b> ").arg(control);
}

FakeSource DistinctSource()
{
    FakeSource source;
    QStringList controls { QStringLiteral("Longvib"), QStringLiteral("Combo1") };
    for (int box = 1; box <= 48; ++box)
        controls.append(QStringLiteral("Text%1").arg(box));
    for (const QString& control : controls)
        source.texts.insert(control, DistinctText(control));
    return source;
}

ModalWatcher::ModalWatcher(Handler handler)
    : handler_(std::move(handler))
{
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start(PollMilliseconds);
}

ModalWatcher::~ModalWatcher()
{
    timer_.stop();
}

void ModalWatcher::poll()
{
    // A handler may run an event loop of its own (key clicks, waits); the
    // timer must not start on the same window again meanwhile.
    if (busy_)
        return;
    QWidget* window = QApplication::activeModalWidget();
    if (window == nullptr || !window->isVisible())
        return;
    busy_ = true;
    if (window != last_) {
        last_ = window;
        seen_.append(window->objectName().isEmpty()
                ? QString::fromLatin1(window->metaObject()->className())
                : window->objectName());
        if (handler_)
            handler_(*window);
    }
    if (window == QApplication::activeModalWidget() && window->isVisible())
        window->close();
    busy_ = false;
}

QMap<QString, QString> ControlTexts(const QWidget& window)
{
    QMap<QString, QString> texts;
    for (const QLineEdit* box : window.findChildren<QLineEdit*>())
        texts.insert(box->objectName(), box->text());
    for (const QLabel* label : window.findChildren<QLabel*>())
        texts.insert(label->objectName(), label->text());
    return texts;
}

QSizeF PdfPageSize(const QString& path)
{
    static const QRegularExpression pageSize(
        QStringLiteral(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)"));
    const QRegularExpressionMatch match = pageSize.match(Run(PDFINFO_PROGRAM, { path }));
    if (!match.hasMatch())
        return {};
    return { match.captured(1).toDouble(), match.captured(2).toDouble() };
}

QString PdfText(const QString& path)
{
    return Run(PDFTOTEXT_PROGRAM,
        { QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-") });
}

QList<PdfWord> PdfWords(const QString& path)
{
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    const QString html = Run(PDFTOTEXT_PROGRAM,
        { QStringLiteral("-bbox"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), path,
            QStringLiteral("-") });
    QList<PdfWord> words;
    for (const QRegularExpressionMatch& match : word.globalMatch(html)) {
        words.append({ Unescape(match.captured(5)), match.captured(1).toDouble(),
            match.captured(2).toDouble(), match.captured(3).toDouble(),
            match.captured(4).toDouble() });
    }
    return words;
}

QImage PdfPageImage(const QString& path, int dotsPerInch)
{
    const QString prefix = path + QStringLiteral(".page");
    Run(PDFTOPPM_PROGRAM,
        { QStringLiteral("-r"), QString::number(dotsPerInch), QStringLiteral("-gray"),
            QStringLiteral("-singlefile"), path, prefix });
    return QImage(prefix + QStringLiteral(".pgm"));
}

std::optional<PdfWord> UniquePdfWord(const QList<PdfWord>& words, const QString& text)
{
    std::optional<PdfWord> found;
    for (const PdfWord& word : words) {
        if (word.text != text)
            continue;
        if (found)
            return std::nullopt;
        found = word;
    }
    return found;
}

} // namespace corvane::test
