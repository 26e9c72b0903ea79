#pragma once
// The main window's merging and Make Array: the "Merge List" dialog `Form4`,
// the "Make Array" dialog `frmMakeArray` and the model objects behind them,
// made once with the window and kept for its life.

#include "editor/widgets/qt_editor_ports.h"
#include "transform/file_merge.h"
#include "transform/make_array.h"
#include "transform/widgets/make_array_dialog.h"
#include "transform/widgets/merge_list_dialog.h"

namespace tarnix {

// An information box with an OK button, over `parent`.
class InformationBox : public MessageSink {
public:
    explicit InformationBox(QWidget* parent) : parent_(parent) {}
    void showInformation(const std::string& text) override;

private:
    QWidget* parent_;
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
    QtEditorDialogs dialogs_;
    InformationBox messages_;
    FileMerge merge_;
    MakeArray array_;
    TForm4* Form4_;
    TfrmMakeArray* frmMakeArray_;
};

}  // namespace tarnix
