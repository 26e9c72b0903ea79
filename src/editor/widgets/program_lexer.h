#pragma once
// The part-program highlighter `SynGeneralSyn1`: G and M words, block
// numbers, coordinates, feeds and speeds, comments in parentheses.

#include <QFont>
#include <Qsci/qscilexercustom.h>

namespace tarnix {

class ProgramLexer : public QsciLexerCustom {
    Q_OBJECT

public:
    enum Style { Default, Comment, GWord, MWord, BlockNumber, Coordinate, FeedOrSpeed, OtherWord, StyleCount };

    explicit ProgramLexer(const QFont& font, QObject* parent = nullptr);

    const char* language() const override { return "Part program"; }
    QString description(int style) const override;
    void styleText(int start, int end) override;
};

}  // namespace tarnix
