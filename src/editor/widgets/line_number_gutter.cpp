#include "editor/widgets/line_number_gutter.h"

#include <Qsci/qsciscintilla.h>

#include <algorithm>

namespace tarnix {
namespace {

constexpr int numberMargin = 0;
constexpr int fewestDigits = 6;
// Scintilla draws the numbers this many pixels short of the margin's right
// edge, and a digit's smoothed edge reaches a pixel or two before its
// place: a margin only as wide as the digits cuts the first one.
constexpr long numberPadding = 3 + 2;

}  // namespace

LineNumberGutter::LineNumberGutter(QsciScintilla& editor)
    : QObject(&editor),
      editor_(editor),
      shown_(editor.marginLineNumbers(numberMargin) && editor.marginWidth(numberMargin) > 0)
{
    connect(&editor_, &QsciScintilla::linesChanged, this, [this] { fit(); });
    fit();
}

void LineNumberGutter::setShown(bool shown)
{
    shown_ = shown;
    editor_.setMarginLineNumbers(numberMargin, shown);
    digits_ = 0;
    if (shown)
        fit();
    else
        editor_.setMarginWidth(numberMargin, 0);
}

void LineNumberGutter::fit()
{
    if (!shown_)
        return;
    // Measured only when the count of digits changes: Return and BackSpace
    // change the line count at every press.
    const int digits = std::max(fewestDigits, static_cast<int>(QString::number(editor_.lines()).size()));
    if (digits == digits_)
        return;
    digits_ = digits;
    const long width = editor_.SendScintilla(QsciScintilla::SCI_TEXTWIDTH, QsciScintilla::STYLE_LINENUMBER,
                                             QByteArray(digits, '0').constData());
    editor_.setMarginWidth(numberMargin, static_cast<int>(width + numberPadding));
}

}  // namespace tarnix
