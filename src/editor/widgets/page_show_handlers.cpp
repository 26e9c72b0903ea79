#include "editor/widgets/page_show_handlers.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <Qsci/qsciscintilla.h>

namespace tarnix {

PageShowHandlers::PageShowHandlers(const PageShowWidgets& widgets, PageShowHooks hooks, QObject* parent)
    : QObject(parent), w_(widgets), hooks_(std::move(hooks))
{
    connect(w_.PageControl1, &QTabWidget::currentChanged, this, [this] {
        if (w_.PageControl1->isVisible())
            showCurrentPage();
    });
    connect(w_.Splitter4, &QSplitter::splitterMoved, this, [this] { Splitter4Moved(); });
    connect(w_.Splitter5, &QSplitter::splitterMoved, this, [this] { Splitter5Moved(); });
}

void PageShowHandlers::showCurrentPage()
{
    QWidget* page = w_.PageControl1->currentWidget();
    if (page == w_.tsExplorer)
        tsExplorerShow();
    else if (page == w_.tsPellam)
        tsPellamShow();
    else if (page == w_.tsConfig)
        tsConfigShow();
}

void PageShowHandlers::collapseFileList()
{
    QList<int> sizes = w_.Splitter4->sizes();
    if (sizes.value(1) > 0)
        fileListHeight_ = sizes[1];
    w_.Splitter4->setSizes({sizes[0] + sizes.value(1), 0});
}

int PageShowHandlers::explorerListHeight() const
{
    if (w_.PageControl1->currentWidget() == w_.tsExplorer)
        return w_.Splitter4->sizes().value(1);
    return fileListHeight_;
}

void PageShowHandlers::setExplorerListHeight(int height)
{
    const QList<int> sizes = w_.Splitter4->sizes();
    if (sizes.value(1) == 0)
        fileListHeight_ = height;
    else
        w_.Splitter4->setSizes({sizes[0] + sizes[1] - height, height});
}

void PageShowHandlers::showEditor()
{
    w_.SynEdit->setVisible(true);
    w_.SynEdit->raise();
}

void PageShowHandlers::resizeAndRender()
{
    hooks_.FormResize();
    // One pass handles everything waiting, as many passes in a row would.
    QCoreApplication::processEvents();
    hooks_.RenderScene();
}

void PageShowHandlers::tsExplorerShow()
{
    // The list comes back with the height it had before it was collapsed.
    QList<int> sizes = w_.Splitter4->sizes();
    if (sizes.value(1) == 0 && fileListHeight_ > 0)
        w_.Splitter4->setSizes({std::max(0, sizes[0] - fileListHeight_), fileListHeight_});
    w_.Panel11->setVisible(w_.cbFRLimits->isChecked());
    resizeAndRender();
}

void PageShowHandlers::tsPellamShow()
{
    collapseFileList();
    showEditor();
    if (w_.edFileName->text().toStdString() != hooks_.FEditFileName()) {
        QCoreApplication::processEvents();
        hooks_.pressEditOpen();
    }
    w_.Panel11->setVisible(true);
    resizeAndRender();
}

void PageShowHandlers::tsConfigShow()
{
    showEditor();
    collapseFileList();
    w_.Panel11->setVisible(false);
}

void PageShowHandlers::Splitter4Moved()
{
    hooks_.FormResize();
    hooks_.RenderScene();
}

void PageShowHandlers::Splitter5Moved()
{
    w_.ControlBar3->setFixedHeight(kControlBar3Height);
}

}  // namespace tarnix
