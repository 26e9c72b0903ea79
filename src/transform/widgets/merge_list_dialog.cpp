#include "transform/widgets/merge_list_dialog.h"

#include "common/text_encoding.h"
#include "common/widgets/deferred_error.h"
#include "common/widgets/in_front.h"
#include "transform/mask_save_filter.h"
#include "transform/merge_programs.h"

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarnix {
namespace {

// The caption's bytes: a name that is not UTF-8 shows decoded but must
// reach the file system as it is.
constexpr int kNameRole = Qt::UserRole;

}  // namespace

MergeListBox::MergeListBox(QWidget* parent) : QListWidget(parent)
{
    setObjectName("lbMerge");
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
}

bool MergeListBox::lbMergeDragOver(QObject* source) const
{
    return source != nullptr && source->objectName() == "lbMerge";
}

void MergeListBox::lbMergeDragDrop(QObject* source, const QPoint& position)
{
    QListWidgetItem* target = itemAt(position);
    if (!lbMergeDragOver(source) || target == nullptr || currentRow() < 0 || selectedItems().isEmpty())
        return;
    const int to = row(target);
    insertItem(to, takeItem(currentRow()));
    setCurrentRow(to);
}

void MergeListBox::dragEnterEvent(QDragEnterEvent* event)
{
    if (lbMergeDragOver(event->source()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void MergeListBox::dragMoveEvent(QDragMoveEvent* event)
{
    if (lbMergeDragOver(event->source()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void MergeListBox::dropEvent(QDropEvent* event)
{
    lbMergeDragDrop(event->source(), event->position().toPoint());
    // Reported as a copy, so the drag's source removes nothing.
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

TForm4::TForm4(FileMerge& merge, ProgressSink& progress, ProgramLocation& location, const TFileMasks& masks,
               EditorDialogs& dialogs, Hooks hooks, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint),
      merge_(merge),
      progress_(progress),
      location_(location),
      masks_(masks),
      dialogs_(dialogs),
      hooks_(std::move(hooks))
{
    setObjectName("Form4");
    setWindowTitle("Merge List");
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Sort programs in list ", this));
    auto* row = new QHBoxLayout;
    lbMerge = new MergeListBox(this);
    row->addWidget(lbMerge, 1);
    auto* arrows = new QVBoxLayout;
    auto arrow = [this, arrows](const char* name, QStyle::StandardPixmap icon) {
        auto* button = new QToolButton(this);
        button->setObjectName(name);
        button->setIcon(style()->standardIcon(icon));
        arrows->addWidget(button);
        return button;
    };
    SpeedButton1 = arrow("SpeedButton1", QStyle::SP_ArrowUp);
    SpeedButton2 = arrow("SpeedButton2", QStyle::SP_ArrowDown);
    arrows->addStretch(1);
    row->addLayout(arrows);
    layout->addLayout(row, 1);
    btnApplyMerge = new QPushButton("Apply", this);
    btnApplyMerge->setObjectName("btnApplyMerge");
    layout->addWidget(btnApplyMerge, 0, Qt::AlignRight);

    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
    connect(btnApplyMerge, &QPushButton::clicked, this, guard([this] { btnApplyMergeClick(); }));
}

void TForm4::btnMergeClick(const std::vector<std::string>& checkedNames)
{
    lbMerge->clear();
    for (const std::string& name : checkedNames) {
        auto* item = new QListWidgetItem(QString::fromStdString(decodeProgramText(name)), lbMerge);
        item->setData(kNameRole, QByteArray::fromStdString(name));
    }
    if (checkedNames.size() >= 2)
        show();
    else
        QMessageBox::information(parentWidget(), QString(), "Check two or more files to Merge.");
}

void TForm4::SpeedButton1Click()
{
    moveSelected(-1);
}

void TForm4::SpeedButton2Click()
{
    moveSelected(1);
}

void TForm4::moveSelected(int step)
{
    const int from = lbMerge->currentRow();
    if (from < 0 || lbMerge->selectedItems().isEmpty())
        return;
    const int to = from + step;
    if (to < 0 || to >= lbMerge->count()) {
        lbMerge->clearSelection();
        return;
    }
    lbMerge->insertItem(to, lbMerge->takeItem(from));
    lbMerge->setCurrentRow(to);
}

std::vector<std::string> TForm4::entries() const
{
    std::vector<std::string> names;
    for (int i = 0; i < lbMerge->count(); ++i)
        names.push_back(lbMerge->item(i)->data(kNameRole).toByteArray().toStdString());
    return names;
}

void TForm4::btnApplyMergeClick()
{
    const std::vector<std::string> names = entries();
    if (names.empty())
        return;
    if (const std::optional<std::string> refusal = mixedKindsRefusal(location_, names, hooks_.programKind())) {
        QMessageBox box(QMessageBox::Information, "Information", QString::fromStdString(*refusal), QMessageBox::Ok,
                        this);
        execInFront(box);
        return;
    }
    const MaskSaveFilter filter(masks_, true);
    const std::optional<SaveDialogAnswer> answer = dialogs_.saveDialog(
        {filter.text(), 1, location_.FCurrentFolder,
         proposedMergeName(location_.outputFolderFor(hooks_.programFileName()), names.front())});
    if (!answer)
        return;
    const std::string output = mergeOutputName(*answer, filter, names.front());
    const MergeOutcome outcome = mergePrograms(merge_, progress_, location_, names, output);
    hooks_.refreshExplorer();
    if (outcome == MergeOutcome::Copied) {
        if (hooks_.showWrittenFile)
            hooks_.showWrittenFile(output);
        hide();
    }
}

}  // namespace tarnix
