// A small reader of rich text (RTF) into a QTextDocument: enough for the About text and
// any file of its kind. It keeps paragraphs and line breaks, bold, italic, underline,
// font sizes, fonts from the font table, text colours from the colour table, paragraph
// alignment, spacing and indents, and the escaped and Unicode characters; pictures,
// fields' instructions, style sheets and other destinations are left out.
//
// It reads any bytes without failing: unknown control words are skipped, unbalanced or
// missing braces and a file cut short end the text where the bytes end, and nesting is
// bounded, so no input can exhaust the stack or loop for ever.
#pragma once

#include <QByteArray>

class QTextDocument;

namespace rtf {

// Replaces the document's content with the text read from `data`. Bytes that do not open
// as rich text ("{\rtf") show as plain text.
void Read(const QByteArray &data, QTextDocument &document);

// True when the bytes open as rich text.
bool IsRtf(const QByteArray &data);

} // namespace rtf
