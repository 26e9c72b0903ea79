#include "editor/widgets/editor_bookmarks.h"

#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <Qsci/qsciscintilla.h>

namespace tarnix {
namespace {

// The editor's markers 10 to 19 are bookmarks 0 to 9.
constexpr int kFirstMarker = 10;

QPixmap bookmarkImage(int index)
{
    QPixmap image(14, 14);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setBrush(QColor(0x40, 0x80, 0xC0));
    painter.setPen(Qt::darkBlue);
    painter.drawRoundedRect(0, 0, 13, 13, 2, 2);
    painter.setPen(Qt::white);
    painter.drawText(image.rect(), Qt::AlignCenter, QString::number(index));
    return image;
}

}  // namespace

EditorBookmarks::EditorBookmarks(QsciScintilla& editor)
    : QObject(&editor), editor_(editor), pmnBookMark_(new QMenu(&editor))
{
    handles_.fill(-1);
    columns_.fill(0);
    pmnBookMark_->setObjectName("pmnBookMark");
    QMenu* setMenu = pmnBookMark_->addMenu("Set BookMark");
    QMenu* gotoMenu = pmnBookMark_->addMenu("Goto BookMark");
    int mask = 0;
    for (int i = 0; i < kCount; ++i) {
        editor.markerDefine(bookmarkImage(i), kFirstMarker + i);
        mask |= 1 << (kFirstMarker + i);
    }
    for (int i = 0; i < kMenuCount; ++i) {
        setItems_[i] = setMenu->addAction(QString::number(i), this, [this, i] { BookmarkState(i); });
        gotoItems_[i] = gotoMenu->addAction(QString::number(i), this, [this, i] { GotoBookmark(i); });
        setItems_[i]->setObjectName(QString("SetBookmark%1").arg(i));
        gotoItems_[i]->setObjectName(QString("GotoBookmark%1").arg(i));
        setItems_[i]->setCheckable(true);
        gotoItems_[i]->setCheckable(true);
    }
    editor.setMarginType(1, QsciScintilla::SymbolMargin);
    editor.setMarginMarkerMask(1, mask);
    editor.setMarginWidth(1, 16);
}

bool EditorBookmarks::hasBookmark(int index) const
{
    return handles_[index] >= 0 && editor_.markerLine(handles_[index]) >= 0;
}

void EditorBookmarks::BookmarkState(int index)
{
    // The item's check mark, as it stood before this click, says what to do.
    if (!setItems_[index]->isChecked())
        ClearBookmark(index);
    else
        SetBookmark(index);
    reCheckMenu();
}

void EditorBookmarks::SetBookmark(int index)
{
    if (hasBookmark(index))
        ClearBookmark(index);
    int line = 0;
    editor_.getCursorPosition(&line, &columns_[index]);
    handles_[index] = editor_.markerAdd(line, kFirstMarker + index);
}

void EditorBookmarks::ClearBookmark(int index)
{
    if (hasBookmark(index))
        editor_.markerDeleteHandle(handles_[index]);
    handles_[index] = -1;
}

void EditorBookmarks::reCheckMenu()
{
    for (int i = 0; i < kMenuCount; ++i) {
        setItems_[i]->setChecked(hasBookmark(i));
        gotoItems_[i]->setChecked(hasBookmark(i));
    }
}

void EditorBookmarks::GotoBookmark(int index)
{
    // A checkable item flips its mark before it reports the click.
    gotoItems_[index]->setChecked(!gotoItems_[index]->isChecked());
    if (gotoItems_[index]->isChecked())
        gotoBookmarkKey(index);
}

void EditorBookmarks::toggleBookmarkKey(int index)
{
    int line = 0, column = 0;
    editor_.getCursorPosition(&line, &column);
    const bool onCaretLine = hasBookmark(index) && editor_.markerLine(handles_[index]) == line;
    ClearBookmark(index);
    if (!onCaretLine)
        SetBookmark(index);
    reCheckMenu();
}

void EditorBookmarks::gotoBookmarkKey(int index)
{
    if (!hasBookmark(index))
        return;
    const int line = editor_.markerLine(handles_[index]);
    editor_.setCursorPosition(line, columns_[index]);
    editor_.ensureLineVisible(line);
}

}  // namespace tarnix
