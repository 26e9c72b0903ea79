#pragma once
// The nine bookmarks and the gutter menu `pmnBookMark`: "Set BookMark" and
// "Goto BookMark", each with items "0" to "8". The check marks follow the
// editor's bookmarks only when `reCheckMenu` runs, after a "Set BookMark" click.

#include <QObject>

#include <array>

class QAction;
class QMenu;
class QsciScintilla;

namespace tarnix {

class EditorBookmarks : public QObject {
    Q_OBJECT

public:
    static constexpr int kCount = 9;

    explicit EditorBookmarks(QsciScintilla& editor);

    QMenu* pmnBookMark() const { return pmnBookMark_; }
    bool hasBookmark(int index) const;

    void BookmarkState(int index);
    void GotoBookmark(int index);
    void SetBookmark(int index);
    void ClearBookmark(int index);
    void reCheckMenu();

private:
    QsciScintilla& editor_;
    QMenu* pmnBookMark_;
    std::array<QAction*, kCount> setItems_{};
    std::array<QAction*, kCount> gotoItems_{};
    // The editor keeps the line of a mark as the text changes; the column is ours.
    std::array<int, kCount> handles_{};
    std::array<int, kCount> columns_{};
};

}  // namespace tarnix
