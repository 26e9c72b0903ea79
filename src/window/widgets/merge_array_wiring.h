#pragma once
// The main window's merging and Make Array: the "Merge List" dialog `Form4`,
// the "Make Array" dialog `frmMakeArray` and the model objects behind them,
// made once with the window and kept for its life.

#include "editor/widgets/qt_editor_ports.h"
#include "transform/file_merge.h"
#include "transform/make_array.h"
#include "transform/widgets/make_array_dialog.h"
#include "transform/widgets/merge_list_dialog.h"

#include <functional>

namespace tarnix {

// An information box with an OK button, in front of the window `owner`
// gives when asked, which stays on top.
class InformationBox : public MessageSink {
public:
    explicit InformationBox(std::function<QWidget*()> owner) : owner_(std::move(owner)) {}
    void showInformation(const std::string& text) override;

private:
    std::function<QWidget*()> owner_;
};

class MergeArrayWiring {
public:
    // Everything passed in must outlive the wiring.
    MergeArrayWiring(QWidget* window, ProgressSink& progress, EventPump& events, ProgramLocation& location,
                     const TFileMasks& masks, TForm4::Hooks mergeHooks, ArrayHooks arrayHooks);

    TForm4& Form4() { return *Form4_; }
    TfrmMakeArray& frmMakeArray() { return *frmMakeArray_; }

private:
    bool askInFront(const std::string& question);

    QWidget* window_;
    // The save dialogs and boxes of each dialog open in front of it.
    QtEditorDialogs mergeDialogs_;
    QtEditorDialogs arrayDialogs_;
    InformationBox arrayMessages_;
    FileMerge merge_;
    MakeArray array_;
    TForm4* Form4_;
    TfrmMakeArray* frmMakeArray_;
};

}  // namespace tarnix
