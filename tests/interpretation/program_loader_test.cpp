#include "common/errors.h"
#include "interpretation/program_loader.h"
#include "reader_fixture.h"

namespace tarnix::testing {
namespace {

class ProgramLoaderTest : public ReaderFixture {
protected:
    ProgramKind kindAfterReading(const std::string& bytes, ProgramKind before)
    {
        context.settings.programKind = before;
        loader.GetFileType(folder.write("program", bytes));
        return context.settings.programKind;
    }

    ProgramLoader loader{context};
};

TEST_F(ProgramLoaderTest, FirstCharacterDecidesTheKind)
{
    EXPECT_EQ(kindAfterReading("%\nG0 X1\n", ProgramKind::Roland), ProgramKind::Fanuc);
    EXPECT_EQ(kindAfterReading("!MC1;\n", ProgramKind::Fanuc), ProgramKind::Roland);
    EXPECT_EQ(kindAfterReading("^PA;", ProgramKind::Fanuc), ProgramKind::Roland);
}

TEST_F(ProgramLoaderTest, AnythingElseLeavesTheKindSilently)
{
    for (const char* bytes : {" %\n", "G0 X1\n", "\n%\n", "\r\n!\r\n", ""}) {
        EXPECT_EQ(kindAfterReading(bytes, ProgramKind::Roland), ProgramKind::Roland) << bytes;
        EXPECT_EQ(kindAfterReading(bytes, ProgramKind::Fanuc), ProgramKind::Fanuc) << bytes;
    }
    context.settings.programKind = ProgramKind::Roland;
    loader.GetFileType(folder.file("missing.nc").string());
    loader.GetFileType(folder.path().string());
    EXPECT_EQ(context.settings.programKind, ProgramKind::Roland);
    EXPECT_TRUE(scroll.lines.empty());
}

TEST_F(ProgramLoaderTest, RolandProgramIsScannedNotHeaderRead)
{
    loader.LoadTypeFile(folder.write("part.rol", "!MC1;\nZ1,2,3;\n(AirHead)\n"));
    EXPECT_EQ(context.settings.programKind, ProgramKind::Roland);
    EXPECT_FALSE(context.settings.cbAirHead);
    EXPECT_EQ(scroll.lines.at(0), "Lines: 3");

    scroll.lines.clear();
    loader.LoadTypeFile(folder.write("part.nc", "%\n(AirHead)\n"));
    EXPECT_EQ(context.settings.programKind, ProgramKind::Fanuc);
    EXPECT_TRUE(context.settings.cbAirHead);
    EXPECT_EQ(scroll.lines.at(0), "====== Information from file ====");
}

TEST_F(ProgramLoaderTest, UnreadableProgramRaisesInputOutputError)
{
    EXPECT_THROW(loader.LoadTypeFile(folder.file("missing.nc").string()), InputOutputError);
    context.settings.programKind = ProgramKind::Roland;
    EXPECT_THROW(loader.LoadTypeFile(folder.file("missing.rol").string()), InputOutputError);
}

}  // namespace
}  // namespace tarnix::testing
