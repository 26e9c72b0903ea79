// The file list's commands: the quick view of a clicked program, marking
// from the keyboard, and loading the selected or marked programs into one
// drawn path.

#include "explorer/widgets/explorer.h"

#include "common/text_encoding.h"
#include "interpretation/fanuc_header_reader.h"
#include "interpretation/powermill_info_reader.h"
#include "interpretation/program_loader.h"
#include "explorer/explorer_names.h"
#include "explorer/explorer_zip_listing.h"
#include "interpretation/program_line_reader.h"

namespace tarnix {

std::string Explorer::programPath(const std::string& itemName) const
{
    return location_.pathOf(itemName);
}

void Explorer::quickView(const std::string& path)
{
    hooks_.setProgramFileName(path);
    hooks_.clearLog();
    context_.Scroll->appendLine("File name: " + decodeProgramText(path));
    showProgramInfo(path);
}

void Explorer::showProgramInfo(const std::string& path)
{
    // An archive has no program header; its bytes are no text for the log.
    if (hasZipExtension(path))
        return;
    if (FZipOpen && !ProgramLineReader::exists(path)) {
        explainMissingEntry();
        return;
    }
    ProgramLoader(context_).GetFileType(path);
    hooks_.programKindChanged();
    const TInterpreterSettings& settings = context_.settings;
    if (!settings.cbTap)
        PowerMillInfoReader(context_).GetPowerMillInfo(path);
    else if (settings.programKind == ProgramKind::Fanuc)
        FanucHeaderReader(context_).GetFanucTapInfo(path);
}

bool Explorer::openArchiveExtracted()
{
    if (!FZipOpen || location_.FZipExtracted)
        return true;
    // A failed extraction has said why; the folder's files of the entries'
    // names are other programs.
    return extractOpenArchive() && location_.FZipExtracted;
}

void Explorer::explainMissingEntry()
{
    for (int n = 0; n < FZip.Count(); ++n) {
        const TFileInfo entry = FZip.GetEntry(n);
        if (entry.FileName == location_.FSelectedFile) {
            context_.Scroll->appendLine(decodeProgramText(entryNotExtractedLine(entry)));
            return;
        }
    }
}

void Explorer::drawPrograms(const std::vector<std::string>& itemNames)
{
    if (!openArchiveExtracted())
        return;
    // Names, not items: building a path lets window events in, and those
    // may refill the list.
    for (const std::string& name : itemNames) {
        // An entry keeps its folders: they tell it from an entry of the same
        // name in another folder.
        location_.FSelectedFile = location_.FZipExtracted ? name : fileNamePart(name);
        hooks_.LoadTypeFile(programPath(name));
        hooks_.MakePath();
        hooks_.RenderScene();
    }
}

void Explorer::lvFilesClick()
{
    const QTreeWidgetItem* item = lvFiles.firstSelectedItem();
    if (item == nullptr)
        return;
    location_.FSelectedFile = ExplorerFileList::itemName(item);
    // An entry of an archive not yet extracted is read once the release
    // has extracted it; the folder's file of that name is another program.
    if (FZipOpen && !location_.FZipExtracted) {
        quickViewAfterExtraction_ = true;
        return;
    }
    quickView(programPath(location_.FSelectedFile));
}

void Explorer::lvFilesKeyUp(ListKey key)
{
    const QTreeWidgetItem* first = lvFiles.firstSelectedItem();
    if (first != nullptr)
        location_.FSelectedFile = ExplorerFileList::itemName(first);
    // The keys, too, read an archive's entries only once it is extracted.
    if (!openArchiveExtracted())
        return;
    const std::string path = programPath(location_.FSelectedFile);
    hooks_.setProgramFileName(path);
    hooks_.clearLog();

    switch (key) {
    case ListKey::NumpadPlus:
    case ListKey::NumpadMinus:
        if (first != nullptr)
            lvFiles.checkSelected(key == ListKey::NumpadPlus);
        [[fallthrough]];
    case ListKey::Up:
    case ListKey::Down:
        context_.Scroll->appendLine("File name: " + decodeProgramText(path));
        showProgramInfo(path);
        break;
    case ListKey::Space:
        lvFiles.invertSelectedMarksExceptCurrent();
        break;
    case ListKey::Enter:
        hooks_.ClearPath();
        drawPrograms(lvFiles.selectedNames());
        break;
    }
}

void Explorer::lvFilesDblClick()
{
    hooks_.ClearPath();
    hooks_.switchOffSmoothDrawAndDelay();
    drawPrograms(lvFiles.selectedNames());
}

void Explorer::Showmarked1Click()
{
    hooks_.ClearPath();
    drawPrograms(lvFiles.checkedNames());
}

}  // namespace tarnix
