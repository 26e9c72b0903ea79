#pragma once
// The main window: three pages on the left ("Explorer", "Pellam", "Config"),
// the 3-D view above the file list on the right, the six-panel status bar.
// It owns the model objects for the life of the process and keeps the
// settings the model reads current from its controls.

#include "conversion/gcode_converter.h"
#include "interpretation/info_run.h"
#include "interpretation/interpreter_context.h"
#include "interpretation/program_loader.h"
#include "path/path_builder.h"
#include "path/program_location.h"
#include "view/path_view.h"
#include "settings/widgets/app_paths.h"
#include "window/command_line.h"
#include "settings/configuration.h"
#include "settings/file_masks.h"
#include "window/widgets/window_sinks.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QAction;
class QRadioButton;
class QSlider;
class QSplitter;
class QTabWidget;
class QsciScintilla;

namespace tarnix {

class EditorPage;
class MergeArrayWiring;
class PageShowHandlers;
class PendingPaneHeight;
class Explorer;
class QtZipExtractionWindow;
class RunController;
class RunPanelWidget;
class ZipExtractor;
class ExplorerFileList;
class ExplorerFolderPanel;
struct ExplorerHooks;
class RunPanel;
class StatusBarWidget;
class TForm2;
class TInfoForm;
class MainHelp;
class TarnixApplication;
class TfrmSelRange;
class ViewEditorSync;
class TransformCommands;
class TransformPanel;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(TarnixApplication& application, const AppPaths& paths,
               const CommandLineRequest& commandLine);
    ~MainWindow() override;

    InterpreterContext& context() { return context_; }
    GCodeConverter& converter() { return converter_; }
    PathView* view() const { return Panel10; }
    TInfoForm* infoForm() const { return InfoForm; }
    Explorer* explorer() const { return explorer_.get(); }
    RunController& runController() { return *runController_; }
    // Apply, "Transform marked" and TransformOne, which Make Array calls.
    TransformCommands& transformCommands() { return *transformCommands_; }

    // Path building and drawing, as the view toolbar and the Config page use them.
    void RenderScene();
    void MakePath();
    void ClearPath();
    void RedrawPath();
    void btnBuildClick();
    void btnClearClick();
    // Reads the program's kind and header; the Config page follows the kind.
    void LoadTypeFile(const std::string& fileName);
    // Shows the Info panel over the right part of the view.
    void placeInfoForm();
    // The colour dialog of one of the four colour boxes.
    void ChangeColors(QPushButton* sender);
    // Starts a two-point measurement in the view.
    void mnMeasureClick();
    ViewEditorSync* viewEditorSync() const { return viewEditorSync_; }
    // "Main Help" of the Help menu.
    MainHelp& mainHelp() { return *mainHelp_; }

    // The information run on the program named by edFileName: shows the
    // "File Information" dialog and adds to "Full Time".
    void GetFileInfo();
    TForm2* fileInfoForm() const { return Form2; }
    // The run panel whose "First line" and "Last  line" the information run
    // reads; without one it measures whole programs.
    void setRunPanel(const RunPanel* panel) { runPanel_ = panel; }

public slots:
    // The run toolbar's information button.
    void tbtnGetFileInfoClick();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate(const CommandLineRequest& commandLine);
    void FormActivate();
    void FormClose();
    void createEditorPage();
    // Runs `step`; an error it raises is shown at once and the caller goes on.
    void reportAndGoOn(const std::function<void()>& step);
    // Merging and Make Array (main_window_merge_array.cpp).
    void createMergeAndArray();
    void btnMergeClick();
    void btnMakeArrayClick();
    void handleCommandLine(const CommandLineRequest& commandLine);
    void writeHelpText();
    // Shows `folder` in the Explorer; false (and the program ends) when the
    // tree cannot reach it.
    bool browseExplorerTo(const std::string& folder);
    void startFolderUnreachable();
    ExplorerHooks explorerHooks();
    // The program-file box's browse button, with the masks as its filter.
    QString edFileNameBeforeDialog() const;
    // True when the user chose a file.
    bool edFileNameButtonClick();
    void edFileNameAfterDialog(const QString& name);

    // The information run's commands: the menu, the Explorer's button and
    // the file list's program columns, sum and report.
    void wireFileInfo();
    std::optional<FileInfoFields> measureProgram(const std::string& path);
    void btnInfoClick();
    void TimeselectedClick();
    void pmnMakeReportClick();

    void buildMenus();
    QWidget* buildExplorerPage();
    QWidget* buildPellamPage();
    QWidget* buildConfigPage();
    QWidget* buildViewColumn();
    void wireStatusBar();
    // The editor and the view following each other; main_window_view_sync.cpp.
    void wireViewAndEditor();

    void readSettings();
    void writeSettings();
    void applyConfigurationToControls();
    void copyColorsToInterpreter();
    void syncProgramKindControls();
    void updateSceneInput();
    // The view takes in the points a build or an information run added so
    // far, between its pumps, without drawing.
    void takeInNewPoints();
    void showSegmentTexts(const struct SegmentTexts& texts);
    void paintColorBox(QPushButton* box, TColor color);
    void restoreFormStorage();
    void saveFormStorage();

    TarnixApplication& application_;
    AppPaths paths_;

    // Model side.
    InterpreterContext context_;
    GCodeConverter converter_{context_};
    ProgramLocation location_;
    PathBuilder pathBuilder_{context_};
    ProgramLoader loader_{context_};
    InfoRun infoRun_{context_};
    // Several programs are measured one after the other: each dialog
    // closes itself.
    bool FMultiInfo = false;
    const RunPanel* runPanel_ = nullptr;
    Configuration configuration_;
    TFileMasks masks_;
    QtEventPump pump_;
    OutputCollector FOutEdit;
    bool configurationReadFailed_ = false;
    bool FMakePathPending = true;
    bool activatedOnce_ = false;
    bool shownOnce_ = false;
    // "Panel3.Height" and "lvFiles.Height" of the form storage.
    PendingPaneHeight* folderPanelHeight_ = nullptr;
    PendingPaneHeight* listHeight_ = nullptr;
    PageShowHandlers* pageShowHandlers_ = nullptr;
    bool FDecSepChanged = false;
    std::string savedNumericLocale_;
    std::string gEditFile;
    // Uses the model objects above, so it is declared (and goes) after them.
    std::unique_ptr<Explorer> explorer_;
    // Extraction of the opened archive; goes before the Explorer that owns it.
    std::unique_ptr<QtZipExtractionWindow> zipWindow_;
    std::unique_ptr<ZipExtractor> FZipExtractor;
    // The run of the program in the editor; made once the pages exist.
    std::unique_ptr<RunController> runController_;
    TransformCommands* transformCommands_ = nullptr;
    // The merge and Make Array dialogs and their model; made after the editor page.
    std::unique_ptr<MergeArrayWiring> mergeArray_;

    // Pages.
    QTabWidget* PageControl1 = nullptr;
    QWidget* tsExplorer = nullptr;
    QWidget* tsPellam = nullptr;
    QWidget* tsConfig = nullptr;
    TransformPanel* Panel11 = nullptr;
    QSplitter* Splitter1 = nullptr;
    QSplitter* Splitter4 = nullptr;
    QSplitter* Splitter5 = nullptr;

    // Explorer page and file list.
    ExplorerFolderPanel* explorerFolders_ = nullptr;
    QSplitter* explorerSplitter_ = nullptr;
    LogPane* Scroll = nullptr;
    ExplorerFileList* lvFiles = nullptr;
    QAction* btnInfo = nullptr;
    QWidget* Panel9 = nullptr;

    // Program-view page.
    QLineEdit* edFileName = nullptr;
    QsciScintilla* SynEdit = nullptr;
    EditorPage* editorPage_ = nullptr;
    RunPanelWidget* Panel2 = nullptr;
    QCheckBox* cbDelay = nullptr;
    QCheckBox* cbCanSmoothDraw = nullptr;
    QCheckBox* cbGchange = nullptr;
    QCheckBox* cbToolChange = nullptr;
    QCheckBox* cbFchange = nullptr;
    QSlider* tbDelay = nullptr;

    // Config page.
    QRadioButton* rbFanuc = nullptr;
    QRadioButton* rbRoland = nullptr;
    QLineEdit* edRapid = nullptr;
    QLineEdit* edCoeff = nullptr;
    QLineEdit* edFine = nullptr;
    QCheckBox* cbIncMode = nullptr;
    QCheckBox* cbSpeedColor = nullptr;
    QCheckBox* cbBlackAndWite = nullptr;
    QLineEdit* edMin = nullptr;
    QLineEdit* edMax = nullptr;
    QCheckBox* cbColorRandom = nullptr;
    QCheckBox* cbSmooth = nullptr;
    QCheckBox* cbViewRapid = nullptr;
    QCheckBox* cbFastZoom = nullptr;
    QCheckBox* cbTap = nullptr;
    QCheckBox* cbFRLimits = nullptr;
    QLineEdit* edExt = nullptr;
    QPushButton* edBackCol = nullptr;
    QPushButton* edG0Color = nullptr;
    QPushButton* edG1Color = nullptr;
    QPushButton* edG2color = nullptr;

    // View column and status.
    PathView* Panel10 = nullptr;
    QLabel* lbBlock = nullptr;
    ProgressPanel* ProgressBar = nullptr;
    StatusBarWidget* StatusBar = nullptr;
    TInfoForm* InfoForm = nullptr;
    TForm2* Form2 = nullptr;
    TfrmSelRange* frmSelRange = nullptr;
    ViewEditorSync* viewEditorSync_ = nullptr;
    MainHelp* mainHelp_ = nullptr;
};

}  // namespace tarnix
