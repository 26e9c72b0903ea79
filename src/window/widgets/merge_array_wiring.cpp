#include "window/widgets/merge_array_wiring.h"

#include <QMessageBox>

namespace tarnix {

void InformationBox::showInformation(const std::string& text)
{
    QMessageBox::information(parent_, "Information", QString::fromStdString(text));
}

MergeArrayWiring::MergeArrayWiring(QWidget* window, ProgressSink& progress, EventPump& events,
                                   ProgramLocation& location, const TFileMasks& masks, TForm4::Hooks mergeHooks,
                                   ArrayHooks arrayHooks)
    : dialogs_(window),
      messages_(window),
      merge_(progress, events, [this](const std::string& question) { return dialogs_.confirm(question); }),
      array_(merge_, std::move(arrayHooks), dialogs_, messages_, masks),
      Form4_(new TForm4(merge_, progress, location, masks, dialogs_, std::move(mergeHooks), window)),
      frmMakeArray_(new TfrmMakeArray(array_, location, window))
{
}

}  // namespace tarnix
