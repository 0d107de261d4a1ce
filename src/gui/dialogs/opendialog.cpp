// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/opendialog.h"
#include "ui_opendialog.h"
#include "core/codecscan.h"
#include "core/encodingguess.h"
#include "core/linebreaker.h"

#include "gui/editor/layoutmode.h"
#include "gui/editor/paragraphdirection.h"

#include <QFutureWatcher>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSet>
#include <QTextBoundaryFinder>
#include <QTextCodec>
#include <QtConcurrent>
#include <algorithm>
#include <memory>

OpenDialog::OpenDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::OpenDialog)
{
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ui->setupUi(this);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setDefault(true);
    // Each paragraph of the preview takes the direction of its own text, as in the editor.
    QTextOption option = textOptionFor(WrappedAuto);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    ParagraphDirectionLayout::install(ui->plainTextEdit, option);
    ui->listWidget->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Alt+S takes the suggestion in every language, whatever letter its mnemonic marks there.
    m_suggestionKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_S), this);
    connect(m_suggestionKey, &QShortcut::activated, this, [this] {
        if (ui->pushSuggested->isVisible())
            ui->pushSuggested->animateClick();
    });
}

OpenDialog::~OpenDialog()
{
    delete ui;
}

namespace {

// The groups of the Windows code pages 1250 to 1258.
const char *const Groups[] = {QT_TRANSLATE_NOOP("OpenDialog", "Central European"),
                              QT_TRANSLATE_NOOP("OpenDialog", "Cyrillic"),
                              QT_TRANSLATE_NOOP("OpenDialog", "Western European"),
                              QT_TRANSLATE_NOOP("OpenDialog", "Greek"),
                              QT_TRANSLATE_NOOP("OpenDialog", "Turkish"),
                              QT_TRANSLATE_NOOP("OpenDialog", "Hebrew"),
                              QT_TRANSLATE_NOOP("OpenDialog", "Arabic"),
                              QT_TRANSLATE_NOOP("OpenDialog", "Baltic"),
                              QT_TRANSLATE_NOOP("OpenDialog", "Vietnamese")};

// Past this size the codecs are tried off the GUI thread, while the dialog shows a busy bar.
constexpr int BackgroundBytes = 1 << 20;

// The preview decodes and shows no more of the file than this, so that choosing an entry costs
// the same at any file size.
constexpr int PreviewBytes = 256 * 1024;

// Qt lays a paragraph out whole, and one of 256 KB takes seconds: the preview breaks its lines
// at this length, which lays out in a few milliseconds.
constexpr int PreviewLineLimit = 2000;

// Room the preview keeps beside a list grown to its labels.
constexpr int PreviewMinWidth = 240;

// The head of data decoded by codec, ending where a character ends: a surrogate pair or a
// letter with its marks cut by the byte limit is left out whole. *whole tells whether that is
// all of the file, *unfinished whether the whole file ended inside a character.
QString previewOf(QTextCodec *codec, const QByteArray &data, bool *whole, bool *unfinished)
{
    const int size = qMin(data.size(), PreviewBytes);
    QTextCodec::ConverterState state;
    QString text = codec->toUnicode(data.constData(), size, &state);
    *whole = size == data.size();
    *unfinished = *whole && state.remainingChars != 0;
    if (*whole)
        return text;
    // Only the last cluster can be cut, so only the tail is looked at.
    constexpr int Tail = 64;
    const int from = qMax(0, text.size() - Tail);
    const QString tail = text.mid(from);
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, tail);
    clusters.toEnd();
    const int lastStart = clusters.toPreviousBoundary();
    text.truncate(from + qMax(0, lastStart));
    return text;
}

// The codecs a byte-order mark at the start names, best first: UTF-16 and UTF-32 read the mark
// themselves. FF FE 00 00 may also be UTF-16 followed by a null character.
QList<int> markedMibs(const QByteArray &data)
{
    const QTextCodec *codec = QTextCodec::codecForUtfText(data, nullptr);
    switch (codec ? codec->mibEnum() : 0) {
    case 1013:
    case 1014:
        return {1015, codec->mibEnum()};
    case 1018:
        return {1017, 1018};
    case 1019:
        return {1017, 1019, 1015, 1014};
    default:
        return {};
    }
}

}

QString OpenDialog::labelFor(int mib, const QByteArray &codecName)
{
    const QString name = QString::fromLatin1(codecName);
    if (mib >= 2250 && mib <= 2258)
        return name + QStringLiteral(" (") + QLatin1String(Groups[mib - 2250]) + QLatin1Char(')');
    return name;
}

int OpenDialog::exec(QByteArray *data, int *ret)
{
    m_data = data;
    m_ret = ret;
    // Up and Down choose, Return opens.
    ui->listWidget->setFocus();
    if (data->size() <= BackgroundBytes) {
        const QList<int> clean = CodecScan::cleanMibs(*data);
        fillList(clean, suggestEncodings(*data, clean));
        return QDialog::exec();
    }

    // The dialog answers while a large file is scanned. The scan works on its own copy of the
    // bytes, and stops when the dialog ends before it does.
    ui->progressBar->show();
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
    using Scan = QPair<QList<int>, QList<int>>;
    auto *watcher = new QFutureWatcher<Scan>(this);
    connect(watcher, &QFutureWatcher<Scan>::finished, this, [this, watcher] {
        ui->progressBar->hide();
        ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(true);
        fillList(watcher->result().first, watcher->result().second);
    });
    const QByteArray bytes = *data;
    const auto stop = std::make_shared<std::atomic<bool>>(false);
    watcher->setFuture(QtConcurrent::run([bytes, stop] {
        const QList<int> clean = CodecScan::cleanMibs(bytes, stop.get());
        return *stop ? Scan() : Scan(clean, suggestEncodings(bytes, clean));
    }));
    const int result = QDialog::exec();
    // The caller's bytes go when it returns; a scan that ends now must not preview them.
    *stop = true;
    watcher->disconnect(this);
    m_data = nullptr;
    return result;
}

void OpenDialog::fillList(const QList<int> &cleanMibs, const QList<int> &suggested)
{
    // Codecs listed under one label twice (the registry knows some by several MIB numbers) are
    // one entry, the first in the registry's order. The list is sorted by the English labels,
    // so its order does not change with the language.
    struct Entry {
        QString key;
        QString label;
        int mib;
    };
    QVector<Entry> entries;
    QSet<QString> seen;
    for (int mib : cleanMibs) {
        QTextCodec *codec = QTextCodec::codecForMib(mib);
        const QString key = labelFor(codec->mibEnum(), codec->name());
        if (seen.contains(key))
            continue;
        seen.insert(key);
        QString label = QString::fromLatin1(codec->name());
        if (mib >= 2250 && mib <= 2258)
            label += QStringLiteral(" (") + tr(Groups[mib - 2250]) + QLatin1Char(')');
        entries.append({key, label, codec->mibEnum()});
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry &a, const Entry &b) { return a.key.localeAwareCompare(b.key) < 0; });
    QListWidgetItem *suggestion = nullptr;
    const QString suggestedKey = suggested.isEmpty()
        ? QString()
        : labelFor(suggested.first(), QTextCodec::codecForMib(suggested.first())->name());
    for (const Entry &entry : qAsConst(entries)) {
        auto *item = new QListWidgetItem(entry.label);
        item->setData(Qt::UserRole, entry.mib);
        ui->listWidget->addItem(item);
        if (entry.key == suggestedKey)
            suggestion = item;
    }

    fitListToLabels();

    // A byte-order mark decides; without one the Western code page is the first choice.
    const auto itemOf = [this](int mib) -> QListWidgetItem * {
        for (int i = 0; i < ui->listWidget->count(); ++i)
            if (ui->listWidget->item(i)->data(Qt::UserRole).toInt() == mib)
                return ui->listWidget->item(i);
        return nullptr;
    };
    QListWidgetItem *preselected = nullptr;
    for (int mib : markedMibs(m_data ? *m_data : QByteArray()))
        if (!preselected)
            preselected = itemOf(mib);
    const QList<QListWidgetItem *> western =
        ui->listWidget->findItems(QStringLiteral("windows-1252"), Qt::MatchStartsWith);
    if (!preselected && !western.isEmpty())
        preselected = western.first();
    // Where the Western code page does not read the file, the suggestion is a better start than
    // the first name in the alphabet.
    if (!preselected)
        preselected = suggestion;
    if (preselected)
        preselected->setSelected(true);
    if (ui->listWidget->count() > 0) {
        if (ui->listWidget->selectedItems().isEmpty())
            ui->listWidget->item(0)->setSelected(true);
        ui->listWidget->setCurrentItem(ui->listWidget->selectedItems().first());
        ui->listWidget->scrollToItem(ui->listWidget->selectedItems().first());
    }

    ui->pushSuggested->setVisible(suggestion != nullptr);
    if (suggestion) {
        ui->pushSuggested->setText(tr("&Suggested: %1").arg(suggestion->text()));
        // Where the mnemonic is Alt+S itself, two shortcuts of one key would take neither.
        m_suggestionKey->setEnabled(ui->pushSuggested->shortcut() != m_suggestionKey->key());
        disconnect(ui->pushSuggested, &QPushButton::clicked, nullptr, nullptr);
        connect(ui->pushSuggested, &QPushButton::clicked, this, [this, suggestion] {
            ui->listWidget->clearSelection();
            suggestion->setSelected(true);
            ui->listWidget->setCurrentItem(suggestion);
            ui->listWidget->scrollToItem(suggestion);
            // Back in the list, Return opens the file with the suggestion.
            ui->listWidget->setFocus();
        });
    }
}

void OpenDialog::fitListToLabels()
{
    QListWidget *list = ui->listWidget;
    const int scrollBar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list->verticalScrollBar());
    int width = list->sizeHintForColumn(0) + 2 * list->frameWidth() + scrollBar;
    // Within the screen, leaving the preview its room.
    if (const QScreen *screen = this->screen())
        width = qMin(width, screen->availableGeometry().width() - PreviewMinWidth);
    list->setFixedWidth(qMax(width, list->minimumSizeHint().width()));
    int dialogWidth = qMax(this->width(), width + PreviewMinWidth + layout()->spacing()
                                              + layout()->contentsMargins().left() + layout()->contentsMargins().right());
    if (const QScreen *screen = this->screen())
        dialogWidth = qMin(dialogWidth, screen->availableGeometry().width());
    resize(dialogWidth, height());
}

void OpenDialog::on_buttonBox_accepted()
{
    const QList<QListWidgetItem *> selected = ui->listWidget->selectedItems();
    // Without a choice the dialog stays open, so the user can still pick one or cancel.
    if (selected.isEmpty()) {
        QMessageBox::warning(this, tr("Open"), tr("Select an encoding."));
        return;
    }
    *m_ret = selected.first()->data(Qt::UserRole).toInt();
    accept();
}

void OpenDialog::on_listWidget_itemSelectionChanged()
{
    const QList<QListWidgetItem *> selected = ui->listWidget->selectedItems();
    if (selected.isEmpty() || !m_data)
        return;
    QTextCodec *codec = QTextCodec::codecForMib(selected.first()->data(Qt::UserRole).toInt());
    bool whole = false;
    bool unfinished = false;
    QString text = previewOf(codec, *m_data, &whole, &unfinished);
    if (unfinished) {
        text = tr("# Error.");
    } else {
        LineBreaker::breakLongLines(&text, PreviewLineLimit);
        if (!whole) {
            if (!text.endsWith(QLatin1Char('\n')))
                text += QLatin1Char('\n');
            text += tr("# The preview is shortened. OK opens the whole file.");
        }
    }
    ui->plainTextEdit->setPlainText(text);
}

void OpenDialog::on_listWidget_doubleClicked(const QModelIndex &)
{
    on_buttonBox_accepted();
}
