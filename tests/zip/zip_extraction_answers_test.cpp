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

class DamagedAnswerTest : public ZipExtractionTest, public ::testing::WithParamInterface<ZipDamagedAnswer> {
protected:
    const std::string program = "N10 G1 X5 Y5 F100\nN20 M30\n";

    void SetUp() override
    {
        ZipExtractionTest::SetUp();
        TestArchive(archive).add("bad.nc", program).stored().add("next.nc", "%\n").close();
        damage(archive, program);
        window.damaged = GetParam();
    }
};

TEST_P(DamagedAnswerTest, TheAnswerDecidesTheFileAndTheRest)
{
    extract();

    const ZipDamagedAnswer answer = GetParam();
    EXPECT_EQ(window.lines("question:"),
              std::vector<std::string>{"question: \"bad.nc\" may be corrupted (CRC error).\nExtract this file anyway? ..."});
    EXPECT_EQ(fs::exists(out / "bad.nc"), answer == ZipDamagedAnswer::Yes);
    EXPECT_EQ(fs::exists(out / "next.nc"), answer != ZipDamagedAnswer::Cancel);
    EXPECT_EQ(extractor.Cancelled, answer == ZipDamagedAnswer::Cancel);
    // After Cancel the dialog is not shown again.
    const auto question = std::find(window.log.begin(), window.log.end(), window.lines("question:").front());
    EXPECT_EQ(*(question - 1), "hide");
    EXPECT_EQ(*(question + 1), answer == ZipDamagedAnswer::Cancel ? "dialog freed" : "show");
}

std::string answerName(const ::testing::TestParamInfo<ZipDamagedAnswer>& info)
{
    switch (info.param) {
    case ZipDamagedAnswer::Yes:
        return "Yes";
    case ZipDamagedAnswer::No:
        return "No";
    default:
        return "Cancel";
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, DamagedAnswerTest,
                         ::testing::Values(ZipDamagedAnswer::Yes, ZipDamagedAnswer::No, ZipDamagedAnswer::Cancel),
                         answerName);

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
