#include "editor/editor_commands.h"

#include <algorithm>
#include <utility>

namespace tarnix {
namespace {

const std::vector<std::pair<std::uint16_t, std::string>>& namedCommands()
{
    static const std::vector<std::pair<std::uint16_t, std::string>> commands = [] {
        std::vector<std::pair<std::uint16_t, std::string>> named = {
            {ecLeft, "Left"},
            {ecRight, "Right"},
            {ecUp, "Up"},
            {ecDown, "Down"},
            {ecWordLeft, "Word Left"},
            {ecWordRight, "Word Right"},
            {ecLineStart, "Line Start"},
            {ecLineEnd, "Line End"},
            {ecPageUp, "Page Up"},
            {ecPageDown, "Page Down"},
            {ecPageTop, "Page Top"},
            {ecPageBottom, "Page Bottom"},
            {ecEditorTop, "Editor Top"},
            {ecEditorBottom, "Editor Bottom"},
        };
        const std::size_t movements = named.size();
        for (std::size_t i = 0; i < movements; ++i)
            named.emplace_back(named[i].first + ecSelection, "Select " + named[i].second);
        named.insert(named.end(), {
                                      {ecSelectAll, "Select All"},
                                      {ecCopy, "Copy"},
                                      {ecCut, "Cut"},
                                      {ecPaste, "Paste"},
                                      {ecScrollUp, "Scroll Up"},
                                      {ecScrollDown, "Scroll Down"},
                                      {ecToggleMode, "Toggle Mode"},
                                      {ecNormalSelect, "Normal Select"},
                                      {ecColumnSelect, "Column Select"},
                                      {ecLineSelect, "Line Select"},
                                      {ecMatchBracket, "Match Bracket"},
                                      {ecContextHelp, "Context Help"},
                                      {ecDeleteLastChar, "Delete Last Char"},
                                      {ecDeleteChar, "Delete Char"},
                                      {ecDeleteWord, "Delete Word"},
                                      {ecDeleteLastWord, "Delete Last Word"},
                                      {ecDeleteEOL, "Delete EOL"},
                                      {ecDeleteLine, "Delete Line"},
                                      {ecLineBreak, "Line Break"},
                                      {ecInsertLine, "Insert Line"},
                                      {ecUndo, "Undo"},
                                      {ecRedo, "Redo"},
                                      {ecBlockIndent, "Block Indent"},
                                      {ecBlockUnindent, "Block Unindent"},
                                      {ecTab, "Tab"},
                                      {ecShiftTab, "Shift Tab"},
                                  });
        for (int mark = 0; mark < kBookmarkCount; ++mark)
            named.emplace_back(ecGotoMarker0 + mark, "Goto Bookmark " + std::to_string(mark));
        for (int mark = 0; mark < kBookmarkCount; ++mark)
            named.emplace_back(ecSetMarker0 + mark, "Set Bookmark " + std::to_string(mark));
        return named;
    }();
    return commands;
}

}  // namespace

const std::vector<std::uint16_t>& editorCommands()
{
    static const std::vector<std::uint16_t> numbers = [] {
        std::vector<std::uint16_t> all;
        for (const auto& [number, name] : namedCommands())
            all.push_back(number);
        return all;
    }();
    return numbers;
}

std::string editorCommandName(std::uint16_t command)
{
    const auto& named = namedCommands();
    auto found = std::find_if(named.begin(), named.end(), [command](const auto& entry) { return entry.first == command; });
    return found != named.end() ? found->second : "Unknown command " + std::to_string(command);
}

}  // namespace tarnix
