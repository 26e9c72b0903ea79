#pragma once
// The start-point scan of a fresh run that begins at "First line": the
// nearest earlier line holding X, Y, Z or G gives the position or the modal
// word that the skipped lines would have left in force.

#include "interpretation/interpreter_state.h"

#include <string_view>

namespace tarnix {

// Reads the line that the backward search for `letter` ('X', 'Y', 'Z' or
// 'G') found. A line beginning with "(" counts for nothing.
// X, Y, Z: the run of "0"-"9", ".", "-", "+" after the first occurrence of
// the letter is the coordinate; an empty run changes nothing. Returns true
// when a coordinate was taken.
// G: the digits after the first "G" are the G number: 0 and 1 set the move
// mode, 17 to 19 the plane, 90 and 91 the distance mode, others nothing.
// Returns true when the number set something.
// Throws ConversionError for a malformed coordinate or a "G" without digits.
bool readStartPointLine(char letter, std::string_view line, TInterpreterState& state);

}  // namespace tarnix
