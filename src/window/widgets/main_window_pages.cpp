// The main window's pages and the view column, and the wiring of their
// controls to the settings the model reads.

#include "common/widgets/deferred_error.h"
#include "common/widgets/named_widget.h"
#include "view/view_presets.h"
#include "explorer/widgets/explorer_file_list.h"
#include "explorer/widgets/explorer_folder_panel.h"
#include "run/widgets/run_panel_widget.h"
#include "window/widgets/main_window.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QRadioButton>
#include <QSlider>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <Qsci/qsciscintilla.h>

#include <limits>
#include <tuple>

namespace tarnix {
namespace {

QCheckBox* checkBox(const char* name, const char* caption, bool checked = false)
{
    auto* box = named<QCheckBox>(name, caption);
    box->setChecked(checked);
    return box;
}

QLineEdit* lineEdit(const char* name, const char* text)
{
    return named<QLineEdit>(name, text);
}

QPushButton* colorBox(const char* name)
{
    auto* box = named<QPushButton>(name);
    box->setFixedSize(48, 20);
    box->setFlat(false);
    return box;
}

}  // namespace

QWidget* MainWindow::buildExplorerPage()
{
    auto* page = named<QWidget>("tsExplorer");
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);

    auto* toolBar = named<QToolBar>("ExplorerToolBar", page);
    auto preset = [this, toolBar](const char* name, const char* caption, void (&apply)(TViewCamera&)) {
        auto* presetFunction = &apply;
        QAction* action = toolBar->addAction(caption, this, guard([this, presetFunction] {
            updateSceneInput();
            Panel10->showPreset(*presetFunction);
        }));
        action->setObjectName(name);
    };
    preset("btnExplXY", "XY", btnExplXYClick);
    preset("btnExplXZ", "XZ", btnExplXZClick);
    preset("btnExplYZ", "YZ", btnExplYZClick);
    preset("btnExplXYZ", "XYZ", btnExplXYZClick);
    toolBar->addSeparator();
    QAction* clear = toolBar->addAction("Clear", this, guard([this] { btnClearClick(); }));
    clear->setObjectName("btnClearExpl");
    clear->setToolTip("Clear View");
    btnInfo = toolBar->addAction("Info", this, guard([this] { btnInfoClick(); }));
    btnInfo->setObjectName("btnInfo");
    btnInfo->setToolTip("Calculate File Information");
    QAction* measure = toolBar->addAction("Distance", this, guard([this] { mnMeasureClick(); }));
    measure->setObjectName("BitBtn1");
    measure->setToolTip("Measure distance");
    toolBar->addSeparator();
    QAction* merge = toolBar->addAction("Merge", this, guard([this] { btnMergeClick(); }));
    merge->setObjectName("btnMerge");
    merge->setToolTip("Merge  marked ");
    QAction* array = toolBar->addAction("Array", this, guard([this] { btnMakeArrayClick(); }));
    array->setObjectName("btnMakeArray");
    array->setToolTip("Array");
    layout->addWidget(toolBar);

    auto* splitter = new QSplitter(Qt::Vertical, page);
    explorerSplitter_ = splitter;
    explorerFolders_ = new ExplorerFolderPanel(splitter);
    Scroll = new LogPane(splitter);
    splitter->addWidget(explorerFolders_);
    splitter->addWidget(Scroll);
    splitter->setSizes({400, 250});
    // The folders keep their height as the window changes size, as the
    // list under the view does: the height stored for them is the one the
    // next start shows, whenever the window manager maximises the window.
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter, 1);

    // The frustum command: a button that is never shown, kept for the
    // information run's box.
    auto* frustum = named<QPushButton>("Button1", "Frustum", page);
    frustum->setVisible(false);
    connect(frustum, &QPushButton::clicked, this, guard([this] {
        const TInfoRunBox& box = context_.infoBox;
        updateSceneInput();
        Panel10->Button1Click(box.gInfoMinX, box.gInfoMaxX, box.gInfoMinY, box.gInfoMaxY, box.gInfoMinZ,
                              box.gInfoMaxZ);
    }));
    return page;
}

QWidget* MainWindow::buildPellamPage()
{
    auto* page = named<QWidget>("tsPellam");
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);

    edFileName = lineEdit("edFileName", "");
    QAction* browse = edFileName->addAction(style()->standardIcon(QStyle::SP_DirOpenIcon), QLineEdit::TrailingPosition);
    browse->setObjectName("edFileNameBrowse");
    connect(browse, &QAction::triggered, this, guard([this] {
        if (edFileNameButtonClick())
            edFileNameAfterDialog(edFileName->text());
    }));
    layout->addWidget(edFileName);

    Splitter5 = named<QSplitter>("Splitter5", Qt::Vertical, page);
    SynEdit = named<QsciScintilla>("SynEdit", Splitter5);
    SynEdit->setMarginLineNumbers(0, true);
    SynEdit->setMarginWidth(0, "000000");
    Splitter5->addWidget(SynEdit);

    auto* viewBar = named<QToolBar>("tbView");
    for (const auto& [name, caption, apply] : {std::tuple{"btnYX", "YX", &btnExplXYClick},
                                               std::tuple{"btnZX", "ZX", &btnExplXZClick},
                                               std::tuple{"btnZY", "ZY", &btnExplYZClick},
                                               std::tuple{"btnPersp", "Persp", &btnExplXYZClick}}) {
        QAction* action = viewBar->addAction(caption, this, guard([this, preset = apply] {
            updateSceneInput();
            Panel10->showPreset(*preset);
        }));
        action->setObjectName(name);
    }
    QAction* build = viewBar->addAction("Refresh", this, guard([this] { btnBuildClick(); }));
    build->setObjectName("btnBuild");
    build->setToolTip("Refresh View");
    build->setStatusTip("Current edit  file Refresh View ");
    QAction* clear = viewBar->addAction("Clear", this, guard([this] { btnClearClick(); }));
    clear->setObjectName("btnClear");
    clear->setToolTip("Clear View");
    viewBar->addAction("Distance", this, guard([this] { mnMeasureClick(); }))->setObjectName("ToolButton1");
    Panel2 = new RunPanelWidget(viewBar, Splitter5);
    cbDelay = Panel2->cbDelay;
    cbCanSmoothDraw = Panel2->cbCanSmoothDraw;
    tbDelay = Panel2->tbDelay;
    cbGchange = Panel2->cbGchange;
    cbToolChange = Panel2->cbToolChange;
    cbFchange = Panel2->cbFchange;
    Splitter5->addWidget(Panel2);
    Splitter5->setSizes({500, 150});
    layout->addWidget(Splitter5, 1);
    connect(Splitter5, &QSplitter::splitterMoved, Panel2, &RunPanelWidget::Splitter5Moved);

    TInterpreterSettings& settings = context_.settings;
    connect(cbDelay, &QCheckBox::toggled, this, [&settings](bool on) { settings.cbDelay = on; });
    connect(tbDelay, &QSlider::valueChanged, this, [&settings](int value) { settings.tbDelay = value; });
    connect(cbGchange, &QCheckBox::toggled, this, [&settings](bool on) { settings.cbGchange = on; });
    connect(cbToolChange, &QCheckBox::toggled, this, [&settings](bool on) { settings.cbToolChange = on; });
    connect(cbFchange, &QCheckBox::toggled, this, [&settings](bool on) { settings.cbFchange = on; });
    return page;
}

QWidget* MainWindow::buildConfigPage()
{
    // The settings are taller than the program page: they scroll rather than
    // stretch the window past the screen.
    auto* scroller = named<QScrollArea>("tsConfig");
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    auto* page = named<QWidget>("ConfigContent");
    scroller->setWidget(page);
    auto* layout = new QVBoxLayout(page);

    auto* machine = named<QGroupBox>("gbMachine", "Machine settings");
    auto* machineLayout = new QFormLayout(machine);
    rbFanuc = named<QRadioButton>("rbFanuc", "Fanuc");
    rbRoland = named<QRadioButton>("rbRoland", "Roland");
    rbFanuc->setChecked(true);
    auto* kinds = new QHBoxLayout;
    kinds->addWidget(rbFanuc);
    kinds->addWidget(rbRoland);
    machineLayout->addRow(kinds);
    edRapid = lineEdit("edRapid", "3000");
    edCoeff = lineEdit("edCoeff", "1");
    machineLayout->addRow("RAPID", edRapid);
    machineLayout->addRow("Coefficient", edCoeff);
    layout->addWidget(machine);

    auto* drawing = named<QGroupBox>("gbDrawing", "");
    auto* drawingLayout = new QFormLayout(drawing);
    edFine = lineEdit("edFine", "2");
    drawingLayout->addRow("Arc view mode", edFine);
    cbIncMode = checkBox("cbIncMode", "Always incremental ARC center");
    drawingLayout->addRow(cbIncMode);
    cbSpeedColor = checkBox("cbSpeedColor", "Speed Color");
    cbBlackAndWite = checkBox("cbBlackAndWite", "B&&W");
    auto* speedRow = new QHBoxLayout;
    speedRow->addWidget(cbSpeedColor);
    speedRow->addWidget(cbBlackAndWite);
    drawingLayout->addRow(speedRow);
    edMin = lineEdit("edMin", "20");
    edMax = lineEdit("edMax", "2000");
    auto* update = named<QPushButton>("Button2", "Update");
    auto* scaleRow = new QHBoxLayout;
    scaleRow->addWidget(new QLabel("Min"));
    scaleRow->addWidget(edMin);
    scaleRow->addWidget(new QLabel("Max"));
    scaleRow->addWidget(edMax);
    scaleRow->addWidget(update);
    drawingLayout->addRow(scaleRow);
    cbColorRandom = checkBox("cbColorRandom", "G1 Color random");
    cbSmooth = checkBox("cbSmooth", "Smooth");
    cbViewRapid = checkBox("cbViewRapid", "View Rapid", true);
    cbFastZoom = checkBox("cbFastZoom", "Fast Zoom");
    drawingLayout->addRow(cbColorRandom);
    drawingLayout->addRow(cbSmooth);
    drawingLayout->addRow(cbViewRapid);
    drawingLayout->addRow(cbFastZoom);
    layout->addWidget(drawing);

    auto* colors = named<QGroupBox>("gbColors", "Colors");
    auto* colorsLayout = new QFormLayout(colors);
    edBackCol = colorBox("edBackCol");
    edG0Color = colorBox("edG0Color");
    edG1Color = colorBox("edG1Color");
    edG2color = colorBox("edG2color");
    colorsLayout->addRow("Background", edBackCol);
    colorsLayout->addRow("G0", edG0Color);
    colorsLayout->addRow("G1", edG1Color);
    colorsLayout->addRow("G2, G3", edG2color);
    layout->addWidget(colors);

    auto* files = named<QGroupBox>("gbFiles", "");
    auto* filesLayout = new QFormLayout(files);
    cbTap = checkBox("cbTap", "*.tap/(*.inf)", true);
    filesLayout->addRow(cbTap);
    edExt = lineEdit("edExt", "*.nc;*.tap;*.rol;*.prg;*.zip");
    // The stored masks are kept whole, however long.
    edExt->setMaxLength(std::numeric_limits<int>::max());
    filesLayout->addRow("Extensions", edExt);
    cbFRLimits = checkBox("cbFRLimits", "View Feedrate limits in Explorer");
    filesLayout->addRow(cbFRLimits);
    layout->addWidget(files);
    layout->addStretch();

    TInterpreterSettings& settings = context_.settings;
    connect(rbFanuc, &QRadioButton::toggled, this, [&settings, this](bool on) {
        if (on)
            settings.programKind = ProgramKind::Fanuc;
        else if (!rbRoland->isChecked())
            settings.programKind = ProgramKind::None;
    });
    connect(rbRoland, &QRadioButton::toggled, this, [&settings, this](bool on) {
        if (on)
            settings.programKind = ProgramKind::Roland;
        else if (!rbFanuc->isChecked())
            settings.programKind = ProgramKind::None;
    });
    auto text = [this](QLineEdit* edit, std::string& target) {
        connect(edit, &QLineEdit::textChanged, this,
                [&target](const QString& value) { target = value.toStdString(); });
    };
    text(edRapid, settings.edRapid);
    text(edCoeff, settings.edCoeff);
    text(edFine, settings.edFine);
    text(edMin, settings.edMin);
    text(edMax, settings.edMax);
    auto flag = [this](QCheckBox* box, bool& target) {
        connect(box, &QCheckBox::toggled, this, [&target](bool on) { target = on; });
    };
    flag(cbIncMode, settings.cbIncMode);
    flag(cbSpeedColor, settings.cbSpeedColor);
    flag(cbBlackAndWite, settings.cbBlackAndWite);
    flag(cbTap, settings.cbTap);
    flag(cbColorRandom, settings.FColorRandom);
    flag(cbFastZoom, configuration_.FUseGlScale);
    flag(cbSmooth, configuration_.FUseGlSmooth);
    connect(cbViewRapid, &QCheckBox::toggled, this, guard([this] { RenderScene(); }));
    connect(cbSmooth, &QCheckBox::toggled, this, guard([this] { RenderScene(); }));
    connect(edExt, &QLineEdit::textChanged, this, guard([this](const QString& value) {
        configuration_.FExtensions = value.toStdString();
        masks_.parseExt(configuration_.FExtensions);
    }));
    connect(update, &QPushButton::clicked, this, guard([this] { RedrawPath(); }));
    for (QPushButton* box : {edBackCol, edG0Color, edG1Color, edG2color})
        connect(box, &QPushButton::clicked, this, guard([this, box] { ChangeColors(box); }));
    return scroller;
}

QWidget* MainWindow::buildViewColumn()
{
    auto* column = named<QWidget>("Panel7");
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    Splitter4 = named<QSplitter>("Splitter4", Qt::Vertical, column);

    auto* viewPanel = named<QWidget>("ViewPanel", Splitter4);
    auto* viewLayout = new QVBoxLayout(viewPanel);
    viewLayout->setContentsMargins(0, 0, 0, 0);
    viewLayout->setSpacing(1);
    Panel10 = new PathView(viewPanel);
    viewLayout->addWidget(Panel10, 1);
    lbBlock = named<QLabel>("lbBlock", viewPanel);
    viewLayout->addWidget(lbBlock);
    Splitter4->addWidget(viewPanel);

    Panel9 = named<QWidget>("Panel9", Splitter4);
    auto* listLayout = new QVBoxLayout(Panel9);
    listLayout->setContentsMargins(0, 0, 0, 0);
    lvFiles = new ExplorerFileList(Panel9);
    listLayout->addWidget(lvFiles);
    Splitter4->addWidget(Panel9);
    Splitter4->setSizes({520, 220});
    Splitter4->setStretchFactor(0, 1);
    Splitter4->setStretchFactor(1, 0);
    layout->addWidget(Splitter4, 1);
    return column;
}

}  // namespace tarnix
