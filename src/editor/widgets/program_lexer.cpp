#include "editor/widgets/program_lexer.h"

#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace tarnix {
namespace {

constexpr std::array<std::string_view, 21> kKeywords = {"G0",  "G1",  "G17", "G18", "G19", "G49", "G54",
                                                        "G55", "G56", "G57", "G58", "G59", "H0",  "H1",
                                                        "M3",  "M30", "M6",  "T0",  "T1",  "T2",  "T3"};

bool isWordCharacter(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

bool isKeyword(std::string_view word)
{
    return std::any_of(kKeywords.begin(), kKeywords.end(), [word](std::string_view keyword) {
        return keyword.size() == word.size() &&
               std::equal(word.begin(), word.end(), keyword.begin(), [](char a, char b) {
                   return std::toupper(static_cast<unsigned char>(a)) == b;
               });
    });
}

}  // namespace

ProgramLexer::ProgramLexer(const QFont& font, QObject* parent) : QsciLexerCustom(parent)
{
    setObjectName("SynGeneralSyn1");
    setDefaultFont(font);
    setFont(font, -1);
    QFont italic = font;
    italic.setItalic(true);
    setFont(italic, Comment);
    setColor(QColor(0x00, 0x70, 0x70), Comment);
    QFont bold = font;
    bold.setBold(true);
    setFont(bold, Keyword);
    setColor(QColor(0x00, 0x00, 0xC0), Keyword);
}

QString ProgramLexer::description(int style) const
{
    static const char* names[StyleCount] = {"Default", "Comment", "Keyword"};
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
        } else if (isWordCharacter(c)) {
            // A word that starts with a digit is a number, never a keyword.
            while (next < length && isWordCharacter(bytes[next]))
                ++next;
            if (!std::isdigit(static_cast<unsigned char>(c)) && isKeyword({bytes.constData() + i, std::size_t(next - i)}))
                style = Keyword;
        }
        setStyling(next - i, style);
        i = next;
    }
}

}  // namespace tarnix
