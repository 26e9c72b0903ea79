#pragma once
// Stands in front of the editor so that the keystroke table, not the
// editor's own bindings, decides what a key does. The editor pop-up's
// shortcuts come first while the editor has the focus; the main menu's
// come next (Qt's shortcuts); then the table. A key the table does not
// know reaches the editor, which inserts its text.

#include "editor/keystroke_table.h"

#include <QObject>

#include <functional>

class QMenu;
class QsciScintilla;

namespace tarnix {

class EditorCommandRunner;

class EditorKeyFilter : public QObject {
    Q_OBJECT

public:
    // Removes the editor's own bindings; `table` is read at every key.
    EditorKeyFilter(QsciScintilla& editor, const TSynEditKeyStrokes& table, QMenu& popup, EditorCommandRunner& commands);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QsciScintilla& editor_;
    const TSynEditKeyStrokes& table_;
    QMenu& popup_;
    EditorCommandRunner& commands_;
    KeystrokeMatcher matcher_;
};

}  // namespace tarnix
