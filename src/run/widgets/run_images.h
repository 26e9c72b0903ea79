#pragma once
// The run panel's pictures, drawn in code.

#include <QIcon>
#include <QImage>

namespace tarnix {

// imglActions: 0 Run, 1 Step, 2 Run to cursor, 3 Pause, 4 Stop,
// 5 Toggle Breakpoint, 6 Clear All Breakpoints, 7 Calculate File Info.
QIcon actionImage(int index);

// imglGutterGlyphs, 11 x 14: 0 executable line, 1 current line, 2 current
// line with a breakpoint, 3 breakpoint. Drawn over one another in the gutter,
// glyphs 1 to 3 cover glyph 0.
constexpr int gutterGlyphWidth = 11;
constexpr int gutterGlyphHeight = 14;
QImage gutterGlyph(int index);

}  // namespace tarnix
