// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PRINTSOURCE_H
#define PRINTSOURCE_H

#include <QFont>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <QStringView>
#include <QTextOption>

class QPaintDevice;

// What a print or a PDF export puts on its pages, taken from the window when the command starts,
// so that the work can go on (the PDF's off the GUI thread) whatever the window does meanwhile.
struct PrintSource {
    QString text;       // paragraphs separated by U+2029 (as QTextDocument::toRawText() gives them) or LF
    QFont font;         // the user's font, not zoomed
    QTextOption option; // the layout mode's: its directions and alignment
    QString title;      // the header: the file name
    QString shownName;  // the file name as the messages name it
};

// A printed page, in points from the paper's top left corner, with the lines of its fonts as
// measured on the printer. The printer and the PDF both take their pages from here, so that
// both put the same lines on a page.
struct PageSetup {
    QSizeF paper;
    QRectF header;
    QRectF body;
    QRectF footer;
    QFont font;       // sized in points, whatever the user's font was sized in
    QFont headerFont; // of the header and the footer
    // The fonts the printer's text is drawn in: the font's own, then those it falls back to.
    QStringList families;
    QTextOption option; // the source's, wrapping at the page width, even inside a word
    qreal pitch = 0;    // from one line's top to the next
    qreal ascent = 0;   // from a line's top to its baseline
    qreal headerPitch = 0;
    qreal headerAscent = 0;
    qreal tabStop = 0;

    int linesPerPage() const;

    // Measures the source's fonts on a printer for a page layout.
    static PageSetup measure(const PrintSource &source, const QPageLayout &page, QPaintDevice *device);
};

// The direction a paragraph is laid out in: the option's, or with an automatic direction the
// paragraph's own, by its first letter of a strong direction.
bool isRightToLeft(QStringView paragraph, const QTextOption &option);

// Whether a paragraph ends at this character.
inline bool isParagraphBreak(QChar c)
{
    return c == QChar::ParagraphSeparator || c == QLatin1Char('\n');
}

#endif
