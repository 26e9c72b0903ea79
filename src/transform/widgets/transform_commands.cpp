#include "transform/widgets/transform_commands.h"

#include "common/atomic_file.h"
#include "common/number_text.h"
#include "common/widgets/deferred_error.h"
#include "editor/widgets/editor_page.h"
#include "explorer/widgets/explorer_drive_bar.h"
#include "explorer/widgets/explorer_file_list.h"
#include "explorer/widgets/explorer_folder_panel.h"
#include "explorer/widgets/explorer_folder_tree.h"
#include "conversion/transform_setup.h"
#include "run/widgets/run_controller.h"
#include "transform/output_file_name.h"
#include "transform/transform_output.h"
#include "transform/transform_suffix.h"
#include "transform/widgets/transform_panel.h"

#include <QAction>
#include <QCheckBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>

namespace tarnix {
namespace {

// Sets a flag for the length of a scope, however the scope is left.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

}  // namespace

TransformCommands::TransformCommands(TransformPanel& panel, TransformLinks links, QWidget* window)
    : QObject(window), panel_(panel), links_(std::move(links)), window_(window), dialogs_(window)
{
    setObjectName("TransformCommands");
    connect(panel_.btnTransform, &QPushButton::clicked, this, guard([this] { btnTransformClick(); }));
    if (auto* item = links_.lvFiles.popupMenu()->findChild<QAction*>("popTransformMarked")) {
        item->setEnabled(true);
        connect(item, &QAction::triggered, this, guard([this] { popTransformMarkedClick(); }));
    }
}

void TransformCommands::information(const QString& text)
{
    QMessageBox box(QMessageBox::Information, "Information", text, QMessageBox::Ok, window_);
    box.exec();
}

void TransformCommands::showInformation(const std::string& text)
{
    information(QString::fromStdString(text));
}

bool TransformCommands::refusedWhileRunning()
{
    if (links_.run.debugger().state() == TCNCDebuggerState::stopped)
        return false;
    information(kRunInProgress);
    return true;
}

void TransformCommands::btnTransformClick()
{
    const bool programPage = links_.PageControl1.currentWidget() == &links_.tsPellam;
    if (!programPage && links_.lvFiles.checkedNames().empty()) {
        information("Check at least one or more files to Transform.");
        return;
    }
    const TTransformPanel& panel = links_.transform.panel;
    if ((panel.cbZmax || panel.cbZmin) && panel.edZminmax.empty())
        return;
    if (panel.cbZmax) {
        bool answered = false;
        QString answer = QInputDialog::getText(window_, "Z safe", "Inpus Z safe value", QLineEdit::Normal, "50",
                                               &answered);
        if (!answered)
            answer = "50";
        links_.transform.FZSafe = parseFloat(answer.toStdString());
    }
    if (links_.PageControl1.currentWidget() == &links_.tsExplorer)
        TransformMarked();
    else
        TransformOne();
}

void TransformCommands::popTransformMarkedClick()
{
    if (links_.PageControl1.currentWidget() == &links_.tsExplorer)
        TransformMarked();
    else
        TransformOne();
}

void TransformCommands::TransformMarked()
{
    ExplorerFileList& list = links_.lvFiles;
    std::vector<QTreeWidgetItem*> marked;
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        if (list.topLevelItem(i)->checkState(ExplorerFileList::NameColumn) == Qt::Checked)
            marked.push_back(list.topLevelItem(i));
    if (marked.empty() || refusedWhileRunning())
        return;

    ProgressSink& progress = links_.ProgressBar;
    progress.setMaximum(static_cast<long long>(marked.size()));
    progress.setPosition(0);
    progress.setVisible(true);
    struct HideAtEnd {
        ProgressSink& progress;
        ~HideAtEnd() { progress.setVisible(false); }
    } hide{progress};
    FlagScope batch(FBatchTransform);

    long long position = 0;
    writtenByBatch_.clear();
    for (QTreeWidgetItem* item : marked) {
        progress.setPosition(++position);
        const std::string name = ExplorerFileList::itemName(item);
        links_.location.FSelectedFile = name;
        links_.edFileName.setText(QString::fromStdString(links_.location.pathOf(name)));
        item->setSelected(true);
        links_.editor.btnEditOpenClick();
        TransformOne();
        item->setSelected(false);
    }
    links_.folders.Tree().RefreshTree();
    links_.showWrittenFiles(writtenByBatch_);
}

bool TransformCommands::TransformOne()
{
    if (refusedWhileRunning())
        return false;
    TTransformParams& params = links_.transform;
    RunController& run = links_.run;
    {
        FlagScope transforming(run.FTransforming);
        setTransformCommandSettings(params);
        try {
            run.tbtnPauseClick();
        } catch (...) {
            // The failing line paused the run: end it, so that the next
            // transformation can start afresh.
            run.tbtnStopClick();
            throw;
        }
    }
    links_.folders.DriveToolbar1().Refresh();
    if (!ranToTheEnd())
        return false;

    const std::string source = links_.edFileName.text().toStdString();
    const std::string outputName = IncrementFileName(links_.location.outputFolderFor(source), "",
                                                     TransformSuffix(params, panel_.feedTexts()), source,
                                                     sourceExtension(source));
    if (params.gTransformOut && !links_.FOutEdit().empty()) {
        const std::optional<std::string> written = saveOutput(outputName);
        if (written && FBatchTransform)
            writtenByBatch_.push_back(*written);
        else if (written && !FMakingArray)
            links_.showWrittenFiles({*written});
    }
    return true;
}

bool TransformCommands::ranToTheEnd()
{
    TCNCDebugger& engine = links_.run.debugger();
    // Stopped before the end (the Stop button, or the window closing): the
    // lines collected are a truncated program, and a dialog now would keep
    // a closing application alive.
    if (engine.state() == TCNCDebuggerState::stopped)
        return engine.reachedEnd();
    // A breakpoint, "Last  line" or a pause-on-change box stopped the run
    // part-way: the lines collected are not the whole program.
    const int line = engine.currentLine();
    links_.run.tbtnStopClick();
    information(QString("The transformation run paused at line %1: nothing was saved.").arg(line));
    return false;
}

std::optional<std::string> TransformCommands::saveOutput(const std::string& outputName)
{
    const std::string text = outputText(links_.FOutEdit());
    if (FMakingArray) {
        writeFileAtomically(links_.location.FCurrentFolder + kArrayFile, text);
        return links_.location.FCurrentFolder + kArrayFile;
    }
    if (FBatchTransform) {
        writeFileAtomically(outputName, text);
        return outputName;
    }
    const SaveDialogSetup setup{links_.masks.maskFilter(), 1, links_.location.FCurrentFolder, outputName};
    const std::optional<SaveDialogAnswer> answer = dialogs_.saveDialog(setup);
    if (!answer)
        return std::nullopt;
    const std::string chosen = chosenOutputName(*answer, setup.filter);
    if (namesSameFile(chosen, links_.edFileName.text().toStdString())) {
        information(QString::fromStdString("File " + chosen + " exists, change File name to save."));
        return std::nullopt;
    }
    writeFileAtomically(chosen, text);
    return chosen;
}

}  // namespace tarnix
