#include "editor/widgets/editor_key_filter.h"

#include "editor/widgets/virtual_keys.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <Qsci/qscicommandset.h>
#include <Qsci/qsciscintilla.h>

namespace tarnix {
namespace {

void appendBinding(TSynEditKeyStrokes& table, int qtKey, std::uint16_t command)
{
    if (qtKey == 0)
        return;
    const QKeyCombination combination = QKeyCombination::fromCombined(qtKey);
    std::optional<std::uint16_t> key = virtualKeyFor(combination.key());
    if (key && !(combination.keyboardModifiers() & Qt::MetaModifier))
        table.push_back({*key, shiftBitsFor(combination.keyboardModifiers()), 0, 0, command});
}

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

}  // namespace

TSynEditKeyStrokes defaultKeystrokes(QsciScintilla& editor)
{
    TSynEditKeyStrokes table;
    for (QsciCommand* command : editor.standardCommands()->commands()) {
        const auto number = static_cast<std::uint16_t>(command->command());
        appendBinding(table, command->key(), number);
        appendBinding(table, command->alternateKey(), number);
    }
    return table;
}

QString commandDescription(QsciScintilla& editor, std::uint16_t command)
{
    QsciCommand* known = editor.standardCommands()->find(static_cast<QsciCommand::Command>(command));
    return known ? known->description() : QString("Unknown command %1").arg(command);
}

EditorKeyFilter::EditorKeyFilter(QsciScintilla& editor, const TSynEditKeyStrokes& table, QMenu& popup)
    : QObject(&editor), editor_(editor), table_(table), popup_(popup)
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
    std::optional<std::uint16_t> virtualKey = virtualKeyFor(static_cast<Qt::Key>(key->key()));
    if (!virtualKey)
        return false;
    KeystrokeMatcher::Outcome outcome = matcher_.press(table_, *virtualKey, shiftBitsFor(key->modifiers()));
    if (outcome.kind == KeystrokeMatcher::Outcome::Command)
        runCommand(outcome.command);
    return outcome.kind != KeystrokeMatcher::Outcome::NoMatch;
}

void EditorKeyFilter::runCommand(std::uint16_t command)
{
    // Only the editor's own commands: other message numbers take arguments
    // a key cannot give.
    if (QsciCommand* known = editor_.standardCommands()->find(static_cast<QsciCommand::Command>(command)))
        known->execute();
}

}  // namespace tarnix
