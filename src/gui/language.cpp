// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/language.h"
#include "core/settings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// The compiled translations sit in a resource of the static library, which the linker would drop
// unless something refers to it.
static void initTranslations()
{
    Q_INIT_RESOURCE(translations);
}

namespace {

struct Installed {
    QString language = QStringLiteral("en");
    QTranslator *own = nullptr;
    QTranslator *qt = nullptr;
};

Installed &installed()
{
    static Installed state;
    return state;
}

void remove(QTranslator *&translator)
{
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
}

// Qt's texts that Tavlo's translations say again over Qt's own: the context menus of the text
// boxes name the commands as the Edit menu does (one Undo and Redo pair, the same command style),
// and put their mnemonics on letters that do not join the letter before them. Tavlo's
// translator, installed after Qt's, is asked first.
[[maybe_unused]] const char *const QtTextsTranslatedAgain[] = {
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Undo"), QT_TRANSLATE_NOOP("QWidgetTextControl", "&Redo"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "Cu&t"),  QT_TRANSLATE_NOOP("QWidgetTextControl", "&Copy"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Paste"), QT_TRANSLATE_NOOP("QLineEdit", "&Undo"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Redo"),          QT_TRANSLATE_NOOP("QLineEdit", "Cu&t"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Copy"),          QT_TRANSLATE_NOOP("QLineEdit", "&Paste"),
    // A spin box's menu adds these to a line edit's: their letters must differ from the ones above.
    QT_TRANSLATE_NOOP("QAbstractSpinBox", "&Select All"), QT_TRANSLATE_NOOP("QAbstractSpinBox", "&Step up"),
    QT_TRANSLATE_NOOP("QAbstractSpinBox", "Step &down"),
};

// Only the translations Tavlo ships count; any other language shows the English texts.
QString supported(const QString &locale)
{
    const QString code = locale.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('.'), 0, 0);
    if (code == QLatin1String("fa") || code == QLatin1String("ar"))
        return code;
    return QStringLiteral("en");
}

}

namespace Language {

QString storedChoice()
{
    const QString choice = Settings::read(Settings::Key::Language).toString();
    if (choice == QLatin1String("en") || choice == QLatin1String("fa") || choice == QLatin1String("ar"))
        return choice;
    return QStringLiteral("system");
}

void storeChoice(const QString &choice)
{
    Settings::write(Settings::Key::Language, choice);
}

QString resolve(const QString &choice)
{
    if (choice != QLatin1String("system"))
        return supported(choice);
    // LANGUAGE may list several languages; the first one leads.
    const QString list = qEnvironmentVariable("LANGUAGE");
    if (!list.isEmpty() && qEnvironmentVariable("LANG") != QLatin1String("C"))
        return supported(list.section(QLatin1Char(':'), 0, 0));
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return supported(value);
    }
    return QStringLiteral("en");
}

void apply(const QString &language)
{
    Installed &state = installed();
    remove(state.own);
    remove(state.qt);
    state.language = supported(language);
    initTranslations();
    if (state.language == QLatin1String("en")) {
        QLocale::setDefault(QLocale::system());
    } else {
        QLocale::setDefault(QLocale(state.language));
        state.qt = new QTranslator;
        if (state.qt->load(QStringLiteral("qtbase_") + state.language, QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(state.qt);
    }
    state.own = new QTranslator;
    if (state.own->load(QStringLiteral(":/translations/tavlo_") + state.language))
        QCoreApplication::installTranslator(state.own);
}

QString current()
{
    return installed().language;
}

}

QString localNumber(qint64 number)
{
    if (Language::current() == QLatin1String("en"))
        return QString::number(number);
    // Grouped as the translations' own %Ln numbers are.
    return QLocale(Language::current()).toString(number);
}

QString localDigits(const QString &text)
{
    if (Language::current() == QLatin1String("en"))
        return text;
    const ushort zero = QLocale(Language::current()).zeroDigit().unicode();
    QString local = text;
    for (QChar &c : local)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            c = QChar(ushort(zero + (c.unicode() - '0')));
    return local;
}

QLocale interfaceLocale()
{
    if (Language::current() == QLatin1String("en"))
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return QLocale(Language::current());
}
