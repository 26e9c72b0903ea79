#include "run/widgets/debug_support_plugin.h"

#include "run/cnc_debugger.h"
#include "run/widgets/run_images.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>
#include <Qsci/qsciscintilla.h>

#include <array>

namespace tarnix {
namespace {

constexpr int glyphExecutable = 0;
constexpr int glyphCurrent = 1;
constexpr int glyphCurrentBreakpoint = 2;
constexpr int glyphBreakpoint = 3;
constexpr int marginCount = 5;
constexpr int glyphX = 2;

// Lies over the glyph margin and paints a glyph for every row in view;
// clicks pass through to the margin.
class GutterGlyphs : public QWidget {
public:
    GutterGlyphs(QWidget& viewport, const TDebugSupportPlugin& plugin, const QsciScintilla& editor)
        : QWidget(&viewport), plugin_(plugin), editor_(editor)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        for (int glyph = 0; glyph < 4; ++glyph)
            images_[static_cast<std::size_t>(glyph)] = gutterGlyph(glyph);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const long top = editor_.SendScintilla(QsciScintilla::SCI_GETFIRSTVISIBLELINE);
        const long rows = editor_.SendScintilla(QsciScintilla::SCI_LINESONSCREEN) + 2;
        for (long row = 0; row < rows; ++row) {
            const int line = static_cast<int>(top + row + 1);
            const QRect at = plugin_.glyphRect(line).translated(-pos());
            painter.drawImage(at.topLeft(), images_[static_cast<std::size_t>(plugin_.glyphFor(line))]);
        }
    }

private:
    const TDebugSupportPlugin& plugin_;
    const QsciScintilla& editor_;
    std::array<QImage, 4> images_;
};

}  // namespace

TDebugSupportPlugin::TDebugSupportPlugin(QsciScintilla& editor, const TCNCDebugger& debugger)
    : editor_(editor), debugger_(debugger)
{
    currentBackMarker_ = editor_.markerDefine(QsciScintilla::Background);
    editor_.setMarkerBackgroundColor(QColor(0, 0, 255), currentBackMarker_);
    breakpointBackMarker_ = editor_.markerDefine(QsciScintilla::Background);
    editor_.setMarkerBackgroundColor(QColor(255, 0, 0), breakpointBackMarker_);
    whiteTextIndicator_ = editor_.indicatorDefine(QsciScintilla::TextColorIndicator);
    editor_.setIndicatorForegroundColor(Qt::white, whiteTextIndicator_);

    // Line backgrounds only in the text, which Scintilla allows to markers
    // that no margin shows; the glyph margin itself shows no marker.
    const int backMask = (1 << currentBackMarker_) | (1 << breakpointBackMarker_);
    for (int margin = 0; margin < marginCount; ++margin)
        editor_.setMarginMarkerMask(margin, editor_.marginMarkerMask(margin) & ~backMask);
    editor_.setMarginType(glyphMargin_, QsciScintilla::SymbolMargin);
    editor_.setMarginMarkerMask(glyphMargin_, 0);
    editor_.setMarginWidth(glyphMargin_, gutterGlyphWidth + 2 * glyphX);
    editor_.setMarginSensitivity(glyphMargin_, true);
    connect(&editor_, &QsciScintilla::marginClicked, this, [this](int margin, int line, Qt::KeyboardModifiers) {
        if (margin == glyphMargin_)
            emit gutterClicked(line + 1);
    });

    glyphs_ = new GutterGlyphs(*editor_.viewport(), *this, editor_);
    editor_.viewport()->installEventFilter(this);
    // Scrolling, zooming and margin changes all end in an update of the view.
    connect(&editor_, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int) { placeGlyphs(); });
    connect(&editor_, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char*, int, int linesAdded, int line, int, int, int, int) {
                textModified(type, position, linesAdded, line);
            });
    // A quiet change of many pieces (an undone Replace All) tells only this,
    // once it is over. An ordinary change tells this first, then where its
    // lines went: that notice, which comes right after, leaves nothing for
    // the check to do.
    connect(&editor_, &QsciScintilla::linesChanged, this, [this] {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (followedLines_ != editor_.lines())
                    repaintAll();
            },
            Qt::QueuedConnection);
    });
    followedLines_ = editor_.lines();
    placeGlyphs();
    glyphs_->show();
}

bool TDebugSupportPlugin::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == editor_.viewport() && event->type() == QEvent::Resize)
        placeGlyphs();
    return QObject::eventFilter(watched, event);
}

void TDebugSupportPlugin::placeGlyphs()
{
    int x = 0;
    for (int margin = 0; margin < glyphMargin_; ++margin)
        x += editor_.marginWidth(margin);
    // A moved or resized overlay is painted anew by itself. Otherwise the
    // glyphs change only when other lines come into the rows: this runs
    // after every paint of the editor, and asking for another paint here
    // painted the whole window twice for every keystroke.
    const QRect place(x, 0, editor_.marginWidth(glyphMargin_), editor_.viewport()->height());
    if (glyphs_->geometry() != place)
        glyphs_->setGeometry(place);
    if (const GlyphRows rows = glyphRows(); rows != shownRows_) {
        shownRows_ = rows;
        glyphs_->update();
    }
}

TDebugSupportPlugin::GlyphRows TDebugSupportPlugin::glyphRows() const
{
    GlyphRows rows;
    rows.top = editor_.SendScintilla(QsciScintilla::SCI_GETFIRSTVISIBLELINE);
    const long topStart = editor_.SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, static_cast<unsigned long>(rows.top));
    rows.topY = static_cast<int>(editor_.SendScintilla(QsciScintilla::SCI_POINTYFROMPOSITION, 0UL, topStart));
    rows.height = static_cast<int>(editor_.SendScintilla(QsciScintilla::SCI_TEXTHEIGHT, 0UL));
    return rows;
}

void TDebugSupportPlugin::textModified(int modificationType, int position, int linesAdded, int line)
{
    if (repainting_)
        return;
    // Loading a program deletes every marker of the editor (line -1).
    if ((modificationType & QsciScintilla::SC_MOD_CHANGEMARKER) != 0 && line == -1) {
        repaintAll();
        return;
    }
    const bool inserted = (modificationType & QsciScintilla::SC_MOD_INSERTTEXT) != 0;
    const bool deleted = (modificationType & QsciScintilla::SC_MOD_DELETETEXT) != 0;
    if ((!inserted && !deleted) || linesAdded == 0)
        return;
    // A change made quietly before this one moved the marks unseen.
    if (followedLines_ + linesAdded != editor_.lines()) {
        repaintAll();
        return;
    }
    followedLines_ = editor_.lines();
    followMovedMarks(position, linesAdded, inserted);
    repaintMovedMarks();
}

// As Scintilla moves a line's markers with its text: lines inserted at the
// very start of a line push it down, markers and all; the markers of
// deleted lines join the line where the deletion starts.
void TDebugSupportPlugin::followMovedMarks(int position, int linesAdded, bool inserted)
{
    const long at = editor_.SendScintilla(QsciScintilla::SCI_LINEFROMPOSITION, static_cast<unsigned long>(position)) + 1;
    const bool atLineStart =
        editor_.SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, static_cast<unsigned long>(at - 1)) == position;
    for (PaintedMark& mark : painted_) {
        if (inserted) {
            if (mark.line > at || (mark.line == at && atLineStart))
                mark.line += linesAdded;
        } else if (mark.line > at - linesAdded) {
            mark.line += linesAdded;
        } else if (mark.line > at) {
            mark.line = static_cast<int>(at);
        }
    }
}

// The marks painted are few, so this costs the same on a program of
// millions of lines as on one of ten.
void TDebugSupportPlugin::repaintMovedMarks()
{
    for (const PaintedMark& mark : painted_) {
        const long marks = editor_.SendScintilla(QsciScintilla::SCI_MARKERGET, static_cast<unsigned long>(mark.line - 1));
        if ((marks & (1L << mark.marker)) == 0) {
            repaintAll();
            return;
        }
    }
    repainting_ = true;
    // Lines joined by a deletion may hold a marker twice.
    for (const PaintedMark& mark : painted_)
        editor_.SendScintilla(QsciScintilla::SCI_MARKERDELETE, static_cast<unsigned long>(mark.line - 1),
                              static_cast<long>(mark.marker));
    painted_.clear();
    // The white text went with the text, also into the lines a split made.
    clearAllWhiteText();
    repainting_ = false;
    markEngineLines();
}

QRect TDebugSupportPlugin::glyphRect(int line) const
{
    const GlyphRows rows = glyphRows();
    const int y = rows.topY + static_cast<int>(line - 1 - rows.top) * rows.height + (rows.height - gutterGlyphHeight) / 2;
    return {glyphs_->x() + glyphX, y, gutterGlyphWidth, gutterGlyphHeight};
}

int TDebugSupportPlugin::glyphFor(int line) const
{
    const int info = debugger_.GetLineInfo(line);
    const bool current = (info & TCNCDebugger::lineCurrent) != 0;
    const bool breakpoint = (info & TCNCDebugger::lineBreakpoint) != 0;
    if (current)
        return breakpoint ? glyphCurrentBreakpoint : glyphCurrent;
    return breakpoint ? glyphBreakpoint : glyphExecutable;
}

void TDebugSupportPlugin::clearMarks(int line)
{
    const unsigned long index = static_cast<unsigned long>(line - 1);
    std::erase_if(painted_, [line](const PaintedMark& mark) { return mark.line == line; });
    for (int marker : {currentBackMarker_, breakpointBackMarker_})
        while (editor_.SendScintilla(QsciScintilla::SCI_MARKERGET, index) & (1L << marker))
            editor_.SendScintilla(QsciScintilla::SCI_MARKERDELETE, index, static_cast<long>(marker));
    whiteText(line, false);
}

void TDebugSupportPlugin::whiteText(int line, bool white)
{
    const unsigned long index = static_cast<unsigned long>(line - 1);
    const long start = editor_.SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, index);
    const long end = editor_.SendScintilla(QsciScintilla::SCI_GETLINEENDPOSITION, index);
    editor_.SendScintilla(QsciScintilla::SCI_SETINDICATORCURRENT, static_cast<unsigned long>(whiteTextIndicator_));
    editor_.SendScintilla(white ? QsciScintilla::SCI_INDICATORFILLRANGE : QsciScintilla::SCI_INDICATORCLEARRANGE,
                          static_cast<unsigned long>(start), end - start);
}

void TDebugSupportPlugin::clearAllWhiteText()
{
    editor_.SendScintilla(QsciScintilla::SCI_SETINDICATORCURRENT, static_cast<unsigned long>(whiteTextIndicator_));
    editor_.SendScintilla(QsciScintilla::SCI_INDICATORCLEARRANGE, 0UL,
                          editor_.SendScintilla(QsciScintilla::SCI_GETLENGTH));
}

void TDebugSupportPlugin::repaintLine(int line)
{
    glyphs_->update();
    markLine(line);
}

void TDebugSupportPlugin::markLine(int line)
{
    if (line < 1 || line > editor_.lines())
        return;
    repainting_ = true;
    clearMarks(line);
    const int info = debugger_.GetLineInfo(line);
    if (info & (TCNCDebugger::lineCurrent | TCNCDebugger::lineBreakpoint)) {
        const int marker = (info & TCNCDebugger::lineCurrent) ? currentBackMarker_ : breakpointBackMarker_;
        editor_.markerAdd(line - 1, marker);
        painted_.push_back({line, marker});
        whiteText(line, true);
    }
    repainting_ = false;
}

void TDebugSupportPlugin::markEngineLines()
{
    for (int line : debugger_.breakpoints())
        markLine(line);
    markLine(debugger_.currentLine());
}

void TDebugSupportPlugin::repaintAll()
{
    repainting_ = true;
    for (int marker : {currentBackMarker_, breakpointBackMarker_})
        editor_.markerDeleteAll(marker);
    painted_.clear();
    clearAllWhiteText();
    repainting_ = false;
    followedLines_ = editor_.lines();
    markEngineLines();
    glyphs_->update();
}

}  // namespace tarnix
