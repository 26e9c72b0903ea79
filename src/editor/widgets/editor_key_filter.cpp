#include "editor/widgets/editor_key_filter.h"

#include "editor/widgets/editor_command_runner.h"
#include "editor/widgets/virtual_keys.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <Qsci/qscicommandset.h>
#include <Qsci/qsciscintilla.h>

namespace tarnix {
namespace {

QAction* popupActionFor(QMenu& popup, const QKeyEvent& event)
{
    const QKeySequence pressed(event.keyCombination());
    for (QAction* action : popup.actions())
        if (!action->shortcut().isEmpty() && action->shortcut() == pressed)
            return action;
    return nullptr;
}

bool isModifierKey(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
           key == Qt::Key_AltGr;
}

// The key's virtual-key code. With Shift held a digit key reports its sign
// ("#" for 3 on many layouts), so the digit row is known by its place on the
// keyboard: xkb key codes 10 to 19 are the keys 1 to 9 and 0.
std::optional<std::uint16_t> virtualKeyOf(const QKeyEvent& event)
{
    if (std::optional<std::uint16_t> key = virtualKeyFor(static_cast<Qt::Key>(event.key())))
        return key;
    const quint32 code = event.nativeScanCode();
    if (code >= 10 && code <= 19)
        return static_cast<std::uint16_t>('0' + (code - 9) % 10);
    return std::nullopt;
}

}  // namespace

EditorKeyFilter::EditorKeyFilter(QsciScintilla& editor, const TSynEditKeyStrokes& table, QMenu& popup,
                                 EditorCommandRunner& commands)
    : QObject(&editor), editor_(editor), table_(table), popup_(popup), commands_(commands)
{
    editor.standardCommands()->clearKeys();
    editor.standardCommands()->clearAlternateKeys();
    editor.installEventFilter(this);
}

bool EditorKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &editor_ || (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress))
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    QAction* popupAction = popupActionFor(popup_, *key);
    if (event->type() == QEvent::ShortcutOverride) {
        // Taken from the main menu: the key press comes here instead.
        if (popupAction)
            event->accept();
        return false;
    }
    if (popupAction) {
        if (popupAction->isEnabled())
            popupAction->trigger();
        return true;
    }
    if (isModifierKey(key->key()))
        return false;
    std::optional<std::uint16_t> virtualKey = virtualKeyOf(*key);
    if (!virtualKey)
        return false;
    KeystrokeMatcher::Outcome outcome = matcher_.press(table_, *virtualKey, shiftBitsFor(key->modifiers()));
    if (outcome.kind == KeystrokeMatcher::Outcome::Command)
        commands_.run(outcome.command);
    return outcome.kind != KeystrokeMatcher::Outcome::NoMatch;
}

}  // namespace tarnix
