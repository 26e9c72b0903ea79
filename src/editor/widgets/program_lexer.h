#pragma once
// The part-program highlighter `SynGeneralSyn1`, a general highlighter with
// a keyword list: words of letters, digits and "_" that start with a letter
// are keywords when the list holds them (letter case ignored); comments run
// from "(" to ")" or to the end of the line. Everything else is plain.

#include <QFont>
#include <Qsci/qscilexercustom.h>

namespace tarnix {

class ProgramLexer : public QsciLexerCustom {
    Q_OBJECT

public:
    enum Style { Default, Comment, Keyword, StyleCount };

    explicit ProgramLexer(const QFont& font, QObject* parent = nullptr);

    const char* language() const override { return "Part program"; }
    QString description(int style) const override;
    void styleText(int start, int end) override;
};

}  // namespace tarnix
