// The user's answers during an extraction: passwords, damaged data, files
// already in the folder, and Cancel.

#include "zip_extraction_fixture.h"

#include <utime.h>

namespace tarnix::testing {
namespace {

namespace fs = std::filesystem;

constexpr std::time_t kArchived = 1577959200;
const std::string kPrompt = "input: A new password is required for \"secret.nc\"";

TEST_F(ZipExtractionTest, TheRightPasswordOpensTheProtectedEntriesAfterOneQuestion)
{
    TestArchive(archive)
        .add("secret.nc", "M30\n").encrypted("pw", ZIP_EM_TRAD_PKWARE)
        .add("more.nc", "%\n").encrypted("pw")
        .close();
    window.password = [] { return std::string("pw"); };

    EXPECT_EQ(extract(), 2);

    EXPECT_EQ(readFile(out / "secret.nc"), "M30\n");
    EXPECT_EQ(readFile(out / "more.nc"), "%\n");
    // The dialog makes way for the box and comes back.
    EXPECT_EQ(window.log, (std::vector<std::string>{"dialog created", "show", "max 6", "file secret.nc", "hide",
                                                   kPrompt, "show", "position 4", "file more.nc", "position 6",
                                                   "hide", "dialog freed"}));
}

TEST_F(ZipExtractionTest, AWrongPasswordIsAskedForUntilTheAttemptsAreUsedUp)
{
    writeRejecting(archive, "nope", [&] { TestArchive(archive).add("secret.nc", "M30\n").encrypted("pw").close(); });
    window.password = [] { return std::string("nope"); };

    EXPECT_EQ(extract(), 0);

    EXPECT_EQ(window.lines("input:"), std::vector<std::string>(3, kPrompt));
    EXPECT_TRUE(fs::is_empty(out));
}

TEST_F(ZipExtractionTest, AnEmptyPasswordSkipsTheEntryAfterOneQuestion)
{
    TestArchive(archive).add("secret.nc", "M30\n").encrypted("pw").add("open.nc", "%\n").close();
    int skipped = -1;
    extractor.OnZEDEndBatchEvent = [&](ZipExtractor&, int count, int, int) { skipped = count; };

    EXPECT_EQ(extract(), 1);

    EXPECT_EQ(window.lines("input:"), std::vector<std::string>{kPrompt});
    EXPECT_FALSE(fs::exists(out / "secret.nc"));
    EXPECT_EQ(skipped, 1);
}

// Damaged data: a check sum that fails, or more data than the directory
// declares, which could fill the disk.
enum class Damage { CheckSum, LongerThanDeclared };

struct DamageCase {
    Damage damage;
    ZipDamagedAnswer answer;
};

// Writes `size` as the uncompressed size of the archive's first entry, in
// its local header and in its directory record.
void declareFirstEntrySize(const fs::path& archive, std::uint32_t size)
{
    std::string bytes = readFile(archive);
    for (auto [signature, offset] : {std::pair{"PK\x03\x04", 22}, std::pair{"PK\x01\x02", 24}}) {
        const std::size_t at = bytes.find(signature);
        ASSERT_NE(at, std::string::npos);
        for (int i = 0; i < 4; ++i)
            bytes[at + static_cast<std::size_t>(offset + i)] = static_cast<char>(size >> (8 * i));
    }
    writeFile(archive, bytes);
}

class DamagedAnswerTest : public ZipExtractionTest, public ::testing::WithParamInterface<DamageCase> {
protected:
    const std::string program = "N10 G1 X5 Y5 F100\nN20 M30\n";

    void SetUp() override
    {
        ZipExtractionTest::SetUp();
        if (GetParam().damage == Damage::CheckSum) {
            TestArchive(archive).add("bad.nc", program).stored().add("next.nc", "%\n").close();
            damage(archive, program);
        } else {
            TestArchive(archive).add("bad.nc", program + std::string(4 << 20, 'G')).add("next.nc", "%\n").close();
            declareFirstEntrySize(archive, static_cast<std::uint32_t>(program.size()));
        }
        window.damaged = GetParam().answer;
    }
};

TEST_P(DamagedAnswerTest, TheAnswerDecidesTheFileAndTheRest)
{
    extract();

    const ZipDamagedAnswer answer = GetParam().answer;
    ASSERT_EQ(window.lines("question:"),
              std::vector<std::string>{"question: \"bad.nc\" may be corrupted (CRC error).\nExtract this file anyway? ..."});
    EXPECT_EQ(fs::exists(out / "bad.nc"), answer == ZipDamagedAnswer::Yes);
    if (answer == ZipDamagedAnswer::Yes) {
        EXPECT_EQ(fs::file_size(out / "bad.nc"), program.size());  // never more than declared
    }
    EXPECT_EQ(fs::exists(out / "next.nc"), answer != ZipDamagedAnswer::Cancel);
    // Nothing else is left behind: no partial file.
    EXPECT_EQ(std::distance(fs::directory_iterator(out), fs::directory_iterator()),
              (answer == ZipDamagedAnswer::Yes) + (answer != ZipDamagedAnswer::Cancel));
    EXPECT_EQ(extractor.Cancelled, answer == ZipDamagedAnswer::Cancel);
    // After Cancel the dialog is not shown again.
    const auto question = std::find(window.log.begin(), window.log.end(), window.lines("question:").front());
    EXPECT_EQ(*(question - 1), "hide");
    EXPECT_EQ(*(question + 1), answer == ZipDamagedAnswer::Cancel ? "dialog freed" : "show");
}

std::string caseName(const ::testing::TestParamInfo<DamageCase>& info)
{
    const std::string damage = info.param.damage == Damage::CheckSum ? "CheckSum" : "LongerThanDeclared";
    switch (info.param.answer) {
    case ZipDamagedAnswer::Yes:
        return damage + "Yes";
    case ZipDamagedAnswer::No:
        return damage + "No";
    default:
        return damage + "Cancel";
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, DamagedAnswerTest,
                         ::testing::ValuesIn(std::vector<DamageCase>{
                             {Damage::CheckSum, ZipDamagedAnswer::Yes},
                             {Damage::CheckSum, ZipDamagedAnswer::No},
                             {Damage::CheckSum, ZipDamagedAnswer::Cancel},
                             {Damage::LongerThanDeclared, ZipDamagedAnswer::Yes},
                             {Damage::LongerThanDeclared, ZipDamagedAnswer::No},
                             {Damage::LongerThanDeclared, ZipDamagedAnswer::Cancel},
                         }),
                         caseName);

TEST_F(ZipExtractionTest, AnOlderFileIsReplacedAndANewerOneKept)
{
    TestArchive(archive)
        .add("older.nc", "archived\n").modified(kArchived)
        .add("newer.nc", "archived\n").modified(kArchived)
        .close();
    for (auto [name, age] : {std::pair{"older.nc", kArchived - 3600}, std::pair{"newer.nc", kArchived + 3600}}) {
        writeFile(out / name, "on disk\n");
        const utimbuf times{age, age};
        ASSERT_EQ(::utime((out / name).c_str(), &times), 0);
    }

    EXPECT_EQ(extract(), 1);

    EXPECT_EQ(readFile(out / "older.nc"), "archived\n");
    EXPECT_EQ(readFile(out / "newer.nc"), "on disk\n");
    // Extracting again finds files of the archive's age and keeps them all.
    writeFile(out / "older.nc", "edited\n");
    const utimbuf archived{kArchived, kArchived};
    ASSERT_EQ(::utime((out / "older.nc").c_str(), &archived), 0);
    EXPECT_EQ(extract(), 0);
    EXPECT_EQ(readFile(out / "older.nc"), "edited\n");
}

TEST_F(ZipExtractionTest, CancelDuringALargeArchiveStopsAtTheNextCallback)
{
    const std::string big(1 << 20, 'G');
    TestArchive(archive).add("first.nc", big).add("second.nc", big).add("third.nc", big).close();
    int progressCalls = 0;
    extractor.OnZEDProgressEvent = [&](ZipExtractor&, const std::string&, int, int) { ++progressCalls; };
    // The user presses Cancel while the third progress call lets the window work.
    window.onMessages = [&] {
        if (progressCalls == 3)
            extractor.Cancelled = true;
    };

    EXPECT_EQ(extract(), 0);

    EXPECT_EQ(progressCalls, 3);
    EXPECT_TRUE(fs::is_empty(out));
    EXPECT_EQ(window.log.back(), "dialog freed");
}

}  // namespace
}  // namespace tarnix::testing
