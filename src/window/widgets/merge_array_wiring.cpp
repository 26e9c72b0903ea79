#include "window/widgets/merge_array_wiring.h"

#include "common/widgets/in_front.h"

#include <QApplication>
#include <QMessageBox>

namespace tarnix {

void InformationBox::showInformation(const std::string& text)
{
    QMessageBox box(QMessageBox::Information, "Information", QString::fromStdString(text), QMessageBox::Ok, owner_());
    execInFront(box);
}

MergeArrayWiring::MergeArrayWiring(QWidget* window, ProgressSink& progress, EventPump& events,
                                   ProgramLocation& location, const TFileMasks& masks, TForm4::Hooks mergeHooks,
                                   ArrayHooks arrayHooks)
    : window_(window),
      mergeDialogs_(QtEditorDialogs::InFront{[this] { return static_cast<QWidget*>(Form4_); }}),
      arrayDialogs_(QtEditorDialogs::InFront{[this] { return static_cast<QWidget*>(frmMakeArray_); }}),
      arrayMessages_([this] { return static_cast<QWidget*>(frmMakeArray_); }),
      merge_(progress, events, [this](const std::string& question) { return askInFront(question); }),
      array_(merge_, std::move(arrayHooks), arrayDialogs_, arrayMessages_, masks),
      Form4_(new TForm4(merge_, progress, location, masks, mergeDialogs_, std::move(mergeHooks), window)),
      frmMakeArray_(new TfrmMakeArray(array_, location, window))
{
}

// The question belongs to the dialog that asked for the merge ("Merge List"
// or "Make Array"), which stays on top of other windows: the box stays on
// top too, over its owner, and takes the keyboard.
bool MergeArrayWiring::askInFront(const std::string& question)
{
    QWidget* owner = Form4_->isVisible() ? static_cast<QWidget*>(Form4_)
                     : frmMakeArray_->isVisible() ? static_cast<QWidget*>(frmMakeArray_)
                                                  : window_;
    QMessageBox box(QMessageBox::Question, "Confirm", QString::fromStdString(question),
                    QMessageBox::Yes | QMessageBox::No, owner);
    return execInFront(box) == QMessageBox::Yes;
}

}  // namespace tarnix
