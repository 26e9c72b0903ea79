#pragma once
// The "Merge List" dialog `Form4`: the marked programs in the order they
// are merged, rearranged with the up and down buttons or by dragging, and
// merged into one file by Apply. It stays on top and is not modal.

#include "editor/editor_ports.h"
#include "interpretation/interpreter_settings.h"
#include "path/program_location.h"
#include "settings/file_masks.h"
#include "transform/file_merge.h"

#include <QDialog>
#include <QListWidget>

#include <functional>
#include <string>
#include <vector>

class QToolButton;
class QPushButton;

namespace tarnix {

// `lbMerge`: takes drags from itself only.
class MergeListBox : public QListWidget {
    Q_OBJECT

public:
    explicit MergeListBox(QWidget* parent = nullptr);

    bool lbMergeDragOver(QObject* source) const;
    // The selected entry moves to the place of the entry at `position`,
    // which is then selected.
    void lbMergeDragDrop(QObject* source, const QPoint& position);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

class TForm4 : public QDialog {
    Q_OBJECT

public:
    // The window's side of a merge.
    struct Hooks {
        // The text of edFileName.
        std::function<std::string()> programFileName;
        // The Explorer folder tree and the drive bar.
        std::function<void()> refreshExplorer;
        // The Explorer's list shows the merged program.
        std::function<void(const std::string& path)> showWrittenFile;
        // The kind a program that names none is read as (the Config page's).
        std::function<ProgramKind()> programKind;
    };

    // Everything passed in must outlive the dialog.
    TForm4(FileMerge& merge, ProgressSink& progress, ProgramLocation& location, const TFileMasks& masks,
           EditorDialogs& dialogs, Hooks hooks, QWidget* parent = nullptr);

    // The list becomes `checkedNames` (list captions as bytes); with two or
    // more the dialog shows, else "Check two or more files to Merge.".
    void btnMergeClick(const std::vector<std::string>& checkedNames);
    void SpeedButton1Click();
    void SpeedButton2Click();
    void btnApplyMergeClick();

    // The entries in merge order.
    std::vector<std::string> entries() const;
    MergeListBox* list() const { return lbMerge; }

private:
    // Moves the selected entry by `step`; at the end of the list the
    // selection goes instead.
    void moveSelected(int step);

    FileMerge& merge_;
    ProgressSink& progress_;
    ProgramLocation& location_;
    const TFileMasks& masks_;
    EditorDialogs& dialogs_;
    Hooks hooks_;
    MergeListBox* lbMerge = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QPushButton* btnApplyMerge = nullptr;
};

}  // namespace tarnix
