#pragma once
// The program page's editor commands: the editor's tool band, the file
// menu's items, the pop-up `pmnEditRight`, find and replace, go to line,
// bookmarks, printing, the Config page's editor switches and the keystroke
// editor. The window creates one and places its bars and boxes.

#include "editor/editor_document.h"
#include "editor/keystroke_table.h"
#include "editor/widgets/qt_editor_ports.h"

#include <QObject>

#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class QToolBar;
class QsciPrinter;
class QsciScintilla;

namespace tarnix {

class EditorBookmarks;
class EditorCommandRunner;
class EditorKeyFilter;
class LineNumberGutter;
class EditorSearch;
class ProgramLexer;
class SearchDialog;

struct EditorPageHooks {
    DocumentHooks document;
    // Makes the program page `tsPellam` the active page.
    std::function<void()> showProgramPage;
    std::function<void()> beep;
    // The editor's context-help command.
    std::function<void()> contextHelp;
};

class EditorPage : public QObject {
    Q_OBJECT

public:
    EditorPage(QsciScintilla& SynEdit, QLineEdit& edFileName, EditorPageHooks hooks, QWidget* window);
    ~EditorPage() override;

    EditorDocument& document() { return *document_; }
    TSynEditKeyStrokes& keystrokes() { return keystrokes_; }
    QToolBar* ControlBar2() const { return ControlBar2_; }
    // "Line Numbers", "High Lighter" and "Edit Keystroks", for the Config page.
    QGroupBox* configBox() const { return configBox_; }
    QMenu* pmnEditRight() const { return pmnEditRight_; }
    // Puts `action` in the pop-up in place of the disabled item `placeholder`
    // (the view's commands: "Delete", the feed searches, "Select Range").
    void placePopupItem(const char* placeholder, QAction* action);
    EditorBookmarks& bookmarks() { return *bookmarks_; }
    // "New", "Open", "Save", "Save as..." and "Print" of the main menu's File.
    void fillFileMenu(QMenu& file);

    // Start-up: "key.ini" at `keyFile` replaces the table; `earlierKeyFile`
    // is where earlier versions kept it. The keystroke editor writes to `keyFile`.
    void readKeystrokes(const std::string& keyFile, const std::string& earlierKeyFile);

    void btnEditOpenClick();
    void btnEditNewClick();
    void Save();
    void SaveAs();
    void mnOpenClick();
    void btnEditPrintClick();
    void printOn(QsciPrinter& printer);
    void mnSearchClick();
    void mnReplaceClick();
    void GotoLine1Click();
    void btnEditClick();
    void cbLineNumClick();
    void cbHighLighterClick();

private:
    QAction* addAction(QObject* owner, const char* name, const char* caption, const QKeySequence& shortcut,
                       std::function<void()> handler);
    void buildToolBand(QWidget* window);
    void buildPopup();
    void buildConfigBox();

    QsciScintilla& SynEdit_;
    QLineEdit& edFileName_;
    EditorPageHooks hooks_;
    QWidget* window_;
    QtEditorBuffer buffer_;
    LineEditNameBox nameBox_;
    QtEditorDialogs dialogs_;
    std::unique_ptr<EditorDocument> document_;
    TSynEditKeyStrokes keystrokes_;
    std::string keyFile_;
    ProgramLexer* SynGeneralSyn1_ = nullptr;
    std::unique_ptr<EditorSearch> search_;
    EditorBookmarks* bookmarks_ = nullptr;
    LineNumberGutter* lineNumbers_ = nullptr;
    std::unique_ptr<EditorCommandRunner> commands_;
    EditorKeyFilter* keyFilter_ = nullptr;
    SearchDialog* FindDialog1_ = nullptr;
    SearchDialog* ReplaceDialog1_ = nullptr;
    QToolBar* ControlBar2_ = nullptr;
    QMenu* pmnEditRight_ = nullptr;
    QGroupBox* configBox_ = nullptr;
    QCheckBox* cbLineNum_ = nullptr;
    QCheckBox* cbHighLighter_ = nullptr;
    QAction* btnEditOpen_ = nullptr;
    QAction* btnEditNew_ = nullptr;
    QAction* btnEditPrint_ = nullptr;
};

}  // namespace tarnix
