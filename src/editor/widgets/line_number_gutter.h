#pragma once
// The gutter's line numbers: as wide as the last line's number, and never
// narrower than six digits, following the line count as lines come and go
// (a fixed width cut the leading digit from line 1,000,000 on).

#include <QObject>

class QsciScintilla;

namespace tarnix {

class LineNumberGutter : public QObject {
public:
    // Takes over the numbers as the editor shows them now: shown when its
    // number margin has a width.
    explicit LineNumberGutter(QsciScintilla& editor);

    void setShown(bool shown);

private:
    void fit();

    QsciScintilla& editor_;
    bool shown_ = false;
    int digits_ = 0;
};

}  // namespace tarnix
