#pragma once
// The editor's ten bookmarks and the gutter menu `pmnBookMark`: "Set
// BookMark" and "Goto BookMark", each with items "0" to "8" (bookmark 9 has
// keys only). The check marks follow the editor's bookmarks when
// `reCheckMenu` runs: after a "Set BookMark" click or a bookmark key.

#include "editor/editor_commands.h"

#include <QObject>

#include <array>

class QAction;
class QMenu;
class QsciScintilla;

namespace tarnix {

class EditorBookmarks : public QObject {
    Q_OBJECT

public:
    static constexpr int kCount = kBookmarkCount;
    static constexpr int kMenuCount = 9;

    explicit EditorBookmarks(QsciScintilla& editor);

    QMenu* pmnBookMark() const { return pmnBookMark_; }
    bool hasBookmark(int index) const;

    void BookmarkState(int index);
    void GotoBookmark(int index);
    void SetBookmark(int index);
    void ClearBookmark(int index);
    void reCheckMenu();

    // The editor's own bookmark keys: setting on the line the bookmark is
    // on clears it, elsewhere moves it to the caret; going needs no check mark.
    void toggleBookmarkKey(int index);
    void gotoBookmarkKey(int index);

private:
    QsciScintilla& editor_;
    QMenu* pmnBookMark_;
    std::array<QAction*, kMenuCount> setItems_{};
    std::array<QAction*, kMenuCount> gotoItems_{};
    // The editor keeps the line of a mark as the text changes; the column is ours.
    std::array<int, kCount> handles_{};
    std::array<int, kCount> columns_{};
};

}  // namespace tarnix
