#include "editor/widgets/quiet_change.h"

#include <Qsci/qsciscintilla.h>

namespace tarnix {
namespace {

// Puts the widget's notices back however the change ends.
class SilencedNotices {
public:
    explicit SilencedNotices(QsciScintilla& editor)
        : editor_(editor), mask_(editor.SendScintilla(QsciScintillaBase::SCI_GETMODEVENTMASK))
    {
        editor_.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, 0L);
    }
    ~SilencedNotices() { editor_.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, mask_); }
    SilencedNotices(const SilencedNotices&) = delete;
    SilencedNotices& operator=(const SilencedNotices&) = delete;

private:
    QsciScintilla& editor_;
    long mask_;
};

}  // namespace

void changeQuietly(QsciScintilla& editor, const std::function<bool()>& change)
{
    const int linesBefore = editor.lines();
    bool changed = false;
    {
        SilencedNotices silenced(editor);
        changed = change();
    }
    if (!changed)
        return;
    emit editor.textChanged();
    if (editor.lines() != linesBefore)
        emit editor.linesChanged();
}

void undoQuietly(QsciScintilla& editor)
{
    changeQuietly(editor, [&editor] {
        if (!editor.isUndoAvailable())
            return false;
        editor.undo();
        return true;
    });
}

void redoQuietly(QsciScintilla& editor)
{
    changeQuietly(editor, [&editor] {
        if (!editor.isRedoAvailable())
            return false;
        editor.redo();
        return true;
    });
}

}  // namespace tarnix
