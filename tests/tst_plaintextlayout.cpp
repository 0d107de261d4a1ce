// SPDX-License-Identifier: GPL-3.0-or-later
// The lazy layout against QTextEdit's own: two editors with the same text, font, size and text
// option, one of them on PlainTextLayout, must put the cursor in the same places and paint the
// same pixels.
#include "gui/editor/layoutmode.h"
#include "gui/editor/plaintextlayout.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <memory>

namespace {

// Sixty paragraphs: Persian, English and mixed, some wrapping in the 420-pixel view, some wider
// than it when unwrapped, one empty; Persian-only lines are lower than the others in this font.
QString sampleText()
{
    const char *const paragraphs[] = {
        "سلام دنیا English text ۱۲۳",
        "این یک پاراگراف فارسی است که آن‌قدر بلند است که در پنجره‌ای باریک به چند خط شکسته می‌شود "
        "و چند English words هم در میان خود دارد، با عدد ۱۴۰۵ و (پرانتز).",
        "A plain English paragraph that is also long enough to wrap over two or three lines in a "
        "narrow view, with سلام in it.",
        "",
        "متن کوتاه.",
    };
    QStringList lines;
    for (int i = 0; i < 12; ++i)
        for (const char *p : paragraphs)
            lines << QString::fromUtf8(p);
    return lines.join(QLatin1Char('\n'));
}

struct Editors {
    QTextEdit stock;
    QTextEdit lazy;
};

std::unique_ptr<Editors> makeEditors(int mode, bool visual = false)
{
    auto editors = std::make_unique<Editors>();
    editors->lazy.document()->setDocumentLayout(new PlainTextLayout(editors->lazy.document()));
    int x = 0;
    for (QTextEdit *edit : {&editors->stock, &editors->lazy}) {
        edit->setFont(QFont(QStringLiteral("Noto Serif"), 12));
        edit->document()->setDefaultTextOption(textOptionFor(mode));
        if (visual)
            edit->document()->setDefaultCursorMoveStyle(Qt::VisualMoveStyle);
        edit->setPlainText(sampleText());
        edit->setGeometry(x, 0, 440, 300);
        edit->show();
        x += 460;
    }
    // Unwrapped right-to-left lines all end at the right edge of the widest, where they start
    // and where the lazy layout scrolls to: QTextEdit does the same on a page that wide.
    if (mode == NoWrapRightToLeft) {
        QCoreApplication::processEvents();
        editors->stock.setLineWrapMode(QTextEdit::FixedPixelWidth);
        editors->stock.setLineWrapColumnOrWidth(int(editors->lazy.document()->documentLayout()->documentSize().width()));
        QCoreApplication::processEvents();
        editors->stock.horizontalScrollBar()->setValue(editors->stock.horizontalScrollBar()->maximum());
    }
    return editors;
}

// A space-separated script: key names, "at:N" to place the cursor, "click:x,y" in viewport
// coordinates, and "grid" for clicks all over the viewport.
void play(QTextEdit &edit, const QString &step)
{
    static const QMap<QString, QPair<Qt::Key, Qt::KeyboardModifiers>> keys = {
        {QStringLiteral("Left"), {Qt::Key_Left, Qt::NoModifier}},
        {QStringLiteral("Right"), {Qt::Key_Right, Qt::NoModifier}},
        {QStringLiteral("Up"), {Qt::Key_Up, Qt::NoModifier}},
        {QStringLiteral("Down"), {Qt::Key_Down, Qt::NoModifier}},
        {QStringLiteral("PgUp"), {Qt::Key_PageUp, Qt::NoModifier}},
        {QStringLiteral("PgDn"), {Qt::Key_PageDown, Qt::NoModifier}},
        {QStringLiteral("Home"), {Qt::Key_Home, Qt::NoModifier}},
        {QStringLiteral("End"), {Qt::Key_End, Qt::NoModifier}},
        {QStringLiteral("C-Home"), {Qt::Key_Home, Qt::ControlModifier}},
        {QStringLiteral("C-End"), {Qt::Key_End, Qt::ControlModifier}},
        {QStringLiteral("S-Down"), {Qt::Key_Down, Qt::ShiftModifier}},
    };
    if (step.startsWith(QLatin1String("at:"))) {
        QTextCursor cursor = edit.textCursor();
        cursor.setPosition(step.mid(3).toInt());
        edit.setTextCursor(cursor);
    } else if (step.startsWith(QLatin1String("click:"))) {
        const QStringList xy = step.mid(6).split(QLatin1Char(','));
        QTest::mouseClick(edit.viewport(), Qt::LeftButton, {}, QPoint(xy[0].toInt(), xy[1].toInt()));
    } else {
        const auto key = keys.value(step);
        QTest::keyClick(&edit, key.first, key.second);
    }
    QCoreApplication::processEvents();
}

QStringList expand(const QString &script)
{
    QStringList steps;
    for (const QString &step : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (step == QLatin1String("grid")) {
            for (int y : {8, 15, 40, 75, 130, 200, 270})
                for (int x : {1, 30, 140, 260, 380, 415})
                    steps << QStringLiteral("click:%1,%2").arg(x).arg(y);
        } else {
            steps << step;
        }
    }
    return steps;
}

int differingPixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return -1;
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

QImage shot(QTextEdit &edit)
{
    return edit.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}

class tst_PlainTextLayout : public QObject
{
    Q_OBJECT

private slots:
    void cursorFollowsStock_data();
    void cursorFollowsStock();
    void view_data();
    void view();
    void invisibleMarkers_data();
    void invisibleMarkers();
};

void tst_PlainTextLayout::cursorFollowsStock_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("visual");
    QTest::addColumn<QString>("script");

    // Paragraph 1 starts at 27, paragraph 2 at 170, paragraph 6 at 322.
    for (int mode = 1; mode <= 3; ++mode) {
        const QByteArray m = "mode " + QByteArray::number(mode) + ": ";
        QTest::newRow(m + "right and left through mixed text")
            << mode << false << "at:0 Right Right Right Right Right Right Right Right Right Right Right Left Left";
        QTest::newRow(m + "visual left and right through mixed text")
            << mode << true << "at:0 Left Left Left Left Left Left Left Left Left Left Left Left Right Right";
        QTest::newRow(m + "visual right across a line end")
            << mode << true << "at:170 End Right Right Left Left Left";
        QTest::newRow(m + "down and up over wrapped lines keep the column")
            << mode << false << "at:40 Down Down Down Down Down Down Up Up Up Down";
        QTest::newRow(m + "home and end of the line")
            << mode << false << "at:100 Home End Down Home Down End Up End";
        QTest::newRow(m + "page down and up")
            << mode << false << "at:5 PgDn PgDn PgDn PgUp Down PgUp";
        QTest::newRow(m + "document end and start")
            << mode << false << "C-End Up Up C-Home Down";
        QTest::newRow(m + "clicks at the top, a page down and the end")
            << mode << false << "grid PgDn PgDn grid C-End grid";
        QTest::newRow(m + "selecting downwards")
            << mode << false << "at:30 S-Down S-Down S-Down";
    }
}

void tst_PlainTextLayout::cursorFollowsStock()
{
    QFETCH(int, mode);
    QFETCH(bool, visual);
    QFETCH(QString, script);
    const auto editors = makeEditors(mode, visual);
    QVERIFY(QTest::qWaitForWindowExposed(&editors->lazy));
    const QStringList steps = expand(script);
    for (int i = 0; i < steps.size(); ++i) {
        play(editors->stock, steps[i]);
        play(editors->lazy, steps[i]);
        const QTextCursor expected = editors->stock.textCursor();
        const QTextCursor actual = editors->lazy.textCursor();
        QVERIFY2(actual.position() == expected.position() && actual.anchor() == expected.anchor(),
                 qPrintable(QStringLiteral("step %1 (%2): cursor at %3, stock at %4")
                                .arg(i).arg(steps[i]).arg(actual.position()).arg(expected.position())));
        QCOMPARE(editors->lazy.verticalScrollBar()->value(), editors->stock.verticalScrollBar()->value());
    }
}

namespace {
enum Check { Selection, FullWidthLine, Typing, BottomReachable, EndVisible, ScrollRange, FarDown, RightToLeftAlignment };
}
Q_DECLARE_METATYPE(Check)

void tst_PlainTextLayout::view_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<Check>("check");
    for (int mode = 1; mode <= 3; ++mode) {
        const QByteArray m = "mode " + QByteArray::number(mode) + ": ";
        QTest::newRow(m + "selection over mixed lines paints as stock") << mode << Selection;
        QTest::newRow(m + "full-width extra selection paints as stock") << mode << FullWidthLine;
        QTest::newRow(m + "typing and a new line repaint as stock") << mode << Typing;
        QTest::newRow(m + "scrolled to the bottom, the last line is in view") << mode << BottomReachable;
        QTest::newRow(m + "ctrl+end shows the cursor") << mode << EndVisible;
        // Unwrapped heights are exact before anything is laid out, so the range is too.
        if (mode != 1)
            QTest::newRow(m + "text set into an empty document scrolls as far as stock") << mode << ScrollRange;
    }
    QTest::newRow("mode 1: text further down than single precision reaches is drawn") << 1 << FarDown;
    QTest::newRow("mode 3: short and long lines start at one right edge, in view")
        << 3 << RightToLeftAlignment;
}

void tst_PlainTextLayout::view()
{
    QFETCH(int, mode);
    QFETCH(Check, check);
    const auto editors = makeEditors(mode);
    QVERIFY(QTest::qWaitForWindowExposed(&editors->lazy));
    QTextEdit &lazy = editors->lazy;
    QTextEdit &stock = editors->stock;
    for (QTextEdit *edit : {&stock, &lazy})
        edit->clearFocus();
    QCoreApplication::processEvents();
    const QRect viewport = lazy.viewport()->rect();

    switch (check) {
    case Selection:
    case FullWidthLine:
    case Typing:
        for (QTextEdit *edit : {&stock, &lazy}) {
            QTextCursor cursor = edit->textCursor();
            if (check == Selection) {
                cursor.setPosition(10);
                cursor.setPosition(230, QTextCursor::KeepAnchor);
                edit->setTextCursor(cursor);
            } else if (check == FullWidthLine) {
                QTextEdit::ExtraSelection line;
                line.cursor = QTextCursor(edit->document());
                line.cursor.setPosition(60);
                line.format.setBackground(QColor(Qt::yellow));
                line.format.setProperty(QTextFormat::FullWidthSelection, true);
                edit->setExtraSelections({line});
            } else {
                cursor.setPosition(60);
                edit->setTextCursor(cursor);
                for (const QString &text : {QStringLiteral("abc "), QStringLiteral("\r"), QStringLiteral("سلام ")}) {
                    QKeyEvent key(QEvent::KeyPress, text == QLatin1String("\r") ? Qt::Key_Return : Qt::Key_unknown,
                                  Qt::NoModifier, text);
                    QCoreApplication::sendEvent(edit, &key);
                }
                QTest::keyClick(edit, Qt::Key_Backspace);
                edit->clearFocus();
            }
            QCoreApplication::processEvents();
        }
        {
            const QImage expected = shot(stock);
            const QImage actual = shot(lazy);
            QCOMPARE(differingPixels(actual, expected), 0);
            const QColor mark = check == FullWidthLine ? QColor(Qt::yellow) : lazy.palette().color(QPalette::Inactive, QPalette::Highlight);
            if (check != Typing) {
                QTextCursor probe(lazy.document());
                probe.setPosition(check == Selection ? 40 : 60);
                // The line's row is mostly the mark's colour: background, not just a glyph's edge.
                const int y = lazy.cursorRect(probe).center().y();
                int marked = 0;
                for (int x = 0; x < actual.width(); ++x)
                    marked += QColor(actual.pixel(x, y)) == mark;
                QVERIFY2(marked > actual.width() / 4, qPrintable(QString::number(marked)));
            }
        }
        break;
    case BottomReachable: {
        QScrollBar *bar = lazy.verticalScrollBar();
        for (int i = 0; i < 3; ++i) {
            bar->setValue(bar->maximum());
            QCoreApplication::processEvents();
        }
        const QRectF last = lazy.document()->documentLayout()->blockBoundingRect(lazy.document()->lastBlock());
        QVERIFY2(last.bottom() - bar->value() <= viewport.height() && last.top() - bar->value() >= 0,
                 qPrintable(QStringLiteral("last block %1..%2, view %3..%4")
                                .arg(last.top()).arg(last.bottom()).arg(bar->value()).arg(bar->value() + viewport.height())));
        break;
    }
    case ScrollRange:
        // As a file is opened into a shown window: the text goes into an empty document.
        for (QTextEdit *edit : {&stock, &lazy}) {
            edit->clear();
            QCoreApplication::processEvents();
            edit->setPlainText(sampleText());
            QCoreApplication::processEvents();
        }
        QCOMPARE(lazy.verticalScrollBar()->maximum(), stock.verticalScrollBar()->maximum());
        break;
    case FarDown: {
        // Half a million lines, some 10 million pixels: past 2^23, where a float loses pixels.
        lazy.setPlainText(QStringLiteral("سلام دنیا\n").repeated(500000) + QStringLiteral("end"));
        QTest::keyClick(&lazy, Qt::Key_End, Qt::ControlModifier);
        // The heights are estimated in slices; the view stays at the end while they grow.
        QTRY_VERIFY(lazy.verticalScrollBar()->value() > (1 << 23)
                    && QRect(QPoint(0, 0), lazy.viewport()->size()).contains(lazy.cursorRect()));
        const QImage view = shot(lazy);
        int ink = 0;
        for (int y = 0; y < view.height(); ++y)
            for (int x = 0; x < view.width(); ++x)
                ink += qGray(view.pixel(x, y)) < 128;
        QVERIFY2(ink > 500, qPrintable(QString::number(ink)));
        break;
    }
    case EndVisible:
        QTest::keyClick(&lazy, Qt::Key_End, Qt::ControlModifier);
        QCoreApplication::processEvents();
        QVERIFY(viewport.contains(lazy.cursorRect()));
        break;
    case RightToLeftAlignment: {
        const qreal margin = lazy.document()->documentMargin();
        QAbstractTextDocumentLayout *layout = lazy.document()->documentLayout();
        const QTextBlock shortBlock = lazy.document()->firstBlock().next().next().next().next();
        const QTextBlock longBlock = lazy.document()->firstBlock().next();
        const QRectF shortRect = shortBlock.layout()->lineAt(0).naturalTextRect().translated(layout->blockBoundingRect(shortBlock).topLeft());
        const QRectF longRect = longBlock.layout()->lineAt(0).naturalTextRect().translated(layout->blockBoundingRect(longBlock).topLeft());
        // Seen from the right end, where the view opens, every line starts at the right.
        QScrollBar *bar = lazy.horizontalScrollBar();
        QVERIFY(longRect.width() > viewport.width());
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->maximum());
        for (const QRectF &line : {shortRect, longRect})
            QVERIFY2(qAbs(line.right() - bar->value() - (viewport.width() - margin)) <= 1,
                     qPrintable(QString::number(line.right() - bar->value())));
        break;
    }
    }
}

void tst_PlainTextLayout::invisibleMarkers_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("at");
    // "at" is the marked character, or the end of the first paragraph.
    QTest::newRow("non-joiner between letters") << 1 << QStringLiteral("کتاب\u200cها") << 4;
    QTest::newRow("joiner") << 1 << QStringLiteral("abc\u200ddef") << 3;
    QTest::newRow("right-to-left mark") << 1 << QStringLiteral("سلام\u200f (x)") << 4;
    QTest::newRow("left-to-right mark, unwrapped right to left") << 3 << QStringLiteral("ok\u200e سلام") << 2;
    QTest::newRow("arabic letter mark") << 1 << QStringLiteral("علامت\u061c ۱۲") << 5;
    QTest::newRow("embedding") << 2 << QStringLiteral("a \u202bxyz b") << 2;
    QTest::newRow("pop of an embedding") << 1 << QStringLiteral("xyz\u202c abc") << 3;
    QTest::newRow("isolate") << 1 << QStringLiteral("سلام \u2066abc\u2069 دنیا") << 5;
    QTest::newRow("no-break space") << 1 << QStringLiteral("۱۲\u00a0کیلو") << 2;
    QTest::newRow("narrow no-break space") << 2 << QStringLiteral("5\u202fkm") << 1;
    QTest::newRow("tab") << 1 << QStringLiteral("key\tvalue") << 3;
    QTest::newRow("paragraph end") << 1 << QStringLiteral("سلام دنیا\nبعدی") << 9;
    QTest::newRow("paragraph end, unwrapped left to right") << 2 << QStringLiteral("abc\nnext") << 3;
}

// The markers are drawn over the text: the glyphs are shaped as before, and the pixels change
// only around the marked character.
void tst_PlainTextLayout::invisibleMarkers()
{
    QFETCH(int, mode);
    QFETCH(QString, text);
    QFETCH(int, at);
    QTextEdit edit;
    auto *layout = new PlainTextLayout(edit.document());
    edit.document()->setDocumentLayout(layout);
    edit.setFont(QFont(QStringLiteral("Noto Sans"), 16));
    edit.document()->setDefaultTextOption(textOptionFor(mode));
    edit.setPlainText(text);
    edit.resize(440, 200);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    edit.clearFocus();
    QCoreApplication::processEvents();
    const auto glyphs = [&] {
        QVector<quint32> indexes;
        const QTextLayout *layout = edit.document()->firstBlock().layout();
        for (int i = 0; i < layout->lineCount(); ++i)
            for (const QGlyphRun &run : layout->lineAt(i).glyphRuns())
                indexes += run.glyphIndexes();
        return indexes;
    };
    const QVector<quint32> plainGlyphs = glyphs();
    QVERIFY(!plainGlyphs.isEmpty());
    const QImage plain = shot(edit);
    layout->setInvisiblesShown(true);
    QCoreApplication::processEvents();
    const QImage marked = shot(edit);
    QCOMPARE(glyphs(), plainGlyphs);

    QTextCursor cursor(edit.document());
    cursor.setPosition(at);
    QRect around = edit.cursorRect(cursor);
    cursor.setPosition(at + 1);
    if (cursor.block() == edit.document()->firstBlock())
        around |= edit.cursorRect(cursor);
    const int em = around.height();
    around.adjust(-em, 0, em, 0);
    int changed = 0;
    int astray = 0;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            if (plain.pixel(x, y) == marked.pixel(x, y))
                continue;
            ++changed;
            astray += !around.contains(x, y);
        }
    }
    QVERIFY2(changed > 10, qPrintable(QString::number(changed)));
    QVERIFY2(astray == 0, qPrintable(QStringLiteral("%1 of %2 changed pixels away from the marker").arg(astray).arg(changed)));
}

QTEST_MAIN(tst_PlainTextLayout)
#include "tst_plaintextlayout.moc"

