#pragma once
// The item images of the Explorer list: a program sheet, and an archive
// (a sheet with a zipper) so that archives stand out among the programs.

#include <QIcon>

namespace tarnix {

QIcon programFileIcon();
QIcon archiveFileIcon();

}  // namespace tarnix
