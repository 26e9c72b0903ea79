#pragma once
// A Roland line holds several commands, each ended by ";".

#include <string_view>

namespace tarnix {

// Hands `command` every command of `line` in order. A line without ";" is one
// command. Text after the last ";" is an unfinished command: it is handed on
// only with `withUnfinishedTail` (the information run reads it, a build and
// a run do not).
template <typename Command>
void forEachRolandCommand(std::string_view line, bool withUnfinishedTail, Command command)
{
    std::size_t end = line.find(';');
    if (end == std::string_view::npos) {
        command(line);
        return;
    }
    for (; end != std::string_view::npos; end = line.find(';')) {
        command(line.substr(0, end));
        line.remove_prefix(end + 1);
    }
    if (withUnfinishedTail)
        command(line);
}

}  // namespace tarnix
