// The information run from the window: the "File Information" dialog from
// the menu, the run toolbar and the Explorer's button, and the file list's
// "Program Time" and "Lines" cells, their sum and the folder report.

#include "common/text_encoding.h"
#include "common/widgets/deferred_error.h"
#include "explorer/explorer_report.h"
#include "explorer/explorer_time_cells.h"
#include "explorer/widgets/explorer.h"
#include "explorer/widgets/explorer_file_list.h"
#include "run/run_panel.h"
#include "run/widgets/run_controller.h"
#include "run/widgets/run_panel_widget.h"
#include "window/widgets/desktop_file_opener.h"
#include "window/widgets/file_info_dialog.h"
#include "window/widgets/main_window.h"
#include "window/widgets/status_bar_widget.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPersistentModelIndex>
#include <QToolButton>

#include <utility>

namespace tarnix {
namespace {

// Set for the life of one command, cleared however it ends.
class FlagScope {
public:
    FlagScope(bool& flag, bool value) : flag_(flag) { flag_ = value; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

}  // namespace

void MainWindow::wireFileInfo()
{
    Form2 = new TForm2(this);
    Form2->onSetAsBox = [this] {
        SetAsBox(context_.infoBox, context_.programBox);
        updateSceneInput();
    };
    infoRun_.showFileInfo = [this](const FileInfoFields& info) {
        LiveRedrawWhileShown liveRedraw(*runController_);
        Form2->ShowFileInfo(info, FMultiInfo);
    };
    infoRun_.pointsAdded = [this] { takeInNewPoints(); };
    infoRun_.requestRepaint = [this] {
        updateSceneInput();
        Panel10->requestRepaint();
    };
    // The run tool bar's info button measures the editor's program between
    // its "First line" and "Last  line".
    setRunPanel(Panel2);
    Panel2->tbtnGetFileInfo->setEnabled(true);
    connect(Panel2->tbtnGetFileInfo, &QToolButton::clicked, this, [this] { tbtnGetFileInfoClick(); });
    lvFiles->onGetInfoSelected = [this] { btnInfo->trigger(); };
    lvFiles->onTimeSelected = [this] { TimeselectedClick(); };
    lvFiles->onMakeReport = [this] { pmnMakeReportClick(); };
}

void MainWindow::tbtnGetFileInfoClick()
{
    guarded([this] { GetFileInfo(); });
}

void MainWindow::GetFileInfo()
{
    measureProgram(edFileName->text().toStdString());
}

std::optional<FileInfoFields> MainWindow::measureProgram(const std::string& path)
{
    infoRun_.edFileName = path;
    infoRun_.FSelectedFile = decodeProgramText(location_.FSelectedFile);
    infoRun_.edStartPoint = runPanel_ != nullptr ? runPanel_->startPointText() : std::string();
    infoRun_.edStopPoint = runPanel_ != nullptr ? runPanel_->stopPointText() : std::string();
    return infoRun_.GetFileInfo();
}

void MainWindow::btnInfoClick()
{
    // Rows, not items: the runs let window events in, and a refilled or
    // sorted list drops the rows it had; those are skipped.
    std::vector<std::pair<QPersistentModelIndex, std::string>> selected;
    for (int i = 0; i < lvFiles->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = lvFiles->topLevelItem(i);
        if (item->isSelected())
            selected.emplace_back(lvFiles->indexFromItem(item), ExplorerFileList::itemName(item));
    }
    if (selected.empty())
        return;
    FlagScope multiInfo(FMultiInfo, selected.size() > 1);
    for (const auto& [row, name] : selected) {
        if (!row.isValid())
            continue;
        location_.FSelectedFile = name;
        // An entry of the opened archive is measured from the extracted
        // archive, extracting it first when no entry was clicked yet.
        const std::string path =
            explorer_->zipOpen() ? explorer_->ZipEntryClick(location_.extractionFolder, location_.FZipExtracted, name)
                                 : location_.FCurrentFolder + name;
        edFileName->setText(QString::fromStdString(decodeProgramText(path)));
        const std::optional<FileInfoFields> info = measureProgram(path);
        QTreeWidgetItem* item = lvFiles->itemFromIndex(row);
        if (!info || item == nullptr)
            continue;
        item->setText(ExplorerFileList::ProgramTimeColumn, QString::fromStdString(info->edTime));
        item->setText(ExplorerFileList::LinesColumn, QString::fromStdString(info->lblLines));
    }
}

void MainWindow::TimeselectedClick()
{
    std::vector<std::string> cells;
    for (const QTreeWidgetItem* item : lvFiles->selectedItems())
        cells.push_back(item->text(ExplorerFileList::ProgramTimeColumn).toStdString());
    StatusBar->setPanel(1, TimeSelectedText(cells));
}

void MainWindow::pmnMakeReportClick()
{
    std::vector<ReportRow> rows;
    for (int i = 0; i < lvFiles->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = lvFiles->topLevelItem(i);
        auto cell = [item](int column) { return item->text(column).toStdString(); };
        rows.push_back({cell(ExplorerFileList::NameColumn), cell(ExplorerFileList::DateColumn),
                        cell(ExplorerFileList::SizeColumn), cell(ExplorerFileList::ProgramTimeColumn),
                        cell(ExplorerFileList::LinesColumn)});
    }
    const QString report = QFile::decodeName(QByteArray::fromStdString(WriteReport(location_.FCurrentFolder, rows)));
    openFileOnDesktop(report, this, [this, report] {
        QMessageBox::information(this, "Report",
                                 "No application opens text files here. The report was written to\n" + report);
    });
}

}  // namespace tarnix
