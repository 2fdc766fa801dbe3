#include "base/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kestrel {

namespace {

// Where the build embeds kestrel_XX.qm (translations/CMakeLists.txt).
constexpr auto kOwnFolder = ":/translations";
constexpr auto kTranslatorName = "kestrel-translator";

QString environment(const char* name) {
    return QString::fromLocal8Bit(qgetenv(name));
}

// "de_DE.UTF-8@euro" -> "de_DE".
QString withoutCodeset(QString entry) {
    return entry.left(entry.indexOf(QLatin1Char('.'))).section(QLatin1Char('@'), 0, 0);
}

bool isPlainC(const QString& language) {
    return language.isEmpty() || language == QLatin1String("C") ||
           language == QLatin1String("POSIX");
}

// A QCoreApplication needs argc and argv for its whole life.
void ensureApplication() {
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "kestrel-import";
    static char* argv[] = {name, nullptr};
    // Never deleted: Qt's own objects may still use it while the process exits.
    static const auto* const application = new QCoreApplication(argc, argv);
    Q_UNUSED(application);
}

// Loads name_XX.qm for locale from folder into a translator the application owns and uses.
bool install(const QLocale& locale, const QString& name, const QString& folder) {
    QCoreApplication* application = QCoreApplication::instance();
    auto* translator = new QTranslator(application);
    translator->setObjectName(QLatin1String(kTranslatorName));
    if (translator->load(locale, name, QStringLiteral("_"), folder) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

QStringList messageLanguages() {
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (locale = environment(name); !locale.isEmpty())
            break;
    locale = withoutCodeset(locale);
    if (isPlainC(locale))
        return {QStringLiteral("C")};
    QStringList languages;
    for (const QString& entry : environment("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        languages.append(withoutCodeset(entry));
    languages.append(locale);
    return languages;
}

QString installTranslations() {
    ensureApplication();
    QCoreApplication* application = QCoreApplication::instance();
    for (QTranslator* old : application->findChildren<QTranslator*>(QLatin1String(kTranslatorName),
                                                                    Qt::FindDirectChildrenOnly))
        delete old; // which takes it out of the application
    // English's own plural forms ("1 file", "2 files"): under every language, so that a text
    // a translation lacks still reads as English does.
    install(QLocale(QLocale::English), QStringLiteral("kestrel"), QLatin1String(kOwnFolder));
    for (const QString& language : messageLanguages()) {
        const QLocale locale(language);
        if (isPlainC(language) || locale.language() == QLocale::English)
            return {};
        if (locale.language() == QLocale::C) // a name Qt does not know
            continue;
        if (!install(locale, QStringLiteral("kestrel"), QLatin1String(kOwnFolder)))
            continue;
        // Qt's dialogs and context menus; kestrel's own texts do without when it is missing.
        install(locale, QStringLiteral("qtbase"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        return QLocale::languageToCode(locale.language());
    }
    return {};
}

} // namespace kestrel
