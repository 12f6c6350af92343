#include "atelier_window.h"

#include "board_drawing.h"
#include "board_view.h"
#include "cut_options_box.h"
#include "design_form.h"
#include "intonation_chart_dialog.h"
#include "pictures.h"
#include "recent_files.h"
#include "slotting_dialog.h"
#include "strings_panel.h"
#include "template_export.h"
#include "translation.h"
#include "workshop_table.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDate>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScrollArea>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

namespace corvane::atelier {
namespace {

QSettings WindowSettings()
{
    return QSettings(QStringLiteral("Corvane"), QStringLiteral("Atelier"));
}

// The engine writes its messages as the end of a sentence; the status bar
// shows them as a sentence of their own.
QString Capitalised(QString message)
{
    if (!message.isEmpty())
        message[0] = message[0].toUpper();
    return message;
}

} // namespace

AtelierWindow::AtelierWindow(QWidget* parent)
    : QMainWindow(parent)
    , document_(board::Design {}, language::InterfaceNoteNaming(),
          [](const std::string& name) { return language::TemperamentNameText(name).toStdString(); })
    , form_(new DesignForm(document_))
    , view_(new BoardView)
    , tableView_(new QTableView)
    , table_(new WorkshopTable(this))
{
    setObjectName(QStringLiteral("AtelierWindow"));
    setAcceptDrops(true);
    // The desktop finds the larger sizes through the desktop file; these
    // two are for window frames and task switchers that ask the window.
    QIcon icon;
    for (const int size : { 48, 128 })
        icon.addPixmap(QPixmap::fromImage(
            ui::ReadPicture(QStringLiteral(":/atelier/corvane-atelier-%1.png").arg(size))));
    setWindowIcon(icon);

    cutOptions_ = new CutOptionsBox(document_);
    form_->addGroup(cutOptions_);
    auto* formArea = new QScrollArea;
    formArea->setWidget(form_);
    formArea->setWidgetResizable(true);
    formArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    formArea->setMinimumWidth(form_->sizeHint().width() + 24);
    formArea->setFrameShape(QFrame::NoFrame);

    tableView_->setModel(table_);
    tableView_->setAccessibleName(tr("Tableau d'atelier"));
    tableView_->setAccessibleDescription(
        tr("Position de chaque frette : note, rapport, cents et distances"));
    tableView_->setAlternatingRowColors(true);
    tableView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tableView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableView_->setTabKeyNavigation(false); // Tab leaves the table, as in a form
    tableView_->verticalHeader()->hide();
    // Columns are fitted to their contents when they change, not at every
    // keystroke: measuring every cell's text would cost more than the rest
    // of an update.
    tableView_->horizontalHeader()->setStretchLastSection(true);
    connect(table_, &QAbstractItemModel::modelReset, this, [this] {
        if (table_->columns() != shownColumns_) {
            shownColumns_ = table_->columns();
            tableView_->resizeColumnsToContents();
        }
    });

    auto* rightSide = new QSplitter(Qt::Vertical);
    rightSide->setObjectName(QStringLiteral("drawingAndTable"));
    rightSide->addWidget(view_);
    // The table and the strings share the space under the drawing.
    auto* below = new QTabWidget;
    below->setObjectName(QStringLiteral("tableAndStrings"));
    below->addTab(tableView_, tr("&Tableau d'atelier"));
    // The strings are built when their tab is first shown: most boards
    // are drawn without them, and the window opens sooner.
    stringsPage_ = new QWidget;
    auto* stringsPageLayout = new QVBoxLayout(stringsPage_);
    stringsPageLayout->setContentsMargins(0, 0, 0, 0);
    below->addTab(stringsPage_, tr("Co&rdes"));
    connect(below, &QTabWidget::currentChanged, this, [this, below](int index) {
        if (below->widget(index) == stringsPage_)
            stringsPanel();
    });
    below->setDocumentMode(true);
    rightSide->addWidget(below);
    rightSide->setStretchFactor(0, 3);
    rightSide->setStretchFactor(1, 2);
    rightSide->setChildrenCollapsible(false);

    auto* sides = new QSplitter(Qt::Horizontal);
    sides->setObjectName(QStringLiteral("formAndBoard"));
    sides->addWidget(formArea);
    sides->addWidget(rightSide);
    sides->setStretchFactor(1, 1);
    sides->setChildrenCollapsible(false);
    setCentralWidget(sides);

    // The form's problem stays in the status bar while it lasts: a widget
    // of the bar, which menu tips cover for a moment but do not erase.
    problem_ = new QLabel;
    problem_->setAccessibleName(tr("Problème de saisie"));
    QPalette warning = problem_->palette();
    warning.setColor(QPalette::WindowText, QColor(160, 0, 0));
    problem_->setPalette(warning);
    statusBar()->addWidget(problem_, 1);
    summary_ = new QLabel;
    statusBar()->addPermanentWidget(summary_);

    createActions();
    createMenus();
    createToolBar();

    // The form, then the drawing, then the table: the order the eye and
    // the Tab key follow.
    setTabOrder(form_, view_);
    setTabOrder(view_, tableView_);

    // Every view is drawn again from the document when it changes.
    document_.Subscribe([this](board::DesignDocument::Change change) {
        if (change == board::DesignDocument::Change::Refused)
            showProblem(form_->designProblemText(*document_.problem()));
        else
            showLayout();
        setWindowModified(document_.modified());
    });
    // A field typed into something unusable is an edit not saved yet.
    connect(form_, &DesignForm::designInvalid, this, [this](const QString& message) {
        showProblem(message);
        setWindowModified(true);
    });
    connect(form_, &DesignForm::unitChosen, this,
        [](const QString& symbol) { RememberUnitSymbol(symbol); });

    QSettings settings = WindowSettings();
    if (!restoreGeometry(settings.value(QStringLiteral("geometry")).toByteArray()))
        resize(1280, 800);
    sides->restoreState(settings.value(QStringLiteral("formAndBoard")).toByteArray());
    if (!rightSide->restoreState(settings.value(QStringLiteral("drawingAndTable")).toByteArray()))
        rightSide->setSizes({ 400, 300 });

    startNewDesign();
}

StringsPanel* AtelierWindow::stringsPanel()
{
    if (!strings_) {
        strings_ = new StringsPanel(document_);
        stringsPage_->layout()->addWidget(strings_);
        strings_->show(); // at once, not after the tab's first paint
        connect(strings_, &StringsPanel::chartRequested, this, &AtelierWindow::showIntonationChart);
    }
    return strings_;
}

void AtelierWindow::startNewDesign()
{
    // The engine's default board, in the unit the user worked in last, cut
    // and slotted as last time.
    board::Design fresh;
    if (const auto unit = board::ParseUnit(LastUnitSymbol().toStdString()))
        fresh.unit = *unit;
    fresh.cut = CutOptionsBox::Remembered();
    fresh.router = SlottingDialog::Remembered();
    document_.Renew(fresh);
    setCurrentFile(QString());
}

namespace {

// The platform's keys for a standard action, or ours where the platform has
// none (Save As outside GNOME and KDE): every action keeps its keys.
class Shortcut {
public:
    Shortcut(QKeySequence::StandardKey standard, const QString& fallback)
        : sequences_(QKeySequence::keyBindings(standard))
    {
        if (sequences_.isEmpty())
            sequences_ = { QKeySequence(fallback) };
    }
    Shortcut(const QKeySequence& own)
    {
        if (!own.isEmpty())
            sequences_ = { own };
    }
    QList<QKeySequence> sequences() const { return sequences_; }

private:
    QList<QKeySequence> sequences_;
};

} // namespace

void AtelierWindow::createActions()
{
    const auto make = [this](const QString& text, const QString& icon, const Shortcut& shortcut,
                          const QString& tip, auto slot) {
        auto* action = new QAction(icon.isEmpty() ? QIcon() : QIcon::fromTheme(icon), text, this);
        action->setShortcuts(shortcut.sequences());
        action->setStatusTip(tip);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    newAction_ = make(tr("&Nouveau"), QStringLiteral("document-new"),
        Shortcut(QKeySequence::New, QStringLiteral("Ctrl+N")),
        tr("Commencer un nouveau dessin de touche"), &AtelierWindow::newDesign);
    openAction_ = make(tr("&Ouvrir…"), QStringLiteral("document-open"),
        Shortcut(QKeySequence::Open, QStringLiteral("Ctrl+O")), tr("Ouvrir un dessin enregistré"),
        &AtelierWindow::open);
    saveAction_ = make(tr("&Enregistrer"), QStringLiteral("document-save"),
        Shortcut(QKeySequence::Save, QStringLiteral("Ctrl+S")), tr("Enregistrer le dessin"),
        &AtelierWindow::save);
    saveAsAction_ = make(tr("Enregistrer &sous…"), QStringLiteral("document-save-as"),
        Shortcut(QKeySequence::SaveAs, QStringLiteral("Ctrl+Shift+S")),
        tr("Enregistrer le dessin dans un autre fichier"), &AtelierWindow::saveAs);
    exportTemplateAction_ = make(tr("E&xporter le gabarit…"), QStringLiteral("document-export"),
        QKeySequence(tr("Ctrl+E")),
        tr("Écrire le gabarit en grandeur réelle : PDF par pages, SVG ou DXF"),
        &AtelierWindow::exportTemplate);
    exportTableAction_ = make(tr("Exporter le &tableau CSV…"), QString(), QKeySequence(),
        tr("Écrire le tableau d'atelier dans un fichier CSV"), &AtelierWindow::exportTable);
    exportProgramAction_ = make(tr("Exporter le programme de &rainurage…"), QString(),
        QKeySequence(), tr("Écrire le programme G-code qui fraise les fentes des frettes"),
        &AtelierWindow::exportSlottingProgram);
    exportGaugesAction_ = make(tr("Exporter les gabarits de ra&yon…"), QString(), QKeySequence(),
        tr("Écrire en grandeur réelle les gabarits du bombé de la touche, pour le poncer"),
        &AtelierWindow::exportRadiusGauges);
    printAction_ = make(tr("&Imprimer…"), QStringLiteral("document-print"),
        Shortcut(QKeySequence::Print, QStringLiteral("Ctrl+P")),
        tr("Imprimer le gabarit en grandeur réelle, sur autant de pages qu'il faut"),
        &AtelierWindow::print);
    quitAction_ = make(tr("&Quitter"), QStringLiteral("application-exit"),
        Shortcut(QKeySequence::Quit, QStringLiteral("Ctrl+Q")), tr("Fermer l'Atelier"),
        &QWidget::close);
    copyTableAction_ = make(tr("&Copier le tableau"), QStringLiteral("edit-copy"),
        Shortcut(QKeySequence::Copy, QStringLiteral("Ctrl+C")),
        tr("Copier le tableau d'atelier, colonnes séparées par des tabulations"),
        &AtelierWindow::copyTable);
    zoomInAction_ = make(tr("Zoom &avant"), QStringLiteral("zoom-in"),
        Shortcut(QKeySequence::ZoomIn, QStringLiteral("Ctrl++")), tr("Agrandir le dessin"),
        [this] { view_->zoomIn(); });
    zoomInAction_->setShortcuts(zoomInAction_->shortcuts() << QKeySequence(tr("Ctrl+=")));
    zoomOutAction_ = make(tr("Zoom a&rrière"), QStringLiteral("zoom-out"),
        Shortcut(QKeySequence::ZoomOut, QStringLiteral("Ctrl+-")), tr("Réduire le dessin"),
        [this] { view_->zoomOut(); });
    zoomFitAction_ = make(tr("&Ajuster à la fenêtre"), QStringLiteral("zoom-fit-best"),
        QKeySequence(tr("Ctrl+0")), tr("Montrer toute la touche"), [this] { view_->zoomToFit(); });
    zoomTrueSizeAction_ = make(tr("&Taille réelle"), QStringLiteral("zoom-original"),
        QKeySequence(tr("Ctrl+1")), tr("Un millimètre de la touche pour un millimètre de l'écran"),
        [this] { view_->zoomToTrueSize(); });
    aboutAction_ = make(tr("À &propos de Corvane Atelier"), QStringLiteral("help-about"),
        QKeySequence(), tr("Version et licence"), &AtelierWindow::about);
    clearRecentAction_ = make(tr("&Effacer la liste"), QString(), QKeySequence(),
        tr("Oublier les fichiers récents"), [this] {
            ClearRecentFiles();
            updateRecentFiles();
        });
}

void AtelierWindow::createMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&Fichier"));
    file->addAction(newAction_);
    file->addAction(openAction_);
    recentMenu_ = file->addMenu(tr("Ouvrir &récent"));
    file->addAction(saveAction_);
    file->addAction(saveAsAction_);
    file->addSeparator();
    file->addAction(exportTemplateAction_);
    file->addAction(exportTableAction_);
    file->addAction(exportProgramAction_);
    file->addAction(exportGaugesAction_);
    file->addAction(printAction_);
    file->addSeparator();
    file->addAction(quitAction_);
    updateRecentFiles();

    QMenu* edit = menuBar()->addMenu(tr("É&dition"));
    edit->addAction(copyTableAction_);

    QMenu* display = menuBar()->addMenu(tr("&Affichage"));
    display->addAction(zoomInAction_);
    display->addAction(zoomOutAction_);
    display->addAction(zoomFitAction_);
    display->addAction(zoomTrueSizeAction_);

    QMenu* help = menuBar()->addMenu(tr("Aid&e"));
    help->addAction(aboutAction_);
}

void AtelierWindow::createToolBar()
{
    QToolBar* tools = addToolBar(tr("Outils"));
    tools->setObjectName(QStringLiteral("tools"));
    tools->addAction(newAction_);
    tools->addAction(openAction_);
    tools->addAction(saveAction_);
    tools->addSeparator();
    tools->addAction(exportTemplateAction_);
    tools->addAction(printAction_);
    tools->addSeparator();
    tools->addAction(zoomInAction_);
    tools->addAction(zoomOutAction_);
    tools->addAction(zoomFitAction_);
}

void AtelierWindow::updateRecentFiles()
{
    recentMenu_->clear();
    const QStringList files = RecentFiles();
    for (int i = 0; i < files.size(); ++i) {
        // "&1 name": the digit chooses it from the keyboard.
        const QString name
            = QFileInfo(files[i]).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = recentMenu_->addAction(
            tr("&%1 %2").arg(i + 1).arg(name), this, &AtelierWindow::openRecent);
        action->setData(files[i]);
        action->setStatusTip(files[i]);
    }
    if (!files.isEmpty())
        recentMenu_->addSeparator();
    recentMenu_->addAction(clearRecentAction_);
    clearRecentAction_->setEnabled(!files.isEmpty());
    recentMenu_->setEnabled(true);
}

void AtelierWindow::showLayout()
{
    const board::BoardLayout& layout = document_.layout();
    drawing::BoardDrawingOptions options;
    options.cut = layout.design.cut;
    options.titleBlock = false;
    options.decimalSeparator = QLocale().decimalPoint().toStdString();
    options.words = language::InterfaceTemplateWords();
    drawing_ = drawing::BoardDrawing(layout, options);
    view_->setDrawing(drawing_);
    table_->setLayout(layout);
    exportGaugesAction_->setEnabled(layout.design.IsRadiused());
    if (strings_)
        strings_->showLayout();
    form_->setNoteNamesAvailable(!layout.temperament.semitones.empty());
    problem_->clear();

    const board::Design& shown = layout.design;
    const QString unit = QString::fromUtf8(board::UnitSymbol(shown.unit).data());
    const auto length = [&](double mm) {
        return QLocale().toString(board::FromMillimetres(mm, shown.unit), 'f',
            shown.unit == board::Unit::Millimetre ? 1 : 3);
    };
    const QString lengths = shown.IsFanned()
        ? tr("%1 à %2 %3").arg(length(shown.bassLengthMm), length(shown.trebleLengthMm), unit)
        : tr("%1 %2").arg(length(shown.bassLengthMm), unit);
    summary_->setText(tr("%1 · %2 frettes · %3 cordes · %4")
                          .arg(QString::fromStdString(layout.temperament.name))
                          .arg(shown.frets)
                          .arg(shown.strings)
                          .arg(lengths));
    view_->setAccessibleDescription(summary_->text());
}

void AtelierWindow::showIntonationChart()
{
    if (document_.layout().stringReports.empty())
        return;
    IntonationChartDialog dialog(document_.layout(), suggestedPath(QStringLiteral(".svg")), this);
    dialog.exec();
}

drawing::Drawing AtelierWindow::templateDrawing() const
{
    drawing::BoardDrawingOptions options;
    options.cut = document_.design().cut;
    options.decimalSeparator = QLocale().decimalPoint().toStdString();
    options.date = QDate::currentDate().toString(Qt::ISODate).toStdString();
    options.words = language::InterfaceTemplateWords();
    return drawing::BoardDrawing(document_.layout(), options);
}

void AtelierWindow::showProblem(const QString& message)
{
    // The drawing and the table keep the last valid design.
    problem_->setText(Capitalised(message));
    // Read by screen readers: the problem itself, not only what the label is.
    problem_->setAccessibleName(message.isEmpty()
            ? tr("Problème de saisie")
            : tr("Problème de saisie : %1").arg(problem_->text()));
}

QString AtelierWindow::shownProblem() const
{
    return problem_->text();
}

void AtelierWindow::copyTable()
{
    QApplication::clipboard()->setText(table_->toText(QLatin1Char('\t')));
    statusBar()->showMessage(tr("Tableau copié : %n ligne(s)", nullptr, table_->rowCount()), 3000);
}

void AtelierWindow::about()
{
    QMessageBox::about(this, tr("À propos de Corvane Atelier"),
        tr("<h3>Corvane Atelier %1</h3>"
           "<p>Conception de touches droites ou en éventail dans tout tempérament, "
           "et gabarits en grandeur réelle.</p>"
           "<p>Logiciel libre sous licence GPL version 3 ou ultérieure.</p>")
            .arg(QCoreApplication::applicationVersion()));
}

void AtelierWindow::setCurrentFile(const QString& path)
{
    currentFile_ = path;
    setWindowModified(false);
    const QString shown = path.isEmpty() ? tr("Sans titre") : QFileInfo(path).fileName();
    setWindowTitle(tr("%1[*] — Corvane Atelier").arg(shown));
    setWindowFilePath(path);
}

bool AtelierWindow::maybeSave()
{
    if (!isWindowModified())
        return true;
    const auto answer = QMessageBox::warning(this, tr("Corvane Atelier"),
        tr("Le dessin a été modifié.\nEnregistrer les modifications ?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return save();
    return answer == QMessageBox::Discard;
}

namespace {
// The one local design file a drag carries, or an empty text.
QString DroppedDesign(const QMimeData* data)
{
    if (!data || data->urls().size() != 1 || !data->urls().constFirst().isLocalFile())
        return {};
    const QString path = data->urls().constFirst().toLocalFile();
    return path.endsWith(QStringLiteral(".corvane"), Qt::CaseInsensitive) ? path : QString();
}
} // namespace

void AtelierWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedDesign(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void AtelierWindow::dropEvent(QDropEvent* event)
{
    const QString path = DroppedDesign(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    if (maybeSave())
        openFile(path);
}

void AtelierWindow::closeEvent(QCloseEvent* event)
{
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    QSettings settings = WindowSettings();
    settings.setValue(QStringLiteral("geometry"), saveGeometry());
    for (const QSplitter* splitter : findChildren<QSplitter*>())
        settings.setValue(splitter->objectName(), splitter->saveState());
    event->accept();
}

} // namespace corvane::atelier
