// The main window's side of merging and Make Array: the Explorer page's
// "Merge" and "Array" buttons and what the two dialogs ask of the window.

#include "explorer/widgets/explorer.h"
#include "explorer/widgets/explorer_file_list.h"
#include "window/widgets/main_window.h"
#include "window/widgets/merge_array_wiring.h"

#include <QAction>
#include <QLineEdit>

namespace tarnix {

void MainWindow::createMergeAndArray()
{
    TForm4::Hooks mergeHooks{[this] { return edFileName->text().toStdString(); },
                             [this] { explorer_->sbtnRefreshClick(); }};
    ArrayHooks arrayHooks;
    arrayHooks.shiftAlong = [this](char axis, const std::string& step) {
        TTransformPanel& panel = context_.transform.panel;
        panel.cbShiftX = axis == 'X';
        panel.cbShiftY = axis == 'Y';
        panel.cbShiftZ = axis == 'Z';
        (axis == 'X' ? panel.edShiftX : axis == 'Y' ? panel.edShiftY : panel.edShiftZ) = step;
    };
    arrayHooks.uncheckShifts = [this] {
        TTransformPanel& panel = context_.transform.panel;
        panel.cbShiftX = panel.cbShiftY = panel.cbShiftZ = false;
    };
    arrayHooks.openInEditor = [this](const std::string& path) {
        edFileName->setText(QString::fromStdString(path));
        findChild<QAction*>("btnEditOpen")->trigger();
    };
    mergeArray_ = std::make_unique<MergeArrayWiring>(this, *ProgressBar, pump_, location_, masks_,
                                                     std::move(mergeHooks), std::move(arrayHooks));
    lvFiles->onMergeMarked = [this] { btnMergeClick(); };
}

void MainWindow::btnMergeClick()
{
    mergeArray_->Form4().btnMergeClick(lvFiles->checkedNames());
}

void MainWindow::btnMakeArrayClick()
{
    const QTreeWidgetItem* selected = lvFiles->firstSelectedItem();
    mergeArray_->frmMakeArray().btnMakeArrayClick(selected ? std::optional(ExplorerFileList::itemName(selected))
                                                           : std::nullopt);
}

}  // namespace tarnix
