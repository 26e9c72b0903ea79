// Opening a program of 180,000 lines in the program page's editor, from the
// Open command to the first painted screen, with the highlighter on; a
// search from the top for a word near the end, and a page scroll; and
// Replace All of 7,587 matches in a program of 169,220 lines.
//
// Needs a display (Xvfb will do); run by hand:
//   xvfb-run -a build/bench/editor_load_bench

#include "editor/widgets/editor_page.h"
#include "editor/widgets/search_dialog.h"
#include "generated_programs.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <Qsci/qsciscintilla.h>

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>

namespace {

constexpr int kLines = 180000;

struct EditorFixture {
    QTemporaryDir folder;
    QWidget window;
    QLineEdit* edFileName = new QLineEdit(&window);
    QsciScintilla* SynEdit = new QsciScintilla(&window);
    tarnix::EditorPage* page = nullptr;

    EditorFixture()
    {
        const std::string path = folder.filePath("large.nc").toStdString();
        std::ofstream file(path, std::ios::binary);
        for (const std::string& line : tarnix::bench::generateGCodeProgram(kLines))
            file << line << "\r\n";
        file.close();
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(edFileName);
        layout->addWidget(SynEdit);
        tarnix::EditorPageHooks hooks;
        hooks.document.currentFolder = [this] { return folder.path().toStdString() + "/"; };
        hooks.document.maskFilter = [] { return std::string("All files|*.*"); };
        hooks.document.requestRepaint = [] {};
        hooks.showProgramPage = [] {};
        hooks.beep = [] {};
        page = new tarnix::EditorPage(*SynEdit, *edFileName, std::move(hooks), &window);
        edFileName->setText(QString::fromStdString(path));
        window.resize(800, 900);
        window.show();
        QApplication::processEvents();
    }

    void open()
    {
        SynEdit->setText({});
        SynEdit->setModified(false);
        page->btnEditOpenClick();
        SynEdit->repaint();
    }
};

// Goes before the application does.
std::unique_ptr<EditorFixture> editorFixture;

EditorFixture& fixture()
{
    if (!editorFixture)
        editorFixture = std::make_unique<EditorFixture>();
    return *editorFixture;
}

void BM_OpenLargeProgram(benchmark::State& state)
{
    EditorFixture& editor = fixture();
    for (auto _ : state)
        editor.open();
    if (editor.SynEdit->lines() != kLines + 1)
        state.SkipWithError("not every line arrived");
}
BENCHMARK(BM_OpenLargeProgram)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_FindNearTheEnd(benchmark::State& state)
{
    EditorFixture& editor = fixture();
    editor.open();
    const QString last = QString("N%1 ").arg((kLines / 8 - 1) * 8);
    for (auto _ : state) {
        editor.SynEdit->setCursorPosition(0, 0);
        if (!editor.SynEdit->findFirst(last, false, true, false, false))
            state.SkipWithError("not found");
        editor.SynEdit->repaint();
    }
}
BENCHMARK(BM_FindNearTheEnd)->Unit(benchmark::kMillisecond);

void BM_ScrollOnePage(benchmark::State& state)
{
    EditorFixture& editor = fixture();
    editor.open();
    int top = 0;
    for (auto _ : state) {
        top = (top + 50) % (kLines - 100);
        editor.SynEdit->setFirstVisibleLine(top);
        editor.SynEdit->repaint();
    }
}
BENCHMARK(BM_ScrollOnePage)->Unit(benchmark::kMillisecond);

// The plunges of the generated program, a third of them cut to Z-0.15: the
// size and the match count of a real program that once hung the window.
QString programWithShallowPlunges(int lineCount, int shallow)
{
    std::vector<std::string> lines = tarnix::bench::generateGCodeProgram(lineCount);
    const int plunges = (lineCount + 6) / 8;
    QString text;
    text.reserve(lineCount * 28);
    for (int i = 0; i < lineCount; ++i) {
        const int plunge = i / 8;
        if (i % 8 == 1 && static_cast<long long>(plunge) * shallow % plunges < shallow)
            lines[i] = " G1 Z-0.15 F300 (plunge)";
        text += QString::fromStdString(lines[i]) + "\r\n";
    }
    return text;
}

void BM_ReplaceAllInLargeProgram(benchmark::State& state)
{
    constexpr int kReplaceLines = 169220, kMatches = 7587;
    EditorFixture& editor = fixture();
    const QString program = programWithShallowPlunges(kReplaceLines, kMatches);
    if (program.count("Z-0.15") != kMatches)
        state.SkipWithError("the program does not hold the matches it should");
    editor.page->mnReplaceClick();
    auto* dialog = editor.window.findChild<tarnix::SearchDialog*>("ReplaceDialog1");
    dialog->findChild<QLineEdit*>("FindText")->setText("Z-0.15");
    dialog->findChild<QLineEdit*>("ReplaceText")->setText("Z-0.25");
    auto* replaceAll = dialog->findChild<QPushButton*>("ReplaceAll");
    for (auto _ : state) {
        state.PauseTiming();
        editor.SynEdit->setText(program);
        editor.SynEdit->setCursorPosition(0, 0);
        state.ResumeTiming();
        replaceAll->click();
        editor.SynEdit->repaint();
    }
    dialog->hide();
    if (editor.SynEdit->text().count("Z-0.25") != kMatches)
        state.SkipWithError("not every match was replaced");
}
BENCHMARK(BM_ReplaceAllInLargeProgram)->Unit(benchmark::kMillisecond)->Iterations(3);

// Undoing that Replace All with the tool bar's Undo: one step of 7,587 pieces.
void BM_UndoReplaceAllInLargeProgram(benchmark::State& state)
{
    constexpr int kReplaceLines = 169220, kMatches = 7587;
    EditorFixture& editor = fixture();
    const QString program = programWithShallowPlunges(kReplaceLines, kMatches);
    editor.page->mnReplaceClick();
    auto* dialog = editor.window.findChild<tarnix::SearchDialog*>("ReplaceDialog1");
    dialog->findChild<QLineEdit*>("FindText")->setText("Z-0.15");
    dialog->findChild<QLineEdit*>("ReplaceText")->setText("Z-0.25");
    auto* replaceAll = dialog->findChild<QPushButton*>("ReplaceAll");
    auto* undo = editor.window.findChild<QAction*>("btnEditUndo");
    for (auto _ : state) {
        state.PauseTiming();
        editor.SynEdit->setText(program);
        editor.SynEdit->setCursorPosition(0, 0);
        replaceAll->click();
        state.ResumeTiming();
        undo->trigger();
        editor.SynEdit->repaint();
    }
    dialog->hide();
    if (editor.SynEdit->text() != program)
        state.SkipWithError("the undo did not bring the program back");
}
BENCHMARK(BM_UndoReplaceAllInLargeProgram)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    editorFixture.reset();
    return 0;
}
