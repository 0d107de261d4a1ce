// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/interfacestyle.h"
#include "core/mnemonic.h"
#include "testutil.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

namespace {

QImage painted(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    widget->render(&image);
    return image;
}

// The rows in which two pictures of one size differ.
QList<int> rowsThatDiffer(const QImage &a, const QImage &b)
{
    QList<int> rows;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                rows << y;
                break;
            }
    return rows;
}

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 110 && qRed(pixel) < 200;
}

bool isIcon(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

}

class tst_InterfaceStyle : public QObject
{
    Q_OBJECT

private slots:
    void mnemonicKeepsTheWordWhole_data();
    void mnemonicKeepsTheWordWhole();
    void iconAndTextStandTogetherRightToLeft();

private:
    InterfaceStyle m_style;
};

void tst_InterfaceStyle::mnemonicKeepsTheWordWhole_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("first letter joins the next") << QStringLiteral("&بله");
    QTest::newRow("letter inside a word") << QStringLiteral("نا&مه");
    QTest::newRow("lam-alef") << QStringLiteral("&لا");
    QTest::newRow("latin") << QStringLiteral("&Open");
}

// The word with its underlined letter is drawn as the word without one: only the underline
// differs, a row or two under the letters.
void tst_InterfaceStyle::mnemonicKeepsTheWordWhole()
{
    QFETCH(QString, text);
    QPushButton marked(text), plain(Mnemonic::shownText(text).replace(QLatin1Char('&'), QLatin1String("&&")));
    for (QPushButton *button : {&marked, &plain}) {
        button->setStyle(&m_style);
        button->setLayoutDirection(Qt::RightToLeft);
        button->resize(220, 40);
    }
    const QList<int> rows = rowsThatDiffer(painted(&marked), painted(&plain));
    QVERIFY2(!rows.isEmpty(), "no underline drawn");
    QVERIFY2(rows.last() - rows.first() <= 2, qPrintable(QStringLiteral("rows %1 to %2").arg(rows.first()).arg(rows.last())));
}

// Right to left the icon stands at the right of the text with room between them, and the two
// together in the middle, as left to right: Qt's own drawing puts the text against the icon and
// the button's left border.
void tst_InterfaceStyle::iconAndTextStandTogetherRightToLeft()
{
    QPixmap red(16, 16);
    red.fill(Qt::red);
    QPushButton button(QIcon(red), QStringLiteral("انصراف"));
    button.setStyle(&m_style);
    button.setLayoutDirection(Qt::RightToLeft);
    button.resize(button.sizeHint());
    const QImage image = painted(&button);
    int iconLeft = image.width(), textLeft = image.width(), textRight = -1, iconRight = -1;
    for (int y = 4; y < image.height() - 4; ++y)
        for (int x = 4; x < image.width() - 4; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (isIcon(pixel)) {
                iconLeft = qMin(iconLeft, x);
                iconRight = qMax(iconRight, x);
            } else if (isDark(pixel)) {
                textLeft = qMin(textLeft, x);
                textRight = qMax(textRight, x);
            }
        }
    QVERIFY(iconRight >= 0 && textRight >= 0);
    QVERIFY2(iconLeft - textRight > 2, qPrintable(QStringLiteral("text %1-%2, icon %3-%4").arg(textLeft).arg(textRight).arg(iconLeft).arg(iconRight)));
    const int leftGap = textLeft, rightGap = image.width() - 1 - iconRight;
    QVERIFY2(qAbs(leftGap - rightGap) <= 3, qPrintable(QStringLiteral("gaps %1 and %2").arg(leftGap).arg(rightGap)));
}

QTEST_MAIN(tst_InterfaceStyle)
#include "tst_interfacestyle.moc"
