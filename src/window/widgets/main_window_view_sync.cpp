// The editor and the 3-D view following each other, measuring and the
// read-out under the mouse.

#include "common/widgets/deferred_error.h"
#include "explorer/widgets/explorer_file_list.h"
#include "explorer/widgets/explorer_folder_panel.h"
#include "explorer/widgets/explorer_folder_tree.h"
#include "window/widgets/main_window.h"
#include "window/widgets/sel_range_form.h"
#include "window/widgets/status_bar_widget.h"
#include "window/widgets/view_editor_sync.h"

#include <Qsci/qsciscintilla.h>

namespace tarnix {

void MainWindow::wireViewAndEditor()
{
    frmSelRange = new TfrmSelRange(this);
    viewEditorSync_ = new ViewEditorSync(*SynEdit, *Panel10, *frmSelRange, *this);
    viewEditorSync_->RenderScene = [this] { RenderScene(); };
    viewEditorSync_->followFocus(explorerFolders_->Tree());
    viewEditorSync_->followFocus(*lvFiles);
    SynEdit->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(Panel10, &PathView::mouseReadout, this,
            guard([this](const QString& text) { StatusBar->setPanel(4, text.toStdString()); }));
}

void MainWindow::mnMeasureClick()
{
    Panel10->mnMeasureClick();
}

}  // namespace tarnix
