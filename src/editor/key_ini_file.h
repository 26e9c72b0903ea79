#pragma once
// "key.ini": the keystroke table as bytes, little-endian, no padding:
// a signed 32-bit count N, then N records of 8 bytes
// (Key u16, Shift u8, Key2 u16, Shift2 u8, Command u16).
//
// A file is never trusted: a count below 1 gives an empty table; a count
// larger than the records present, or a cut-off last record, gives the
// complete records there are; bytes after the counted records are ignored.
// A file too short to hold the count is not a table: the caller keeps its own.

#include "editor/keystroke_table.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarnix {

std::string encodeKeyIni(const TSynEditKeyStrokes& table);
std::optional<TSynEditKeyStrokes> decodeKeyIni(std::string_view bytes);

// Replaces `table` by the file's contents when the file exists and holds a
// table; leaves it alone otherwise.
void readKeyIni(const std::string& path, TSynEditKeyStrokes& table);
// The table from `keyFile`; when there is none, from `earlierKeyFile`, the
// start folder where earlier versions kept it, which is then copied to
// `keyFile` so that the table is read from its own place from then on.
void readKeyIniFrom(const std::string& keyFile, const std::string& earlierKeyFile, TSynEditKeyStrokes& table);
// Throws FileCreateError when the file cannot be written.
void writeKeyIni(const std::string& path, const TSynEditKeyStrokes& table);

}  // namespace tarnix
