#include "editor/widgets/program_lexer.h"

#include <Qsci/qsciscintilla.h>

#include <cctype>

namespace tarnix {
namespace {

ProgramLexer::Style styleOfWord(char letter)
{
    switch (std::toupper(static_cast<unsigned char>(letter))) {
    case 'G': return ProgramLexer::GWord;
    case 'M': return ProgramLexer::MWord;
    case 'N': return ProgramLexer::BlockNumber;
    case 'F':
    case 'S': return ProgramLexer::FeedOrSpeed;
    case 'X': case 'Y': case 'Z': case 'I': case 'J': case 'K':
    case 'A': case 'B': case 'C': case 'R': case 'U': case 'V': case 'W':
        return ProgramLexer::Coordinate;
    default: return ProgramLexer::OtherWord;
    }
}

bool isNumberCharacter(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+';
}

}  // namespace

ProgramLexer::ProgramLexer(const QFont& font, QObject* parent) : QsciLexerCustom(parent)
{
    setObjectName("SynGeneralSyn1");
    setDefaultFont(font);
    setFont(font, -1);
    setColor(QColor(0x80, 0x80, 0x80), BlockNumber);
    setColor(QColor(0x00, 0x00, 0xC0), GWord);
    setColor(QColor(0xA0, 0x00, 0x00), MWord);
    setColor(QColor(0x00, 0x00, 0x00), Coordinate);
    setColor(QColor(0x00, 0x80, 0x00), FeedOrSpeed);
    setColor(QColor(0x80, 0x00, 0x80), OtherWord);
    setColor(QColor(0x00, 0x70, 0x70), Comment);
    QFont italic = font;
    italic.setItalic(true);
    setFont(italic, Comment);
}

QString ProgramLexer::description(int style) const
{
    static const char* names[StyleCount] = {"Default",    "Comment",    "G word",        "M word",
                                            "Block number", "Coordinate", "Feed or speed", "Other word"};
    return style >= 0 && style < StyleCount ? names[style] : QString();
}

void ProgramLexer::styleText(int start, int end)
{
    QsciScintilla* text = editor();
    if (!text || end <= start)
        return;
    // Styles hold within a line, so styling starts where the line does.
    const long line = text->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, start);
    start = static_cast<int>(text->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line));
    QByteArray bytes(end - start + 1, '\0');
    text->SendScintilla(QsciScintillaBase::SCI_GETTEXTRANGE, start, end, bytes.data());
    const int length = end - start;
    startStyling(start);
    for (int i = 0; i < length;) {
        const char c = bytes[i];
        int next = i + 1;
        Style style = Default;
        if (c == '(') {
            while (next < length && bytes[next - 1] != ')' && bytes[next] != '\n' && bytes[next] != '\r')
                ++next;
            style = Comment;
        } else if (std::isalpha(static_cast<unsigned char>(c))) {
            while (next < length && isNumberCharacter(bytes[next]))
                ++next;
            style = styleOfWord(c);
        }
        setStyling(next - i, style);
        i = next;
    }
}

}  // namespace tarnix
