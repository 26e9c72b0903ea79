#include "common/errors.h"
#include "window/error_report.h"

#include <gtest/gtest.h>

using namespace tarnix;

TEST(ErrorReport, ConversionErrorFillsTheLogPane)
{
    ErrorReport report = reportFor(invalidFloat("1.2.3"));
    EXPECT_EQ(report.boxText, "Converting ERROR: '1.2.3' is not a valid floating point value");
    EXPECT_TRUE(report.clearsLog);
    ASSERT_EQ(report.logLines.size(), 9u);
    EXPECT_EQ(report.logLines[1], "Decimal separator installed as \",\" (comma)");
    EXPECT_EQ(report.logLines[4], " ");
    EXPECT_EQ(report.logLines[8], "(Панель управления -> Язык и стандарты -> Числа)");
}

TEST(ErrorReport, EachKindHasItsOwnText)
{
    EXPECT_EQ(reportFor(InputOutputError("x")).boxText, "Файловая ошибка: x");
    EXPECT_EQ(reportFor(FileOpenError("x")).boxText, "Ошибка открытия файла: x");
    EXPECT_EQ(reportFor(std::runtime_error("x")).boxText, "Нераспознанная ошибка! x");
    EXPECT_FALSE(reportFor(InputOutputError("x")).clearsLog);
    std::string create = reportFor(FileCreateError("x")).boxText;
    EXPECT_EQ(create.rfind("Получено сообщение:x\n\rОшибка открытия файла для записи: \n\r", 0), 0u);
}

TEST(ErrorReport, ProgramTextInTheMessageIsDecoded)
{
    // A word with Windows-1251 letters in it.
    ErrorReport report = reportFor(invalidFloat("1\xE0"));
    EXPECT_EQ(report.boxText, "Converting ERROR: '1а' is not a valid floating point value");
}

// A NUL byte in a program word would end the message there: it is written
// as "\0" and the rest of the message follows.
TEST(ErrorReport, NulInAWordIsWrittenVisibly)
{
    using namespace std::string_view_literals;
    EXPECT_EQ(reportFor(invalidFloat("1\0"sv)).boxText, "Converting ERROR: '1\\0' is not a valid floating point value");
    EXPECT_EQ(reportFor(invalidInteger("\0""7\0\0"sv)).boxText,
              "Converting ERROR: '\\07\\0\\0' is not a valid integer value");
}
