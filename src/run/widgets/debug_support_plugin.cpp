#include "run/widgets/debug_support_plugin.h"

#include "run/cnc_debugger.h"
#include "run/widgets/run_images.h"

#include <Qsci/qsciscintilla.h>

namespace tarnix {
namespace {

constexpr int glyphExecutable = 0;
constexpr int glyphCurrent = 1;
constexpr int glyphCurrentBreakpoint = 2;
constexpr int glyphBreakpoint = 3;
constexpr int marginCount = 5;

int glyphFor(int info)
{
    const bool current = (info & TCNCDebugger::lineCurrent) != 0;
    const bool breakpoint = (info & TCNCDebugger::lineBreakpoint) != 0;
    if (current)
        return breakpoint ? glyphCurrentBreakpoint : glyphCurrent;
    return breakpoint ? glyphBreakpoint : glyphExecutable;
}

}  // namespace

TDebugSupportPlugin::TDebugSupportPlugin(QsciScintilla& editor, const TCNCDebugger& debugger)
    : editor_(editor), debugger_(debugger)
{
    int glyphMask = 0;
    for (int glyph = 0; glyph < 4; ++glyph) {
        glyphMarker_[glyph] = editor_.markerDefine(gutterGlyph(glyph));
        glyphMask |= 1 << glyphMarker_[glyph];
    }
    currentBackMarker_ = editor_.markerDefine(QsciScintilla::Background);
    editor_.setMarkerBackgroundColor(QColor(0, 0, 255), currentBackMarker_);
    breakpointBackMarker_ = editor_.markerDefine(QsciScintilla::Background);
    editor_.setMarkerBackgroundColor(QColor(255, 0, 0), breakpointBackMarker_);
    whiteTextIndicator_ = editor_.indicatorDefine(QsciScintilla::TextColorIndicator);
    editor_.setIndicatorForegroundColor(Qt::white, whiteTextIndicator_);

    // Glyphs show only in their own margin; line backgrounds only in the
    // text, which Scintilla allows to markers that no margin shows.
    const int backMask = (1 << currentBackMarker_) | (1 << breakpointBackMarker_);
    for (int margin = 0; margin < marginCount; ++margin)
        editor_.setMarginMarkerMask(margin, editor_.marginMarkerMask(margin) & ~(glyphMask | backMask));
    editor_.setMarginType(glyphMargin_, QsciScintilla::SymbolMargin);
    editor_.setMarginMarkerMask(glyphMargin_, glyphMask);
    editor_.setMarginWidth(glyphMargin_, gutterGlyphWidth + 4);
    editor_.setMarginSensitivity(glyphMargin_, true);
    connect(&editor_, &QsciScintilla::marginClicked, this, [this](int margin, int line, Qt::KeyboardModifiers) {
        if (margin == glyphMargin_)
            emit gutterClicked(line + 1);
    });

    // Every line is executable: lines get their glyph as they come.
    connect(&editor_, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char*, int, int linesAdded, int line, int, int, int, int) {
                textModified(position, type, linesAdded, line);
            });
    markExecutable(0, editor_.lines());
}

void TDebugSupportPlugin::textModified(int position, int modificationType, int linesAdded, int line)
{
    // Loading a program deletes every marker of the editor (line -1): the
    // glyphs, breakpoints and current line come back as the engine has them.
    if ((modificationType & QsciScintilla::SC_MOD_CHANGEMARKER) != 0 && line == -1) {
        if ((editor_.markersAtLine(0) & (1U << glyphMarker_[glyphExecutable])) == 0) {
            markExecutable(0, editor_.lines());
            repaintAll();
        }
        return;
    }
    if ((modificationType & QsciScintilla::SC_MOD_INSERTTEXT) == 0 || linesAdded <= 0)
        return;
    const int first = static_cast<int>(
        editor_.SendScintilla(QsciScintilla::SCI_LINEFROMPOSITION, static_cast<unsigned long>(position)));
    markExecutable(first, linesAdded + 1);
}

void TDebugSupportPlugin::markExecutable(int firstLine, int count)
{
    const unsigned long marker = static_cast<unsigned long>(glyphMarker_[glyphExecutable]);
    for (int line = firstLine; line < firstLine + count; ++line) {
        const unsigned long index = static_cast<unsigned long>(line);
        if ((editor_.SendScintilla(QsciScintilla::SCI_MARKERGET, index) & (1 << marker)) == 0)
            editor_.SendScintilla(QsciScintilla::SCI_MARKERADD, index, static_cast<long>(marker));
    }
}

void TDebugSupportPlugin::clearMarks(int line)
{
    const unsigned long index = static_cast<unsigned long>(line - 1);
    const long marks = editor_.SendScintilla(QsciScintilla::SCI_MARKERGET, index);
    for (int marker : {glyphMarker_[glyphCurrent], glyphMarker_[glyphCurrentBreakpoint], glyphMarker_[glyphBreakpoint],
                       currentBackMarker_, breakpointBackMarker_})
        if (marks & (1L << marker))
            editor_.SendScintilla(QsciScintilla::SCI_MARKERDELETE, index, static_cast<long>(marker));
    const long start = editor_.SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, index);
    const long end = editor_.SendScintilla(QsciScintilla::SCI_GETLINEENDPOSITION, index);
    editor_.SendScintilla(QsciScintilla::SCI_SETINDICATORCURRENT, static_cast<unsigned long>(whiteTextIndicator_));
    editor_.SendScintilla(QsciScintilla::SCI_INDICATORCLEARRANGE, static_cast<unsigned long>(start), end - start);
}

void TDebugSupportPlugin::whiteText(int line)
{
    const unsigned long index = static_cast<unsigned long>(line - 1);
    const long start = editor_.SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, index);
    const long end = editor_.SendScintilla(QsciScintilla::SCI_GETLINEENDPOSITION, index);
    editor_.SendScintilla(QsciScintilla::SCI_SETINDICATORCURRENT, static_cast<unsigned long>(whiteTextIndicator_));
    editor_.SendScintilla(QsciScintilla::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(start), end - start);
}

void TDebugSupportPlugin::repaintLine(int line)
{
    if (line < 1 || line > editor_.lines())
        return;
    clearMarks(line);
    const int info = debugger_.GetLineInfo(line);
    const int glyph = glyphFor(info);
    const int index = line - 1;
    if (glyph != glyphExecutable)
        editor_.markerAdd(index, glyphMarker_[glyph]);
    if (info & TCNCDebugger::lineCurrent) {
        editor_.markerAdd(index, currentBackMarker_);
        whiteText(line);
    } else if (info & TCNCDebugger::lineBreakpoint) {
        editor_.markerAdd(index, breakpointBackMarker_);
        whiteText(line);
    }
}

void TDebugSupportPlugin::repaintAll()
{
    for (int marker : {glyphMarker_[glyphCurrent], glyphMarker_[glyphCurrentBreakpoint], glyphMarker_[glyphBreakpoint],
                       currentBackMarker_, breakpointBackMarker_})
        editor_.markerDeleteAll(marker);
    editor_.SendScintilla(QsciScintilla::SCI_SETINDICATORCURRENT, static_cast<unsigned long>(whiteTextIndicator_));
    editor_.SendScintilla(QsciScintilla::SCI_INDICATORCLEARRANGE, 0UL,
                          editor_.SendScintilla(QsciScintilla::SCI_GETLENGTH));
    for (int line : debugger_.breakpoints())
        repaintLine(line);
    repaintLine(debugger_.currentLine());
}

int TDebugSupportPlugin::glyphAt(int line) const
{
    const unsigned marks = editor_.markersAtLine(line - 1);
    for (int glyph : {glyphCurrentBreakpoint, glyphCurrent, glyphBreakpoint, glyphExecutable})
        if (marks & (1U << glyphMarker_[glyph]))
            return glyph;
    return -1;
}

}  // namespace tarnix
