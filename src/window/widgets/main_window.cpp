#include "window/widgets/main_window.h"

#include "common/atomic_file.h"
#include "common/errors.h"
#include "common/regular_file.h"
#include "common/widgets/deferred_error.h"
#include "common/text_encoding.h"
#include "editor/widgets/editor_page.h"
#include "editor/widgets/file_name_box_keys.h"
#include "editor/widgets/page_show_handlers.h"
#include "editor/version_info.h"
#include "interpretation/program_line_reader.h"
#include "view/view_presets.h"
#include "window/widgets/about_box.h"
#include "window/error_report.h"
#include "explorer/explorer_names.h"
#include "explorer/shell_toolbar_file.h"
#include "explorer/widgets/explorer.h"
#include "explorer/widgets/explorer_folder_panel.h"
#include "explorer/widgets/shell_toolbar.h"
#include "run/widgets/run_controller.h"
#include "transform/widgets/transform_commands.h"
#include "transform/widgets/transform_panel.h"
#include "settings/widgets/file_dialog_filter.h"
#include "settings/widgets/ini_file_replacement.h"
#include "window/widgets/info_form.h"
#include "window/widgets/main_help.h"
#include "window/widgets/merge_array_wiring.h"
#include "window/widgets/pending_pane_height.h"
#include "settings/widgets/qt_color.h"
#include "settings/widgets/system_colors.h"
#include "zip/widgets/qt_zip_extraction_window.h"
#include "zip/zip_entry_click.h"
#include "zip/zip_extractor.h"
#include "window/widgets/status_bar_widget.h"
#include "window/widgets/tarnix_application.h"
#include "settings/temp_folder.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSettings>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <Qsci/qsciscintilla.h>

#include <clocale>
#include <sstream>

namespace tarnix {

MainWindow::MainWindow(TarnixApplication& application, const AppPaths& paths,
                       const CommandLineRequest& commandLine)
    : application_(application),
      paths_(paths),
      configuration_(QDir::homePath().toStdString(), [](TColor color) { return resolveSystemColor(color); })
{
    setObjectName("Form1");
    setWindowTitle("Tarnix");
    resize(1174, 801);

    buildMenus();
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 0);
    layout->setSpacing(2);

    Splitter1 = new QSplitter(Qt::Horizontal, central);
    Splitter1->setObjectName("Splitter1");
    auto* leftSide = new QWidget(Splitter1);
    auto* leftLayout = new QVBoxLayout(leftSide);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    PageControl1 = new QTabWidget(leftSide);
    PageControl1->setObjectName("PageControl1");
    tsExplorer = buildExplorerPage();
    tsPellam = buildPellamPage();
    tsConfig = buildConfigPage();
    PageControl1->addTab(tsExplorer, "Explorer");
    PageControl1->addTab(tsPellam, "Pellam");
    PageControl1->addTab(tsConfig, "Config");
    // Hidden pages must not hold the window taller than the page in view
    // needs (the tall Config page and the open transformation panel would
    // together push the panel's Apply button off a 1000-pixel screen).
    auto sizeToCurrentPage = [this](int current) {
        for (int index = 0; index < PageControl1->count(); ++index)
            PageControl1->widget(index)->setSizePolicy(QSizePolicy::Preferred, index == current
                                                                                   ? QSizePolicy::Preferred
                                                                                   : QSizePolicy::Ignored);
    };
    sizeToCurrentPage(PageControl1->currentIndex());
    connect(PageControl1, &QTabWidget::currentChanged, this, sizeToCurrentPage);
    leftLayout->addWidget(PageControl1, 1);
    Panel11 = new TransformPanel(context_, converter_.params().panel, leftSide);
    leftLayout->addWidget(Panel11);
    Splitter1->addWidget(leftSide);
    Splitter1->addWidget(buildViewColumn());
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    // The pages start wide enough for the Explorer tool bar, in whatever
    // font the desktop gives it: a button behind ">>" is a button few find.
    Splitter1->setSizes({std::max(420, PageControl1->sizeHint().width()), 750});
    layout->addWidget(Splitter1, 1);

    StatusBar = new StatusBarWidget(central);
    layout->addWidget(StatusBar);
    ProgressBar = new ProgressPanel(central);
    ProgressBar->lieOver(*StatusBar);
    setCentralWidget(central);

    InfoForm = new TInfoForm(this);

    context_.status = StatusBar;
    context_.FOutEdit = &FOutEdit;
    context_.Scroll = Scroll;
    context_.ProgressBar = ProgressBar;
    context_.events = &pump_;
    context_.caretLine = [this] {
        int line = 0, index = 0;
        SynEdit->getCursorPosition(&line, &index);
        return line + 1;
    };
    runController_ = std::make_unique<RunController>(
        *SynEdit, *Panel2, context_, pump_,
        RunController::WindowHooks{[this] { ClearPath(); }, [this] { RenderScene(); },
                                   [this] {
                                       updateSceneInput();
                                       Panel10->renderIfChanged();
                                   },
                                   [this] { FOutEdit.clear(); },
                                   [this] { return PageControl1->currentWidget() != tsConfig; }});
    pathBuilder_.pointsAdded = [this] { takeInNewPoints(); };
    pathBuilder_.ColorToGLColor = [this] {
        configuration_.ColorToGLColor();
        copyColorsToInterpreter();
    };
    location_.extractionFolder = paths_.tempFolder;
    explorer_ = std::make_unique<Explorer>(*explorerFolders_, *lvFiles, location_, context_, masks_,
                                           explorerHooks(), this);
    connect(PageControl1, &QTabWidget::currentChanged, explorer_.get(),
            guard([this](int index) { explorer_->PageControl1Change(index); }));
    zipWindow_ = std::make_unique<QtZipExtractionWindow>(this);
    FZipExtractor = std::make_unique<ZipExtractor>(explorer_->zip(), *zipWindow_, paths_.executableFolder);
    explorer_->ZipEntryClick = [this](const std::string& tempDir, bool& zipExtracted,
                                      const std::string& selectedFile) {
        return tarnix::ZipEntryClick(*FZipExtractor, tempDir, zipExtracted, selectedFile);
    };
    wireStatusBar();
    wireFileInfo();
    connect(Panel10, &PathView::segmentTextsChanged, this,
            guard([this](const SegmentTexts& texts) { showSegmentTexts(texts); }));

    application_.clearLog = [this] { Scroll->clear(); };
    application_.appendLog = [this](const std::string& line) { Scroll->appendLine(line); };
    createEditorPage();
    wireViewAndEditor();  // the view's commands join the editor's pop-up
    transformCommands_ = new TransformCommands(
        *Panel11,
        TransformLinks{context_, converter_.params(), *runController_, *editorPage_, location_, masks_, *explorerFolders_, *lvFiles,
                       *PageControl1, *tsPellam, *tsExplorer, *edFileName, *ProgressBar,
                       [this]() -> const std::vector<std::string>& { return FOutEdit.lines(); },
                       [this](const std::vector<std::string>& paths) { explorer_->showWrittenFiles(paths); }},
        this);
    context_.messages = transformCommands_;
    createMergeAndArray();

    FormCreate(commandLine);
}

MainWindow::~MainWindow() = default;

void MainWindow::createEditorPage()
{
    EditorPageHooks hooks;
    hooks.document.currentFolder = [this] { return location_.FCurrentFolder; };
    hooks.document.maskFilter = [this] { return masks_.maskFilter(); };
    hooks.document.requestRepaint = [this] { Panel10->requestRepaint(); };
    hooks.showProgramPage = [this] { PageControl1->setCurrentWidget(tsPellam); };
    hooks.beep = [] { QApplication::beep(); };
    hooks.contextHelp = [this] { findChild<QAction*>("MainHelp1")->trigger(); };
    editorPage_ = new EditorPage(*SynEdit, *edFileName, std::move(hooks), this);
    static_cast<QVBoxLayout*>(tsPellam->layout())->insertWidget(0, editorPage_->ControlBar2());
    auto* configLayout = static_cast<QVBoxLayout*>(static_cast<QScrollArea*>(tsConfig)->widget()->layout());
    configLayout->insertWidget(configLayout->count() - 1, editorPage_->configBox());
    auto* file = new QMenu("File", this);
    file->setObjectName("File1");
    menuBar()->insertMenu(menuBar()->actions().value(0), file);
    editorPage_->fillFileMenu(*file);
    QAction* exit = file->addAction("Exit", this, [this] { close(); });
    exit->setObjectName("mnExit");

    PageShowWidgets widgets{PageControl1, tsExplorer, tsPellam,   tsConfig, Splitter4, Splitter5,
                            findChild<QWidget*>("ControlBar3"), Panel11, cbFRLimits, SynEdit, edFileName};
    PageShowHooks pageHooks;
    pageHooks.FEditFileName = [this] { return editorPage_->document().FEditFileName(); };
    pageHooks.pressEditOpen = [this] { findChild<QAction*>("btnEditOpen")->trigger(); };
    pageHooks.FormResize = [this] { Panel10->FormResize(); };
    pageHooks.RenderScene = [this] { RenderScene(); };
    pageShowHandlers_ = new PageShowHandlers(widgets, std::move(pageHooks), this);
    new FileNameBoxKeys(*edFileName, [this] { edFileNameButtonClick(); }, [this] {
        if (!edFileName->text().isEmpty())
            LoadTypeFile(edFileName->text().toStdString());
    });
}

// --- Start-up ----------------------------------------------------------------

void MainWindow::FormCreate(const CommandLineRequest& commandLine)
{
    // Numbers are always read and written with "." by the model; the C
    // library's own formatting follows suit while the program runs.
    savedNumericLocale_ = std::setlocale(LC_NUMERIC, nullptr);
    if (std::string(std::localeconv()->decimal_point) == ",") {
        std::setlocale(LC_NUMERIC, "C");
        FDecSepChanged = true;
    }

    readSettings();
    if (!commandLine.hasParameters)
        browseExplorerTo(location_.FCurrentFolder);

    TInterpreterState& state = context_.state;
    state.gLastRapidFeed = 64.0;
    state.gFeed = state.gFeedZ = 1.0;
    context_.settings.FSpeedX = context_.settings.FSpeedZ = 0.0;
    context_.totals.FTime = 0.0;
    // A fresh process has no move behind it: the first build measures its
    // first move from the origin.
    context_.totals.FFirstMove = false;
    context_.programBox = TProgramBox{};

    PageControl1->setCurrentWidget(tsExplorer);
    SynEdit->clear();
    editorPage_->readKeystrokes(paths_.keyFile, paths_.startFolderKeyFile);
    restoreFormStorage();
    writeHelpText();

    Panel10->sceneInput().camera.FViewDist = -3.0f;
    Panel10->sceneInput().FBackColor = resolveSystemColor(configuration_.FBackColor);

    if (commandLine.hasParameters) {
        // A program that cannot be read is reported; the window still starts.
        try {
            handleCommandLine(commandLine);
        } catch (const std::exception& error) {
            // Reported once: the first activation does not build it again.
            if (dynamic_cast<const InputOutputError*>(&error) || dynamic_cast<const FileOpenError*>(&error))
                FMakePathPending = false;
            QTimer::singleShot(0, this, [this, report = reportFor(error)] { application_.AppException(report); });
        }
    }
    Panel10->requestRepaint();
    Panel11->setVisible(cbFRLimits->isChecked());
}

void MainWindow::writeHelpText()
{
    const char* lines[] = {
        "===============================",
        "Tarnix",
        "Part programs: browse, view, run, measure",
        "===============================",
        " ",
        "o Used file extention:",
        "o         tap,nc,prg - to FANUC postprocessor",
        "o         rol - to CAM-GL postprocessor",
        "o Click FileName to view info",
        "o Double Click FileName to view Graphic path",
        "o Use Pellam to view, edit, run and step,",
        "   solve real time,  length etc.",
        "o Use mouse buttons: ",
        "     Right to Move,",
        "     Ctrl+Right to Zoom,",
        "     Left or Ctrl+Shift+Right to Rotate.",
    };
    for (const char* line : lines)
        Scroll->appendLine(line);
}

void MainWindow::handleCommandLine(const CommandLineRequest& commandLine)
{
    gEditFile = commandLine.gEditFile;
    location_.FCurrentFolder = commandLine.folder;
    location_.FSelectedFile = commandLine.name;
    const std::string program = commandLine.folder + commandLine.name;
    Scroll->clear();
    Scroll->appendLine(" File Name: " + program);
    QDir::setCurrent(QString::fromStdString(commandLine.folder));
    if (!browseExplorerTo(commandLine.folder))
        return;
    explorer_->selectListItem(commandLine.name);
    edFileName->setText(QString::fromStdString(program));

    if (!gEditFile.empty()) {
        editorPage_->document().loadFromCommandLine(program);
        PageControl1->setCurrentWidget(tsPellam);
    } else {
        LoadTypeFile(program);
        Panel10->sceneInput().camera.FUseGlScale = cbFastZoom->isChecked();
        btnExplXYZClick(Panel10->sceneInput().camera);
    }
}

bool MainWindow::browseExplorerTo(const std::string& folder)
{
    try {
        explorer_->browseTo(folder);
        return true;
    } catch (const std::exception&) {
        startFolderUnreachable();
        return false;
    }
}

void MainWindow::startFolderUnreachable()
{
    QMessageBox box(QMessageBox::NoIcon, "Tarnix",
                    "IO Error: Current folder or file has UNICOD char table.\n\r"
                    "Tarnix can't support unicod table. Run Tarnix again.",
                    QMessageBox::Ok, this);
    box.setObjectName("StartFolderBox");
    // Above the splash window, which stays on top during start-up.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
    // The next start begins in the home folder.
    location_.FCurrentFolder = QDir::homePath().toStdString() + "/";
    try {
        writeSettings();
    } catch (const std::exception& error) {
        QTimer::singleShot(0, this, [this, report = reportFor(error)] { application_.AppException(report); });
    }
    pump_.requestTermination();
    FMakePathPending = false;  // nothing is built on the way out
    // A quit is only heard while the event loop runs, and start-up still
    // pumps events before it starts: the request is repeated until it ends.
    auto* quit = new QTimer(this);
    connect(quit, &QTimer::timeout, qApp, &QCoreApplication::quit);
    quit->start(50);
}

ExplorerHooks MainWindow::explorerHooks()
{
    ExplorerHooks hooks;
    hooks.setProgramFileName = [this](const std::string& path) { edFileName->setText(QString::fromStdString(path)); };
    hooks.clearLog = [this] { Scroll->clear(); };
    hooks.programKindChanged = [this] { syncProgramKindControls(); };
    hooks.LoadTypeFile = [this](const std::string& path) { LoadTypeFile(path); };
    hooks.ClearPath = [this] { ClearPath(); };
    hooks.MakePath = [this] { MakePath(); };
    hooks.RenderScene = [this] { RenderScene(); };
    hooks.switchOffSmoothDrawAndDelay = [this] {
        cbCanSmoothDraw->setChecked(false);
        cbDelay->setChecked(false);
    };
    return hooks;
}

QString MainWindow::edFileNameBeforeDialog() const
{
    return toQtFilter(masks_.programFileFilter());
}

bool MainWindow::edFileNameButtonClick()
{
    QFileDialog dialog(this, QString(), QString::fromStdString(folderPart(edFileName->text().toStdString())),
                       edFileNameBeforeDialog());
    dialog.setObjectName("edFileNameDialog");
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    edFileName->setText(dialog.selectedFiles().first());
    return true;
}

void MainWindow::edFileNameAfterDialog(const QString& name)
{
    LoadTypeFile(name.toStdString());
    edFileName->setText(name);
    editorPage_->btnEditOpenClick();
}

bool MainWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QMainWindow::event(event);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Without a window manager (a kiosk or a virtual display) the window is
    // never activated; the first showing then stands in for the activation.
    QTimer::singleShot(0, this, [this] {
        if (!shownOnce_) {
            shownOnce_ = true;
            folderPanelHeight_->tryToApply();
            listHeight_->tryToApply();
            // The page in front is arranged as a switch to it arranges it,
            // once the window and the list have their sizes.
            pageShowHandlers_->showCurrentPage();
        }
        if (!activatedOnce_)
            FormActivate();
    });
}

void MainWindow::FormActivate()
{
    activatedOnce_ = true;
    // The flag goes first: a program that fails to build must not be built
    // (and reported) again at every activation the error box causes.
    if (FMakePathPending) {
        FMakePathPending = false;
        MakePath();
    }
    RenderScene();
}

// --- Shut-down ---------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent* event)
{
    // A file that cannot be written is reported and the close goes on: the
    // save question and the other files must not be lost with it.
    reportAndGoOn([this] { writeSettings(); });
    reportAndGoOn([this] { explorerFolders_->ShellToolbar1().SaveToFile(shellToolbarFilePath(paths_.settingsFile)); });
    // A run, paused or going on under this handler, stops before the save
    // question: the text asked about is no longer being run.
    reportAndGoOn([this] { runController_->tbtnStopClick(); });
    MyRemoveDir(paths_.tempFolder);
    // A file that cannot be written keeps the window open with the text.
    event->ignore();
    editorPage_->document().offerSave(SaveAsker::Close);
    reportAndGoOn([this] { saveFormStorage(); });
    FormClose();
    // Loops running under this handler stop at their next line.
    pump_.requestTermination();
    event->accept();
}

void MainWindow::reportAndGoOn(const std::function<void()>& step)
{
    try {
        step();
    } catch (const std::exception& error) {
        application_.AppException(reportFor(error));
    }
}

void MainWindow::FormClose()
{
    if (FDecSepChanged) {
        std::setlocale(LC_NUMERIC, savedNumericLocale_.c_str());
        FDecSepChanged = false;
    }
}

// --- Settings ----------------------------------------------------------------

void MainWindow::readSettings()
{
    // A process that died while writing its settings left its temporary
    // files beside them; the old files are whole, the temporaries are junk.
    removeLeftoverTemporaries(paths_.settingsFile);
    removeLeftoverTemporaries(shellToolbarFilePath(paths_.settingsFile));
    try {
        configuration_.ReadConfiguration(paths_.settingsFile);
    } catch (const ConversionError& error) {
        // The settings that could not be read keep their defaults. The file
        // is then not rewritten on close, so the user's other settings in it
        // survive until they are fixed.
        configurationReadFailed_ = true;
        QTimer::singleShot(0, this, [this, report = reportFor(error)] { application_.AppException(report); });
    }
    masks_.parseExt(configuration_.FExtensions);
    applyConfigurationToControls();
    copyColorsToInterpreter();
    location_.FCurrentFolder = configuration_.FCurrentFolder;
    explorerFolders_->ShellToolbar1().LoadFromFile(shellToolbarFilePath(paths_.settingsFile));
}

void MainWindow::writeSettings()
{
    if (configurationReadFailed_)
        return;
    configuration_.FExtensions = edExt->text().toStdString();
    configuration_.cbFRLimits = cbFRLimits->isChecked();
    configuration_.FCurrentFolder = location_.FCurrentFolder;
    configuration_.WriteConfiguration(paths_.settingsFile);
    applyConfigurationToControls();
    copyColorsToInterpreter();
}

void MainWindow::applyConfigurationToControls()
{
    paintColorBox(edBackCol, configuration_.FBackColor);
    paintColorBox(edG0Color, configuration_.FG0Color);
    paintColorBox(edG1Color, configuration_.FG1Color);
    paintColorBox(edG2color, configuration_.FG2Color);
    edExt->setText(QString::fromStdString(configuration_.FExtensions));
    cbFRLimits->setChecked(configuration_.cbFRLimits);
    cbFastZoom->setChecked(configuration_.FUseGlScale);
    cbSmooth->setChecked(configuration_.FUseGlSmooth);
    InfoForm->setBackgroundColor(resolveSystemColor(configuration_.FBackColor));
}

void MainWindow::copyColorsToInterpreter()
{
    context_.settings.FG0ColorGL = configuration_.FG0ColorGL;
    context_.settings.FG1ColorGL = configuration_.FG1ColorGL;
    context_.settings.FG2ColorGL = configuration_.FG2ColorGL;
}

void MainWindow::paintColorBox(QPushButton* box, TColor color)
{
    box->setStyleSheet(QString("background-color: %1;").arg(toQColor(resolveSystemColor(color)).name()));
}

void MainWindow::placeInfoForm()
{
    InfoForm->FormCreate(resolveSystemColor(configuration_.FBackColor), x(), y(), PageControl1->width(), Panel10->width());
    InfoForm->show();
}

void MainWindow::ChangeColors(QPushButton* sender)
{
    TColor* field = sender == edBackCol   ? &configuration_.FBackColor
                    : sender == edG1Color ? &configuration_.FG1Color
                    : sender == edG0Color ? &configuration_.FG0Color
                                          : &configuration_.FG2Color;
    QColor chosen = QColorDialog::getColor(toQColor(resolveSystemColor(*field)), this);
    if (!chosen.isValid())
        return;
    *field = chosen.red() | (chosen.green() << 8) | (chosen.blue() << 16);
    InfoForm->setBackgroundColor(resolveSystemColor(configuration_.FBackColor));
    if (configurationReadFailed_) {
        // The user asked for a change: it is shown, the broken file is left alone.
        configuration_.ColorToGLColor();
        applyConfigurationToControls();
        copyColorsToInterpreter();
    } else {
        writeSettings();
    }
    Panel10->sceneInput().FBackColor = resolveSystemColor(configuration_.FBackColor);
    Panel10->SetupGLState();
    Panel10->requestRepaint();
}

namespace {

// Control values kept between runs, by the controls' names. A control
// another page does not have (yet) is skipped.
constexpr const char* kStoredTexts[] = {"edFine", "edMax", "edMin"};
constexpr const char* kStoredChecks[] = {"cbShowInEdit", "cbHighLighter", "cbLineNum", "cbIncMode",
                                         "cbBlackAndWite"};

}  // namespace

void MainWindow::restoreFormStorage()
{
    QSettings storage(QString::fromStdString(paths_.formStorageFile), QSettings::IniFormat);
    storage.beginGroup("FormStorage1");
    restoreGeometry(storage.value("geometry").toByteArray());
    restoreState(storage.value("state").toByteArray());
    for (const char* name : kStoredTexts)
        if (auto* edit = findChild<QLineEdit*>(name))
            edit->setText(storage.value(QString(name) + ".Text", edit->text()).toString());
    for (const char* name : kStoredChecks)
        if (auto* box = findChild<QCheckBox*>(name))
            box->setChecked(storage.value(QString(name) + ".Checked", box->isChecked()).toBool());
    // The splitters take these heights once the window can show them.
    folderPanelHeight_ = new PendingPaneHeight(
        *explorerSplitter_, [this] { return explorerSplitter_->sizes().value(0); },
        [this](int height) {
            const QList<int> sizes = explorerSplitter_->sizes();
            explorerSplitter_->setSizes({height, sizes.value(0) + sizes.value(1) - height});
        },
        storage.value("Panel3.Height", -1).toInt(), this);
    listHeight_ = new PendingPaneHeight(
        *Splitter4, [this] { return pageShowHandlers_->explorerListHeight(); },
        [this](int height) { pageShowHandlers_->setExplorerListHeight(height); },
        storage.value("lvFiles.Height", -1).toInt(), this);
    // "InitDir" is stored and deliberately not restored.
    if (storage.value("maximized", true).toBool())
        setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::saveFormStorage()
{
    replaceIniFile(paths_.formStorageFile, [this](QSettings& storage) {
        storage.beginGroup("FormStorage1");
        storage.setValue("maximized", isMaximized());
        storage.setValue("geometry", saveGeometry());
        storage.setValue("state", saveState());
        storage.setValue("Panel3.Height", folderPanelHeight_->height());
        storage.setValue("lvFiles.Height", listHeight_->height());
        storage.setValue("InitDir", QString::fromStdString(location_.FCurrentFolder));
        for (const char* name : kStoredTexts)
            if (auto* edit = findChild<QLineEdit*>(name))
                storage.setValue(QString(name) + ".Text", edit->text());
        for (const char* name : kStoredChecks)
            if (auto* box = findChild<QCheckBox*>(name))
                storage.setValue(QString(name) + ".Checked", box->isChecked());
        storage.endGroup();
    });
}

// --- Building and drawing the path -------------------------------------------

void MainWindow::updateSceneInput()
{
    SceneInput& input = Panel10->sceneInput();
    input.FPathPoints = context_.FPathPoints.get();
    input.box = context_.programBox;
    input.boxScale = context_.settings.programKind == ProgramKind::Roland ? 0.0001 : 0.01;
    input.FSelectedFile = location_.selectedFileName();
    input.edFileName = edFileName->text().toStdString();
    input.cbSmooth = cbSmooth->isChecked();
    input.cbViewRapid = cbViewRapid->isChecked();
    input.FBackColor = resolveSystemColor(configuration_.FBackColor);
    input.camera.FUseGlScale = cbFastZoom->isChecked();
}

void MainWindow::takeInNewPoints()
{
    updateSceneInput();
    Panel10->takeInPath();
}

void MainWindow::RenderScene()
{
    updateSceneInput();
    Panel10->RenderScene();
}

void MainWindow::MakePath()
{
    updateSceneInput();
    pathBuilder_.MakePath(location_.programPath());
}

void MainWindow::ClearPath()
{
    pathBuilder_.ClearPath();
    updateSceneInput();
}

void MainWindow::RedrawPath()
{
    ClearPath();
    MakePath();
    RenderScene();
}

void MainWindow::btnClearClick()
{
    ClearPath();
    RenderScene();
}

void MainWindow::btnBuildClick()
{
    editorPage_->document().offerSave(SaveAsker::Refresh);
    const std::string fileName = edFileName->text().toStdString();
    location_.FCurrentFolder = folderPart(fileName);
    location_.FSelectedFile = fileNamePart(fileName);
    const std::string program = location_.FCurrentFolder + location_.FSelectedFile;
    if (!ProgramLineReader::exists(program))
        return;
    ClearPath();
    cbCanSmoothDraw->setChecked(false);
    cbDelay->setChecked(false);
    LoadTypeFile(program);
    // The file the box names: an archive's entry lies below the extraction
    // folder under its folders, which its bare name would not find.
    updateSceneInput();
    pathBuilder_.MakePath(program);
    RenderScene();
}

void MainWindow::LoadTypeFile(const std::string& fileName)
{
    // The readers may change the program kind and the header switches even
    // when they fail half-way: the controls follow either way.
    struct Sync {
        MainWindow* window;
        ~Sync() { window->syncProgramKindControls(); }
    } sync{this};
    loader_.LoadTypeFile(fileName);
}

void MainWindow::syncProgramKindControls()
{
    const TInterpreterSettings& settings = context_.settings;
    rbFanuc->setChecked(settings.programKind == ProgramKind::Fanuc);
    rbRoland->setChecked(settings.programKind == ProgramKind::Roland);
    cbTap->setChecked(settings.cbTap);
    updateSceneInput();
}

void MainWindow::showSegmentTexts(const SegmentTexts& texts)
{
    InfoForm->showSegment(texts);
    if (!texts.showPicture)
        StatusBar->setPanel(5, texts.statusPanel5);
}

void MainWindow::wireStatusBar()
{
    StatusBar->onClearFullTime = [this] {
        context_.totals.FFullTime = 0;
        StatusBar->setPanel(1, "Full Time = 0");
    };
    StatusBar->onShowInfoPanel = [this] { InfoForm->show(); };
    StatusBar->onBlockLabel = [this](const std::string& text) {
        lbBlock->setText(QString::fromStdString(text));
    };
}

void MainWindow::buildMenus()
{
    QMenu* commands = menuBar()->addMenu("Commands");
    QAction* clear = commands->addAction("Clear View", this, guard([this] { btnClearClick(); }));
    clear->setObjectName("Clear1");
    QAction* fileInfo = commands->addAction("Calculate File Info", this, guard([this] { GetFileInfo(); }));
    fileInfo->setObjectName("mnGetFileInfo");
    // Listed with the other commands, but reading the information is all
    // "Calculate File Info" does: this one does nothing.
    commands->addAction("Read File Info")->setObjectName("ReadFileInfo1");
    QAction* info = commands->addAction("View Info panel", this, guard([this] { InfoForm->show(); }));
    info->setObjectName("ViewInfopanel1");
    commands->addAction("Distance", this, guard([this] { mnMeasureClick(); }))->setObjectName("mnMeasure");

    QMenu* help = menuBar()->addMenu("Help");
    mainHelp_ = new MainHelp(paths_.executableFolder, this);
    help->addAction("Main Help", this, guard([this] { mainHelp_->MainHelp1Click(); }))->setObjectName("MainHelp1");
    QAction* about = help->addAction("About", this, guard([this] {
        LiveRedrawWhileShown liveRedraw(*runController_);
        AboutForm box(this);
        box.findChild<QLabel*>("VersionInfo")->setText(
            "Version: " + QString::fromStdString(GetFileVersionString(paths_.executablePath)));
        box.exec();
        Panel10->requestRepaint();
    }));
    about->setObjectName("About1");
}

}  // namespace tarnix
