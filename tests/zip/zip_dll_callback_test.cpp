// The callback's answers, record by record, as the library receives them.

#include "zip_extraction_fixture.h"

#include "zip/zip_dll_callback.h"

#include <cstring>

namespace tarnix::testing {
namespace {

class ZipDllCallbackTest : public ZipExtractionTest {
protected:
    TUnzCallbackRec rec{};

    std::int32_t call(std::int32_t action, std::int32_t flag, std::int32_t number, const char* text = "")
    {
        rec = TUnzCallbackRec{};
        rec.Caller = &extractor;
        rec.ActionCode = action;
        rec.Flag = flag;
        rec.Number = number;
        std::strcpy(rec.Text, text);
        return ZipDllCallback(&rec);
    }
};

TEST_F(ZipDllCallbackTest, AGivenPasswordReplacesTheNameAndUsesUpAnAttempt)
{
    window.password = [] { return std::string("s3cret"); };

    EXPECT_EQ(call(UNZ_ACTION_PASSWORD, 0, 2, "part.nc"), 0);
    EXPECT_STREQ(rec.Text, "s3cret");
    EXPECT_EQ(rec.Flag, 1);
    EXPECT_EQ(rec.Number, 1);

    call(UNZ_ACTION_PASSWORD, 0, 0, "part.nc");
    EXPECT_EQ(rec.Number, 0);  // never below none
    EXPECT_EQ(window.lines("input:").front(), "input: A new password is required for \"part.nc\"");
}

TEST_F(ZipDllCallbackTest, AnEmptyPasswordAnswersNoneAndNoAttempts)
{
    call(UNZ_ACTION_PASSWORD, 1, 3, "part.nc");

    EXPECT_EQ(rec.Flag, 0);
    EXPECT_EQ(rec.Number, 0);
    EXPECT_STREQ(rec.Text, "part.nc");
}

TEST_F(ZipDllCallbackTest, ACancelHandledWhileTheWindowWorksStopsTheNextCall)
{
    window.onMessages = [&] { extractor.Cancelled = true; };

    EXPECT_EQ(call(UNZ_ACTION_PROGRESS, 0, 10), 0);
    EXPECT_EQ(call(UNZ_ACTION_PROGRESS, 0, 10), UNZ_CALLBACK_STOP);
}

}  // namespace
}  // namespace tarnix::testing
