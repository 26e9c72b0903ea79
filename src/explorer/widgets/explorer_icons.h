#pragma once
// The images of the Explorer list: a program sheet, and an archive (a sheet
// with a zipper) so that archives stand out among the programs; and one
// for each command of the list's pop-up menu.

#include <QIcon>

namespace tarnix {

QIcon programFileIcon();
QIcon archiveFileIcon();

// The images of the list's pop-up commands.
QIcon getInfoIcon();      // "Get Info selected": an "i" in a blue disc
QIcon timeSelectedIcon(); // "Time selected": a clock
QIcon reportIcon();       // "Report": a sheet of text lines
QIcon showMarkedIcon();   // "Show marked": a tool path in a view
QIcon mergeMarkedIcon();  // "Merge marked": two sheets joined into one

}  // namespace tarnix
