// The editor and the 3-D view following each other, measuring and the
// read-out under the mouse.

#include "common/widgets/deferred_error.h"
#include "editor/widgets/editor_page.h"
#include "explorer/widgets/explorer_file_list.h"
#include "explorer/widgets/explorer_folder_panel.h"
#include "explorer/widgets/explorer_folder_tree.h"
#include "run/widgets/run_controller.h"
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
    editorPage_->placePopupItem("mnDelete", viewEditorSync_->Delete1);
    editorPage_->placePopupItem("GotopreviousFeed1", viewEditorSync_->GotopreviouseFeed1);
    editorPage_->placePopupItem("GotonextFeed1", viewEditorSync_->GotonextFeed1);
    editorPage_->placePopupItem("SelectRange1", viewEditorSync_->SelectRange1);
    // A click in the gutter sets or clears a breakpoint; a pick lets a run go on.
    viewEditorSync_->toggleBreakpoint = [this](int line) { runController_->gutterClick(line); };
    connect(Panel10, &PathView::mouseReadout, this,
            guard([this](const QString& text) { StatusBar->setPanel(4, text.toStdString()); }));
}

void MainWindow::mnMeasureClick()
{
    Panel10->mnMeasureClick();
}

}  // namespace tarnix
