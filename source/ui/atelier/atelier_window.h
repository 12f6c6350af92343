#pragma once

#include "design.h"
#include "design_document.h"
#include "drawing.h"
#include "layout.h"
#include "workshop_table.h"

#include <QMainWindow>

#include <optional>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QSplitter;
class QTableView;

namespace corvane::atelier {

class CutOptionsBox;
class StringsPanel;

class BoardView;
class DesignForm;

// The Atelier's main window, around a board::DesignDocument: the form, the
// strings panel, the cut options and the slotting dialog edit its design;
// the drawing, the workshop table and the strings' figures show its layout
// and are drawn again at each change. The window holds no geometry and no
// design of its own; it opens, saves, exports and prints.
class AtelierWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit AtelierWindow(QWidget* parent = nullptr);

    // Opens a design file; on failure says why in a message box and
    // changes nothing. Returns whether it opened.
    bool openFile(const QString& path);
    // Saves the design to the file (whole or not at all) and makes it the
    // document's file. Returns whether it was written.
    bool saveFile(const QString& path);

    const board::Design& design() const { return document_.design(); }
    const QString& currentFile() const { return currentFile_; }
    // The problem the status bar shows for the form, or an empty text.
    QString shownProblem() const;

    DesignForm* form() const { return form_; }
    BoardView* boardView() const { return view_; }
    QTableView* tableView() const { return tableView_; }
    WorkshopTable* table() const { return table_; }
    CutOptionsBox* cutOptions() const { return cutOptions_; }
    // The strings tab's panel, built on first use.
    StringsPanel* stringsPanel();
    // The layout behind the drawing and the table (the last valid design's).
    const board::BoardLayout& layout() const { return document_.layout(); }
    // The board's drawing at true size as the view shows it: labels, no
    // title block.
    const drawing::Drawing& boardDrawing() const { return drawing_; }
    // The template as exported and printed: the same with its title block.
    drawing::Drawing templateDrawing() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    // A design file dropped on the window opens, as Fichier › Ouvrir would.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private slots:
    void newDesign();
    void open();
    void openRecent();
    bool save();
    bool saveAs();
    void exportTemplate();
    void exportRadiusGauges();
    void exportTable();
    void exportSlottingProgram();
    void showIntonationChart();
    void print();
    void copyTable();
    void about();
    void showLayout();
    void showProblem(const QString& message);

private:
    void startNewDesign();
    void createActions();
    void exportDrawing(const drawing::Drawing& drawn, const QString& title,
        const QString& dialogTitle, const QString& doneMessage);
    void createMenus();
    void createToolBar();
    void updateRecentFiles();
    bool maybeSave();
    // The form's fields hold something that cannot be saved: says so.
    bool refuseInvalidDesign();
    void setCurrentFile(const QString& path);
    QString suggestedPath(const QString& extension) const;

    board::DesignDocument document_;
    DesignForm* form_ = nullptr;
    CutOptionsBox* cutOptions_ = nullptr;
    QWidget* stringsPage_ = nullptr; // the strings tab, empty until shown
    StringsPanel* strings_ = nullptr;
    BoardView* view_ = nullptr;
    QTableView* tableView_ = nullptr;
    WorkshopTable* table_ = nullptr;
    QLabel* summary_ = nullptr;
    QLabel* problem_ = nullptr;
    std::vector<WorkshopTable::Column> shownColumns_; // the table's columns when last fitted

    QString currentFile_;
    bool overwriteChangedFile(const QString& path);
    drawing::Drawing drawing_;

    QAction* newAction_ = nullptr;
    QAction* openAction_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* saveAsAction_ = nullptr;
    QAction* exportTemplateAction_ = nullptr;
    QAction* exportTableAction_ = nullptr;
    QAction* exportProgramAction_ = nullptr;
    QAction* exportGaugesAction_ = nullptr;
    QAction* printAction_ = nullptr;
    QAction* quitAction_ = nullptr;
    QAction* copyTableAction_ = nullptr;
    QAction* zoomInAction_ = nullptr;
    QAction* zoomOutAction_ = nullptr;
    QAction* zoomFitAction_ = nullptr;
    QAction* zoomTrueSizeAction_ = nullptr;
    QAction* aboutAction_ = nullptr;
    QAction* clearRecentAction_ = nullptr;
    QMenu* recentMenu_ = nullptr;
};

} // namespace corvane::atelier
