#pragma once
// What showing each of the three pages does to the window around them:
// the Explorer page shows the file list under the view, the program page
// gives the view the whole right side and reloads the editor when the
// file-name box names another program, the Config page hides the
// transformation panel. Also the two splitters with handlers of their own.

#include <QObject>

#include <functional>
#include <string>

class QCheckBox;
class QLineEdit;
class QSplitter;
class QTabWidget;
class QWidget;
class QsciScintilla;

namespace tarnix {

struct PageShowWidgets {
    QTabWidget* PageControl1 = nullptr;
    QWidget* tsExplorer = nullptr;
    QWidget* tsPellam = nullptr;
    QWidget* tsConfig = nullptr;
    // The view above the file list panel `Panel9`.
    QSplitter* Splitter4 = nullptr;
    // The editor above the run panel, whose top strip is `ControlBar3`.
    QSplitter* Splitter5 = nullptr;
    QWidget* ControlBar3 = nullptr;
    QWidget* Panel11 = nullptr;
    QCheckBox* cbFRLimits = nullptr;
    QsciScintilla* SynEdit = nullptr;
    QLineEdit* edFileName = nullptr;
};

struct PageShowHooks {
    std::function<std::string()> FEditFileName;
    std::function<void()> pressEditOpen;
    std::function<void()> FormResize;
    std::function<void()> RenderScene;
};

class PageShowHandlers : public QObject {
    Q_OBJECT

public:
    static constexpr int kControlBar3Height = 72;

    PageShowHandlers(const PageShowWidgets& widgets, PageShowHooks hooks, QObject* parent);

    // Runs the show handler of the page in front: the window's first
    // showing shows it as a switch to it would. Switches made before the
    // window is shown (start-up's) wait for this.
    void showCurrentPage();
    void tsExplorerShow();
    void tsPellamShow();
    void tsConfigShow();
    void Splitter4Moved();
    void Splitter5Moved();
    // The file list's height as the Explorer page shows it, also while
    // another page has it collapsed.
    int explorerListHeight() const;
    // Sets that height: at once while the list is in sight, else for the
    // Explorer page to give back.
    void setExplorerListHeight(int height);

private:
    // Gives the view the whole right side, keeping the list's height for
    // the Explorer page.
    void collapseFileList();
    void showEditor();
    void resizeAndRender();

    PageShowWidgets w_;
    PageShowHooks hooks_;
    // The file list's height before the other pages collapsed it.
    int fileListHeight_ = 0;
};

}  // namespace tarnix
