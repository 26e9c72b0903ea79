// The main window's side of merging and Make Array: the Explorer page's
// "Merge" and "Array" buttons and what the two dialogs ask of the window.

#include "explorer/widgets/explorer.h"
#include "explorer/widgets/explorer_file_list.h"
#include "window/widgets/main_window.h"
#include "transform/widgets/transform_commands.h"
#include "transform/widgets/transform_panel.h"
#include "window/widgets/merge_array_wiring.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>

namespace tarnix {

void MainWindow::createMergeAndArray()
{
    TForm4::Hooks mergeHooks{[this] { return edFileName->text().toStdString(); },
                             [this] { explorer_->sbtnRefreshClick(); },
                             [this](const std::string& path) { explorer_->showWrittenFiles({path}); },
                             [this] { return context_.settings.programKind; }};
    ArrayHooks arrayHooks;
    // Make Array shifts through the transformation panel's own controls, so
    // the panel shows what each copy was made with.
    arrayHooks.shiftAlong = [this](char axis, const std::string& step) {
        Panel11->cbShiftX->setChecked(axis == 'X');
        Panel11->cbShiftY->setChecked(axis == 'Y');
        Panel11->cbShiftZ->setChecked(axis == 'Z');
        (axis == 'X' ? Panel11->edShiftX : axis == 'Y' ? Panel11->edShiftY : Panel11->edShiftZ)
            ->setText(QString::fromStdString(step));
    };
    arrayHooks.uncheckShifts = [this] {
        for (QCheckBox* box : {Panel11->cbShiftX, Panel11->cbShiftY, Panel11->cbShiftZ})
            box->setChecked(false);
    };
    arrayHooks.transformOne = [this] {
        struct Reset {
            bool& flag;
            ~Reset() { flag = false; }
        } reset{transformCommands_->FMakingArray};
        transformCommands_->FMakingArray = true;
        return transformCommands_->TransformOne();
    };
    arrayHooks.showWrittenFile = [this](const std::string& path) { explorer_->showWrittenFiles({path}); };
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
