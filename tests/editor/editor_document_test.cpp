// Open, New, Save and Save As on files in a scratch folder, with the
// dialogs answered from scripts.

#include "common/errors.h"
#include "editor/editor_document.h"
#include "editor_recorders.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

using namespace tarnix;
using namespace tarnix::test;
namespace fs = std::filesystem;

namespace {

std::string readBytes(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

class EditorDocumentTest : public ::testing::Test {
protected:
    const tarnix::testing::ScratchFolder scratch;
    fs::path folder = scratch.path();
    RecordingEditor editor;
    RecordingNameBox box;
    ScriptedDialogs dialogs;
    int repaints = 0;
    EditorDocument document{editor, box, dialogs,
                            DocumentHooks{[this] { return folder.string() + "/"; },
                                          [] { return std::string("All files|*.*|*.nc|*.nc|*.tap|*.tap"); },
                                          [this] { ++repaints; }}};

    std::string at(const std::string& name) const { return (folder / name).string(); }

    void openProgram(const std::string& name, const std::string& bytes)
    {
        writeBytes(at(name), bytes);
        box.name = at(name);
        document.btnEditOpenClick();
    }
};

TEST_F(EditorDocumentTest, OpenLoadsTheNamedFileButShowsTheDialogForNoNameOrNothing)
{
    writeBytes(at("NoName"), "never loaded");
    for (const std::string& name : {std::string(), at("NoName")}) {
        box.name = name;
        document.btnEditOpenClick();
        EXPECT_FALSE(document.FFileLoaded()) << name;
    }
    EXPECT_EQ(dialogs.openDialogs, 2);

    openProgram("part.nc", "G1 X1\r\n");
    EXPECT_EQ(editor.content, "G1 X1\r\n");
    EXPECT_EQ(editor.painted, std::vector<std::string>{"    LOADING..."});
    EXPECT_EQ(document.FEditFileName(), at("part.nc"));
    EXPECT_EQ(dialogs.openDialogs, 2);
}

TEST_F(EditorDocumentTest, OpenDialogChoiceNamesTheBox)
{
    writeBytes(at("chosen.tap"), "M30\n");
    dialogs.openAnswers = {at("chosen.tap")};
    document.btnEditOpenClick();
    EXPECT_EQ(box.name, at("chosen.tap"));
    EXPECT_EQ(editor.content, "M30\n");
    EXPECT_TRUE(document.FFileLoaded());
}

TEST_F(EditorDocumentTest, MissingFileLeavesTheLoadingLineAndSaveNeverWritesItOverTheOldProgram)
{
    openProgram("old.nc", "G0 X0\n");
    box.name = at("missing.nc");
    EXPECT_THROW(document.btnEditOpenClick(), FileOpenError);
    EXPECT_EQ(editor.content, "    LOADING...");
    EXPECT_EQ(document.FEditFileName(), at("old.nc"));

    document.Save();  // no name for the text: the dialog, which is cancelled
    EXPECT_EQ(dialogs.saveSetups.size(), 1u);
    EXPECT_EQ(readBytes(at("old.nc")), "G0 X0\n");
}

TEST_F(EditorDocumentTest, SaveAsAddsTheChosenFiltersExtensionOnlyWhenTheNameHasNone)
{
    struct Case {
        const char* typed;
        int filterIndex;
        const char* written;
    } cases[] = {{"part", 1, "part.tap"}, {"part", 2, "part.nc"}, {"part.txt", 2, "part.txt"}};
    for (const Case& c : cases) {
        editor.content = "G1";
        editor.modified = true;
        dialogs.saveAnswers = {SaveDialogAnswer{at(c.typed), c.filterIndex}};
        document.SaveAs();
        EXPECT_TRUE(fs::exists(at(c.written))) << c.written;
        EXPECT_EQ(box.name, at(c.written));
        EXPECT_FALSE(editor.modified);
        EXPECT_EQ(dialogs.saveSetups.back().filterIndex, 1);
    }
}

TEST_F(EditorDocumentTest, NewThenSaveWritesNoNameOnlyAfterAnEarlierOpen)
{
    document.btnEditNewClick();
    editor.content = "typed";
    document.Save();
    EXPECT_EQ(dialogs.saveSetups.size(), 1u) << "no earlier Open: Save As";
    EXPECT_FALSE(fs::exists(at("NoName")));

    openProgram("a.nc", "A");
    document.btnEditNewClick();
    EXPECT_EQ(box.name, at("NoName"));
    editor.content = "typed";
    document.Save();
    EXPECT_EQ(readBytes(at("NoName")), "typed");
}

TEST_F(EditorDocumentTest, SaveQuestionsAskEachTheirOwnTextAndProposeTheirOwnName)
{
    openProgram("first.nc", "1");
    editor.modified = true;
    writeBytes(at("second.nc"), "2");
    box.name = at("second.nc");  // selected in the Explorer meanwhile
    dialogs.confirmations = {true};
    dialogs.saveAnswers = {SaveDialogAnswer{at("kept.nc"), 1}};
    document.btnEditOpenClick();
    EXPECT_EQ(dialogs.questions.back(), "Current file modified.  Save now?");
    EXPECT_EQ(dialogs.saveSetups.back().fileName, at("second.nc"));
    EXPECT_EQ(dialogs.saveSetups.back().folder, folder.string() + "/");
    EXPECT_EQ(readBytes(at("kept.nc")), "1");
    EXPECT_EQ(editor.content, "2");

    editor.modified = true;
    dialogs.confirmations = {true};
    document.btnEditNewClick();  // the dialog as last shown
    EXPECT_EQ(dialogs.questions.back(), "File modified.  Save now?");
    EXPECT_EQ(dialogs.saveSetups.back().fileName, at("kept.nc"));

    editor.modified = true;
    dialogs.confirmations = {false};
    const std::size_t shown = dialogs.saveSetups.size();
    EXPECT_FALSE(document.offerSave(SaveAsker::Close));
    EXPECT_EQ(dialogs.saveSetups.size(), shown);
}

TEST_F(EditorDocumentTest, RefreshSaveRenamesTheProgram)
{
    openProgram("a.nc", "A");
    editor.modified = true;
    dialogs.confirmations = {true};
    dialogs.saveAnswers = {SaveDialogAnswer{at("b.nc"), 1}};
    EXPECT_EQ(document.offerSave(SaveAsker::Refresh), at("b.nc"));
    EXPECT_EQ(box.name, at("b.nc"));
    EXPECT_EQ(document.FEditFileName(), at("b.nc"));
    EXPECT_FALSE(editor.modified);
}

TEST_F(EditorDocumentTest, SaveWhileTheExplorerSelectedAnotherProgramWritesTheTextsOwnFile)
{
    openProgram("mine.nc", "old");
    writeBytes(at("other.nc"), "other");
    box.name = at("other.nc");
    editor.content = "new";
    editor.modified = true;
    document.Save();
    EXPECT_EQ(readBytes(at("mine.nc")), "new");
    EXPECT_EQ(readBytes(at("other.nc")), "other");
    EXPECT_FALSE(editor.modified);
}

TEST_F(EditorDocumentTest, ProgramsGoBackInTheEncodingTheyCameIn)
{
    const std::string cp1251 = "(\xcf\xd0\xce\xc3\xd0\xc0\xcc\xcc\xc0)\r\nG1 X1\r\n";  // (ПРОГРАММА)
    const std::string utf8 = "(\xd0\x9f)\nG1\n";
    for (const std::string& bytes : {cp1251, utf8}) {
        openProgram("enc.nc", bytes);
        editor.modified = true;
        document.Save();
        EXPECT_EQ(readBytes(at("enc.nc")), bytes);
    }
    openProgram("enc.nc", cp1251);
    EXPECT_EQ(editor.content.substr(0, 3), "(\xd0\x9f");
}

TEST_F(EditorDocumentTest, EveryByteOfEveryUneditedLineIsWrittenBack)
{
    // NUL, the byte Windows-1251 leaves undefined and CR LF line ends.
    const std::string head("G0 X0 Y0\r\nG1 X1 Y1 F100\r\n\0\r\n(\x98\xcf)\r\n", 31);
    std::string binary;
    for (int i = 0; i < 2000; ++i)
        binary += static_cast<char>((i * 7) % 256);
    for (const std::string& bytes : {head + "M30\r\n", head + "\xd0\x9f\r\n" + std::string(1, '\0'), binary}) {
        openProgram("bytes.nc", bytes);
        editor.modified = true;
        document.Save();
        EXPECT_EQ(readBytes(at("bytes.nc")), bytes);
    }
    openProgram("bytes.nc", head + "M30\r\n");
    editor.content.replace(editor.content.find("M30"), 3, "M02");
    document.Save();
    EXPECT_EQ(readBytes(at("bytes.nc")), head + "M02\r\n");
    EXPECT_TRUE(dialogs.questions.empty());
}

TEST_F(EditorDocumentTest, TypedCharacterTheCodePageCannotHoldIsNamedBeforeTheSave)
{
    const std::string bytes = "(\xcf)\rG1\r\nG2\n";
    openProgram("typed.nc", bytes);
    editor.content += "G3 \xe4\xb8\xad\n";
    editor.modified = true;
    dialogs.confirmations = {false};
    document.Save();
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_NE(dialogs.questions[0].find("Line 4 "), std::string::npos) << dialogs.questions[0];
    EXPECT_EQ(readBytes(at("typed.nc")), bytes);
    EXPECT_TRUE(editor.modified);

    dialogs.confirmations = {false};
    dialogs.saveAnswers = {SaveDialogAnswer{at("copy.nc"), 1}};
    document.SaveAs();
    EXPECT_FALSE(fs::exists(at("copy.nc")));
    EXPECT_EQ(box.name, at("typed.nc"));
    EXPECT_EQ(document.textFileName(), at("typed.nc"));

    dialogs.confirmations = {true};
    document.Save();
    EXPECT_EQ(readBytes(at("typed.nc")), bytes + "G3 ?\n");
    EXPECT_FALSE(editor.modified);
}

TEST_F(EditorDocumentTest, FailedWriteKeepsTheModifiedFlagAndLeavesNothingBehind)
{
    fs::create_directory(at("taken.nc"));  // a folder where the file should go
    editor.content = "text";
    editor.modified = true;
    for (const std::string& name : {at("taken.nc"), at("no/such/folder.nc")}) {
        dialogs.saveAnswers = {SaveDialogAnswer{name, 1}};
        EXPECT_THROW(document.SaveAs(), FileCreateError) << name;
        EXPECT_TRUE(editor.modified);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(EditorDocumentTest, SaveAsksBeforeReplacingChangesMadeOnDiskSinceTheReadOrTheLastSave)
{
    openProgram("a.nc", "G0 X0\n");
    // Another program (or a second copy of this one) appends a line.
    std::ofstream(at("a.nc"), std::ios::binary | std::ios::app) << "G1 X9\n";
    editor.content = "G0 X0\nG0 Y1\n";
    editor.modified = true;

    dialogs.confirmations = {false};
    document.Save();
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_NE(dialogs.questions[0].find(at("a.nc")), std::string::npos) << dialogs.questions[0];
    EXPECT_EQ(readBytes(at("a.nc")), "G0 X0\nG1 X9\n");
    EXPECT_TRUE(editor.modified);

    dialogs.confirmations = {true};
    document.Save();
    EXPECT_EQ(dialogs.questions.size(), 2u);
    EXPECT_EQ(readBytes(at("a.nc")), "G0 X0\nG0 Y1\n");

    // Its own saves change nothing the next save would ask about.
    editor.content = "G0 X0\nG0 Y2\n";
    editor.modified = true;
    document.Save();
    EXPECT_EQ(dialogs.questions.size(), 2u);
    EXPECT_EQ(readBytes(at("a.nc")), "G0 X0\nG0 Y2\n");
}

TEST_F(EditorDocumentTest, TwoDocumentsOnOneFileDoNotWipeEachOthersSaves)
{
    RecordingEditor otherEditor;
    RecordingNameBox otherBox;
    ScriptedDialogs otherDialogs;
    EditorDocument other{otherEditor, otherBox, otherDialogs, DocumentHooks{[this] { return folder.string() + "/"; },
                                                                            [] { return std::string("All|*.*"); },
                                                                            [] {}}};
    openProgram("a.nc", "G0 X0\n");
    otherBox.name = at("a.nc");
    other.btnEditOpenClick();
    otherEditor.content = "from the other\n";
    otherEditor.modified = true;
    other.Save();  // no one else wrote yet: no question
    EXPECT_TRUE(otherDialogs.questions.empty());

    editor.content = "from this one\n";
    editor.modified = true;
    document.Save();  // the question is answered No
    EXPECT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(readBytes(at("a.nc")), "from the other\n");
}

}  // namespace
