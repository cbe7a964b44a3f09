// VHDL highlighting for text views: reserved words, comments, strings and
// numbers in colour. Used by the template preview and, limited to the
// preformatted examples, by the help (German prose such as "in" stays plain).
#pragma once

#include <QSyntaxHighlighter>

namespace korvalt {

class TVhdlHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
  public:
    // examplesOnly: highlight only preformatted blocks (<pre> in HTML).
    explicit TVhdlHighlighter(QTextDocument* document, bool examplesOnly = false);

  protected:
    void highlightBlock(const QString& text) override;

  private:
    bool examplesOnly_;
};

} // namespace korvalt
