#include "gui/vhdlhighlighter.h"

#include <QTextBlock>

#include "vhdl/highlight.h"

namespace korvalt {

namespace {

QTextCharFormat FormatOf(TVhdlKind kind) {
    QTextCharFormat f;
    switch (kind) {
    case TVhdlKind::Keyword:
        f.setForeground(QColor(0x00, 0x00, 0x9c));
        f.setFontWeight(QFont::Bold);
        break;
    case TVhdlKind::Comment:
        f.setForeground(QColor(0x3a, 0x7d, 0x22));
        f.setFontItalic(true);
        break;
    case TVhdlKind::String:
        f.setForeground(QColor(0xa3, 0x15, 0x15));
        break;
    case TVhdlKind::Number:
        f.setForeground(QColor(0x09, 0x6e, 0x8c));
        break;
    }
    return f;
}

// Block state: 1 when the block ends inside a "/*" comment.
constexpr int InBlockComment = 1;

} // namespace

TVhdlHighlighter::TVhdlHighlighter(QTextDocument* document, bool examplesOnly)
    : QSyntaxHighlighter(document), examplesOnly_(examplesOnly) {}

void TVhdlHighlighter::highlightBlock(const QString& text) {
    setCurrentBlockState(0);
    if (examplesOnly_ && !currentBlock().blockFormat().nonBreakableLines()) return;
    bool inComment = previousBlockState() == InBlockComment;
    // One byte per character keeps the positions; only ASCII decides a kind.
    const QByteArray bytes = text.toLatin1();
    for (const TVhdlSpan& s :
         VhdlSpans(std::string_view(bytes.constData(), bytes.size()), inComment))
        setFormat(static_cast<int>(s.start), static_cast<int>(s.length), FormatOf(s.kind));
    setCurrentBlockState(inComment ? InBlockComment : 0);
}

} // namespace korvalt
