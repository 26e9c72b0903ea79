#include "editor/widgets/editor_page.h"

#include "editor/widgets/editor_accessibility.h"
#include "editor/widgets/editor_bookmarks.h"
#include "editor/widgets/editor_command_runner.h"
#include "editor/widgets/editor_key_filter.h"
#include "editor/widgets/editor_printing.h"
#include "editor/widgets/editor_search.h"
#include "editor/key_ini_file.h"
#include "editor/widgets/keystroke_editor_dialog.h"
#include "editor/widgets/line_number_gutter.h"
#include "editor/widgets/program_lexer.h"
#include "editor/widgets/quiet_change.h"
#include "editor/widgets/search_dialog.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <Qsci/qsciprinter.h>
#include <Qsci/qsciscintilla.h>

namespace tarnix {
namespace {

// The program's text was set in "Courier New Cyr"; Liberation Mono has the
// same metrics and Cyrillic letters, and Debian has it as a package.
QFont programFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (QFontDatabase::hasFamily("Liberation Mono"))
        font.setFamily("Liberation Mono");
    return font;
}

}  // namespace

EditorPage::EditorPage(QsciScintilla& SynEdit, QLineEdit& edFileName, EditorPageHooks hooks, QWidget* window)
    : QObject(window),
      SynEdit_(SynEdit),
      edFileName_(edFileName),
      hooks_(std::move(hooks)),
      window_(window),
      buffer_(SynEdit),
      nameBox_(edFileName),
      dialogs_(window)
{
    document_ = std::make_unique<EditorDocument>(buffer_, nameBox_, dialogs_, hooks_.document);
    giveEditorTextOnlyToListeners();
    const QFont font = programFont();
    SynEdit.setFont(font);
    SynEdit.setMarginsFont(font);
    lineNumbers_ = new LineNumberGutter(SynEdit);
    SynEdit.setUtf8(true);
    SynGeneralSyn1_ = new ProgramLexer(font, this);
    SynEdit.setLexer(SynGeneralSyn1_);
    search_ = std::make_unique<EditorSearch>(SynEdit, hooks_.beep);
    bookmarks_ = new EditorBookmarks(SynEdit);

    FindDialog1_ = new SearchDialog(SearchDialog::Find, window);
    ReplaceDialog1_ = new SearchDialog(SearchDialog::Replace, window);
    connect(FindDialog1_, &SearchDialog::findNext, this, [this] { search_->DoFindText(*FindDialog1_); });
    connect(ReplaceDialog1_, &SearchDialog::findNext, this, [this] { search_->DoFindText(*ReplaceDialog1_); });
    connect(ReplaceDialog1_, &SearchDialog::replaceOne, this, [this] { search_->DoReplaceText(*ReplaceDialog1_, false); });
    connect(ReplaceDialog1_, &SearchDialog::replaceAll, this, [this] { search_->DoReplaceText(*ReplaceDialog1_, true); });

    buildPopup();
    buildToolBand(window);
    buildConfigBox();
    keystrokes_ = defaultKeystrokes();
    commands_ = std::make_unique<EditorCommandRunner>(SynEdit, *bookmarks_, [this] {
        if (hooks_.contextHelp)
            hooks_.contextHelp();
    });
    keyFilter_ = new EditorKeyFilter(SynEdit, keystrokes_, *pmnEditRight_, *commands_);

    // A right click in the gutter shows the bookmark menu, elsewhere the pop-up.
    SynEdit.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&SynEdit, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        int gutter = 0;
        for (int margin = 0; margin < SynEdit_.margins(); ++margin)
            gutter += SynEdit_.marginWidth(margin);
        (at.x() < gutter ? bookmarks_->pmnBookMark() : pmnEditRight_)->popup(SynEdit_.mapToGlobal(at));
    });
}

EditorPage::~EditorPage() = default;

QAction* EditorPage::addAction(QObject* owner, const char* name, const char* caption, const QKeySequence& shortcut,
                               std::function<void()> handler)
{
    auto* action = new QAction(caption, owner);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, std::move(handler));
    return action;
}

void EditorPage::buildPopup()
{
    pmnEditRight_ = new QMenu(&SynEdit_);
    pmnEditRight_->setObjectName("pmnEditRight");
    auto item = [this](const char* name, const char* caption, const QKeySequence& shortcut, std::function<void()> handler) {
        pmnEditRight_->addAction(addAction(pmnEditRight_, name, caption, shortcut, std::move(handler)));
    };
    // "Delete", the feed searches and "Select Range" work on the view's
    // selection; they stay disabled until the view offers one.
    auto disabled = [this](const char* name, const char* caption, const QKeySequence& shortcut) {
        QAction* action = addAction(pmnEditRight_, name, caption, shortcut, [] {});
        action->setEnabled(false);
        pmnEditRight_->addAction(action);
    };
    item("mnCopy", "Copy", QKeySequence("Ctrl+C"), [this] { SynEdit_.copy(); });
    item("mnPaste", "Paste", QKeySequence("Ctrl+V"), [this] { SynEdit_.paste(); });
    disabled("mnDelete", "Delete", {});
    item("mnSearch", "Search", QKeySequence("Ctrl+F"), [this] { mnSearchClick(); });
    item("mnReplace", "Replace", QKeySequence("Ctrl+R"), [this] { mnReplaceClick(); });
    pmnEditRight_->addSeparator();
    disabled("GotopreviousFeed1", "Goto previous  Feed", QKeySequence("Ctrl+P"));
    disabled("GotonextFeed1", "Goto next  Feed", QKeySequence("Ctrl+N"));
    item("GotoLine1", "Goto Line", QKeySequence("Ctrl+L"), [this] { GotoLine1Click(); });
    item("GotoBlockBeginingG11", "Goto Block Begining (G1)", QKeySequence("Ctrl+B"), [this] { search_->findBlock("G1"); });
    item("GotoBlockendG01", "Goto Block end (G0)", QKeySequence("Ctrl+E"), [this] { search_->findBlock("G0"); });
    pmnEditRight_->addSeparator();
    disabled("SelectRange1", "Select Range", {});
}

void EditorPage::placePopupItem(const char* placeholder, QAction* action)
{
    QAction* stand = pmnEditRight_->findChild<QAction*>(placeholder);
    pmnEditRight_->insertAction(stand, action);
    pmnEditRight_->removeAction(stand);
    delete stand;
}

void EditorPage::buildToolBand(QWidget* window)
{
    ControlBar2_ = new QToolBar(window);
    ControlBar2_->setObjectName("ControlBar2");
    auto button = [this](const char* name, const char* caption, const char* hint, std::function<void()> handler) {
        QAction* action = addAction(ControlBar2_, name, caption, {}, std::move(handler));
        action->setToolTip(hint);
        ControlBar2_->addAction(action);
        return action;
    };
    btnEditOpen_ = button("btnEditOpen", "Open", "Edit current Explorer file", [this] { btnEditOpenClick(); });
    btnEditNew_ = button("btnEditNew", "New", "New File", [this] { btnEditNewClick(); });
    QAction* save = button("btnEditSave", "Save", "Save current file", [this] { Save(); });
    auto* pmnSaveSaveAs = new QMenu(ControlBar2_);
    pmnSaveSaveAs->setObjectName("pmnSaveSaveAs");
    pmnSaveSaveAs->addAction(addAction(pmnSaveSaveAs, "mnSave", "Save", {}, [this] { Save(); }));
    pmnSaveSaveAs->addAction(addAction(pmnSaveSaveAs, "mnSaveAs", "Save As..", {}, [this] { SaveAs(); }));
    save->setMenu(pmnSaveSaveAs);
    btnEditPrint_ = button("btnEditPrint", "Print", "Print File (Selection)", [this] { btnEditPrintClick(); });
    QAction* searchButton = button("btnSearch", "Search", "Search / Replace", [this] {
        pmnEditRight_->findChild<QAction*>("mnSearch")->trigger();
    });
    searchButton->setMenu(pmnEditRight_);
    ControlBar2_->addSeparator();
    button("btnEditUndo", "Undo", "Undo", [this] {
        undoQuietly(SynEdit_);
        SynEdit_.setFocus();
    });
    button("btnEditRedo", "Redo", "Redo", [this] {
        redoQuietly(SynEdit_);
        SynEdit_.setFocus();
    });
    for (QAction* withMenu : {save, searchButton})
        if (auto* toolButton = qobject_cast<QToolButton*>(ControlBar2_->widgetForAction(withMenu)))
            toolButton->setPopupMode(QToolButton::MenuButtonPopup);
}

void EditorPage::buildConfigBox()
{
    configBox_ = new QGroupBox("Editor");
    configBox_->setObjectName("gbEditor");
    auto* layout = new QVBoxLayout(configBox_);
    // The gutter starts with line numbers while the box starts unchecked;
    // they agree once the box is clicked or restored.
    cbLineNum_ = new QCheckBox("Line Numbers", configBox_);
    cbLineNum_->setObjectName("cbLineNum");
    cbHighLighter_ = new QCheckBox("High Lighter", configBox_);
    cbHighLighter_->setObjectName("cbHighLighter");
    cbHighLighter_->setChecked(true);
    auto* btnEdit = new QPushButton("Edit Keystroks", configBox_);
    btnEdit->setObjectName("btnEdit");
    layout->addWidget(cbLineNum_);
    layout->addWidget(cbHighLighter_);
    layout->addWidget(btnEdit);
    connect(cbLineNum_, &QCheckBox::clicked, this, [this] { cbLineNumClick(); });
    connect(cbHighLighter_, &QCheckBox::clicked, this, [this] { cbHighLighterClick(); });
    connect(btnEdit, &QPushButton::clicked, this, [this] { btnEditClick(); });
}

void EditorPage::fillFileMenu(QMenu& file)
{
    file.addAction(addAction(&file, "mnNew", "New", QKeySequence("Ctrl+N"), [this] { btnEditNew_->trigger(); }));
    file.addAction(addAction(&file, "mnOpen", "Open", QKeySequence("Ctrl+O"), [this] { mnOpenClick(); }));
    file.addAction(addAction(&file, "mnSaveMain", "Save", QKeySequence("Ctrl+S"), [this] { Save(); }));
    file.addAction(addAction(&file, "mniSaveas", "Save as...", {}, [this] {
        hooks_.showProgramPage();
        SaveAs();
    }));
    file.addAction(addAction(&file, "mniPrint", "Print", {}, [this] {
        hooks_.showProgramPage();
        btnEditPrint_->trigger();
    }));
}

void EditorPage::readKeystrokes(const std::string& keyFile, const std::string& earlierKeyFile)
{
    keyFile_ = keyFile;
    readKeyIniFrom(keyFile, earlierKeyFile, keystrokes_);
}

void EditorPage::btnEditOpenClick() { document_->btnEditOpenClick(); }
void EditorPage::btnEditNewClick() { document_->btnEditNewClick(); }
void EditorPage::Save() { document_->Save(); }
void EditorPage::SaveAs() { document_->SaveAs(); }

void EditorPage::mnOpenClick()
{
    edFileName_.clear();
    btnEditOpen_->trigger();
    hooks_.showProgramPage();
}

void EditorPage::btnEditPrintClick()
{
    QsciPrinter printer(QPrinter::HighResolution);
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) {
        printOn(printer);
        return;
    }
    // Without a printer the print dialog offers a PDF file instead; the
    // message is left for when that cannot be written either.
    if (printThroughDialog(SynEdit_, printer, edFileName_.text(), window_) == DialogPrint::Failed)
        QMessageBox::warning(window_, "Print", "No printer is installed: the program cannot be printed.");
}

void EditorPage::printOn(QsciPrinter& printer)
{
    setUpProgramPage(SynEdit_, printer);
    printProgram(SynEdit_, printer);
}

void EditorPage::mnSearchClick()
{
    FindDialog1_->present();
}

void EditorPage::mnReplaceClick()
{
    ReplaceDialog1_->present();
}

void EditorPage::GotoLine1Click()
{
    QInputDialog dialog(window_);
    dialog.setObjectName("GotoLineDialog");
    dialog.setWindowTitle("Go to line number");
    dialog.setLabelText("Type line number:");
    dialog.setTextValue(QString());
    if (dialog.exec() != QDialog::Accepted)
        return;
    // A text that is no whole number leaves the view as it is.
    bool isNumber = false;
    const int line = dialog.textValue().trimmed().toInt(&isNumber);
    if (!isNumber)
        return;
    SynEdit_.setFocus();
    SynEdit_.setFirstVisibleLine(std::max(line, 1) - 1);
}

void EditorPage::btnEditClick()
{
    KeystrokeEditorDialog dialog(keystrokes_, window_);
    if (dialog.exec() == QDialog::Accepted) {
        keystrokes_ = dialog.table();
        writeKeyIni(keyFile_, keystrokes_);
    }
    hooks_.document.requestRepaint();
}

void EditorPage::cbLineNumClick()
{
    lineNumbers_->setShown(cbLineNum_->isChecked());
}

void EditorPage::cbHighLighterClick()
{
    SynEdit_.setLexer(cbHighLighter_->isChecked() ? SynGeneralSyn1_ : nullptr);
    if (cbHighLighter_->isChecked())
        return;
    // Dropping the lexer resets every style to the editor component's own
    // font, the gutter's too, and the tallest of them sets the line height:
    // only the colours are meant to go, so every style gets the program's
    // font back.
    const QFont font = SynGeneralSyn1_->defaultFont();
    SynEdit_.setFont(font);
    SynEdit_.SendScintilla(QsciScintilla::SCI_STYLECLEARALL);
    SynEdit_.setMarginsFont(font);
}

}  // namespace tarnix
