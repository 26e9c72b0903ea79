// "key.ini": the byte layout, the bad files, and matching keys through the table.

#include "editor/key_ini_file.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace tarnix;

namespace {

std::string bytes(std::initializer_list<int> values)
{
    std::string out;
    for (int v : values)
        out += static_cast<char>(v);
    return out;
}

TEST(KeyIniFile, RecordsRoundTripByteForByte)
{
    // Ctrl+Shift+K (0x4B, 5) then Z (0x5A, 0) runs 2180; Home runs 2312.
    const std::string file = bytes({2, 0, 0, 0, 0x4B, 0, 5, 0x5A, 0, 0, 0x84, 0x08, 0x24, 0, 0, 0, 0, 0, 0x08, 0x09});
    std::optional<TSynEditKeyStrokes> table = decodeKeyIni(file);
    ASSERT_TRUE(table);
    ASSERT_EQ(table->size(), 2u);
    EXPECT_EQ((*table)[0], (TSynEditKeyStroke{0x4B, 5, 0x5A, 0, 2180}));
    EXPECT_EQ((*table)[1], (TSynEditKeyStroke{0x24, 0, 0, 0, 2312}));
    EXPECT_EQ(encodeKeyIni(*table), file);
}

TEST(KeyIniFile, BadFilesNeverGiveMoreThanTheCompleteRecords)
{
    const std::string record = bytes({0x41, 0, 4, 0, 0, 0, 0x10, 0x08});
    struct Case {
        const char* what;
        std::string file;
        std::optional<std::size_t> records;
    } cases[] = {
        {"empty file", "", std::nullopt},
        {"cut-off count", bytes({1, 0}), std::nullopt},
        {"zero count", bytes({0, 0, 0, 0}) + record, 0},
        {"negative count", bytes({0xFF, 0xFF, 0xFF, 0xFF}) + record, 0},
        {"count beyond the records", bytes({3, 0, 0, 0}) + record + record, 2},
        {"cut-off last record", bytes({2, 0, 0, 0}) + record + record.substr(0, 5), 1},
        {"huge count, no records", bytes({0xFF, 0xFF, 0xFF, 0x7F}), 0},
        {"bytes after the records", bytes({1, 0, 0, 0}) + record + "junk", 1},
        {"count below the records", bytes({2, 0, 0, 0}) + record + record + record, 2},
    };
    for (const Case& c : cases) {
        std::optional<TSynEditKeyStrokes> table = decodeKeyIni(c.file);
        ASSERT_EQ(table.has_value(), c.records.has_value()) << c.what;
        if (table) {
            EXPECT_EQ(table->size(), *c.records) << c.what;
        }
    }
}

TEST(KeyIniFile, MissingOrCountlessFileKeepsTheTableAndWritingTruncates)
{
    namespace fs = std::filesystem;
    const tarnix::testing::ScratchFolder scratch;
    const fs::path path = scratch.file("key.ini");
    TSynEditKeyStrokes table{{0x26, 0, 0, 0, 2302}};
    readKeyIni(path.string(), table);
    EXPECT_EQ(table.size(), 1u);
    std::ofstream(path, std::ios::binary) << "ab";
    readKeyIni(path.string(), table);
    EXPECT_EQ(table.size(), 1u);

    std::ofstream(path, std::ios::binary) << std::string(100, 'x');
    writeKeyIni(path.string(), table);
    EXPECT_EQ(fs::file_size(path), 12u);
    TSynEditKeyStrokes back;
    readKeyIni(path.string(), back);
    EXPECT_EQ(back, table);
}

TEST(KeyIniFile, TheTableIsReadFromItsOwnPlaceAndOnceFromTheStartFolderWhenOnlyThatHoldsOne)
{
    namespace fs = std::filesystem;
    const tarnix::testing::ScratchFolder settings;
    const tarnix::testing::ScratchFolder startFolder;
    const std::string keyFile = settings.file("key.ini").string();
    const std::string earlier = startFolder.file("key.ini").string();
    const TSynEditKeyStrokes users{{0x26, 0, 0, 0, 2302}};
    const TSynEditKeyStrokes defaults{{0x27, 0, 0, 0, 1}, {0x28, 0, 0, 0, 2}};

    TSynEditKeyStrokes table = defaults;
    readKeyIniFrom(keyFile, earlier, table);
    EXPECT_EQ(table, defaults) << "no file anywhere";
    EXPECT_FALSE(fs::exists(keyFile));

    writeKeyIni(earlier, users);
    readKeyIniFrom(keyFile, earlier, table);
    EXPECT_EQ(table, users);
    // Kept in its own place from now on: the start folder is not asked again.
    fs::remove(earlier);
    table = defaults;
    readKeyIniFrom(keyFile, earlier, table);
    EXPECT_EQ(table, users);

    // Its own place wins over an old file left in the start folder.
    writeKeyIni(earlier, defaults);
    readKeyIniFrom(keyFile, earlier, table);
    EXPECT_EQ(table, users);
}

TEST(KeyIniFile, AFailedWriteNamesTheFolder)
{
    const tarnix::testing::ScratchFolder scratch;
    const std::string keyFile = (scratch.path() / "missing" / "key.ini").string();
    try {
        writeKeyIni(keyFile, {});
        FAIL() << "written";
    } catch (const std::exception& error) {
        EXPECT_NE(std::string(error.what()).find(keyFile), std::string::npos) << error.what();
    }
}

TEST(KeystrokeMatcher, FirstMatchWinsAndTwoKeySequencesRunTheirCommand)
{
    const TSynEditKeyStrokes table{
        {0x4B, ssCtrl, 0x42, 0, 1},  // Ctrl+K, B
        {0x4B, ssCtrl, 0x43, 0, 2},  // Ctrl+K, C
        {0x4B, ssCtrl, 0, 0, 3},     // hidden behind the sequences
        {0x43, 0, 0, 0, 4},          // C alone
        {0x43, 0, 0, 0, 5},          // hidden behind the record above
    };
    using O = KeystrokeMatcher::Outcome;
    struct Step {
        std::uint16_t key;
        std::uint8_t shift;
        O::Kind kind;
        std::uint16_t command;
    } steps[] = {
        {0x4B, ssCtrl, O::SequenceStarted, 0}, {0x43, 0, O::Command, 2},  // Ctrl+K, C
        {0x43, 0, O::Command, 4},                                        // C alone
        {0x4B, ssCtrl, O::SequenceStarted, 0}, {0x44, 0, O::NoMatch, 0}, // Ctrl+K, D: no record
        {0x43, 0, O::Command, 4},                                        // the pending key is gone
        {0x4B, ssShift, O::NoMatch, 0},
    };
    KeystrokeMatcher matcher;
    int index = 0;
    for (const Step& step : steps) {
        O outcome = matcher.press(table, step.key, step.shift);
        EXPECT_EQ(outcome.kind, step.kind) << "step " << index;
        EXPECT_EQ(outcome.command, step.command) << "step " << index;
        ++index;
    }
}

}  // namespace
