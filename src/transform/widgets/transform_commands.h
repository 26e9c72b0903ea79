#pragma once
// The transformation commands: Apply on the transformation panel and
// "Transform marked" in the file list's pop-up. A transformation runs the
// program in the editor with the converter on and saves the converted lines
// under a name of their own, never over the program they came from.

#include "common/sinks.h"
#include "editor/widgets/qt_editor_ports.h"
#include "conversion/converter_settings.h"
#include "interpretation/interpreter_context.h"
#include "path/program_location.h"
#include "settings/file_masks.h"

#include <QObject>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QLineEdit;
class QTabWidget;
class QWidget;

namespace tarnix {

class EditorPage;
class ExplorerFileList;
class ExplorerFolderPanel;
class RunController;
class TransformPanel;

// What the commands use of the main window.
struct TransformLinks {
    InterpreterContext& context;
    TTransformParams& transform;  // the converter's settings
    RunController& run;
    EditorPage& editor;
    ProgramLocation& location;
    const TFileMasks& masks;
    ExplorerFolderPanel& folders;
    ExplorerFileList& lvFiles;
    QTabWidget& PageControl1;
    QWidget& tsPellam;
    QWidget& tsExplorer;
    QLineEdit& edFileName;
    ProgressSink& ProgressBar;
    // The lines the hidden output editor FOutEdit holds.
    std::function<const std::vector<std::string>&()> FOutEdit;
    // The Explorer's list shows the files a command wrote.
    std::function<void(const std::vector<std::string>& paths)> showWrittenFiles;
};

class TransformCommands : public QObject, public MessageSink {
    Q_OBJECT

public:
    // Make Array's copies are saved here, in the Explorer's folder.
    static constexpr const char* kArrayFile = "_Array";
    static constexpr const char* kRunInProgress =
        "A program is running or paused. Stop it before a transformation.";

    TransformCommands(TransformPanel& panel, TransformLinks links, QWidget* window);

    void btnTransformClick();
    void popTransformMarkedClick();
    void TransformMarked();
    // Transforms the program in the editor and saves the output. False when
    // nothing was run: a run was in progress, or the run stopped short.
    bool TransformOne();

    // Set while TransformMarked runs: outputs are saved without a dialog.
    bool FBatchTransform = false;
    // Set by Make Array around its TransformOne calls: the output replaces
    // kArrayFile in the Explorer's folder.
    bool FMakingArray = false;

    // The converter's arc warning, as a box.
    void showInformation(const std::string& text) override;

private:
    // Refuses, with a box, while the engine is running or paused: a run
    // started now could not begin afresh, and a wait for the other to end
    // would never return.
    bool refusedWhileRunning();
    bool ranToTheEnd();
    // The file written, if any.
    std::optional<std::string> saveOutput(const std::string& outputName);
    void information(const QString& text);

    TransformPanel& panel_;
    TransformLinks links_;
    QWidget* window_;
    QtEditorDialogs dialogs_;
    std::vector<std::string> writtenByBatch_;
};

}  // namespace tarnix
