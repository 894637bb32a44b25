#include "language.h"

#include <memory>

#include <QApplication>
#include <QFont>
#include <QSettings>
#include <QTranslator>

#include "twips.h"
#include "windowscale.h"

namespace {

constexpr const char* languageKey = "language";

bool isOurs(const QString& code)
{
    for (const Language& language : languages) {
        if (code == QLatin1String(language.code))
            return true;
    }
    return false;
}

// The translators in use; English has none.
std::unique_ptr<QTranslator> ownCatalogue;
std::unique_ptr<QTranslator> qtCatalogue;
QString spoken = QStringLiteral("en");

std::unique_ptr<QTranslator> loadCatalogue(const QString& name)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/i18n/%1.qm").arg(name)))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

} // namespace

QString chooseLanguage(const QString& stored, const QStringList& uiLanguages)
{
    if (isOurs(stored))
        return stored;
    for (const QString& wanted : uiLanguages) {
        // "de-DE", "de_AT", "nl": the language is what comes before the region.
        const QString language =
            wanted.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (isOurs(language))
            return language;
    }
    return QStringLiteral("en");
}

QString storedLanguage()
{
    return QSettings().value(QLatin1String(languageKey)).toString();
}

void storeLanguage(const QString& code)
{
    QSettings().setValue(QLatin1String(languageKey), code);
}

void applyLanguage(const QString& code)
{
    const QString language = isOurs(code) ? code : QStringLiteral("en");
    // Removing a translator sends every window a language change too: the old ones go first,
    // so that the windows see the new language in the last change.
    if (ownCatalogue)
        QCoreApplication::removeTranslator(ownCatalogue.get());
    if (qtCatalogue)
        QCoreApplication::removeTranslator(qtCatalogue.get());
    ownCatalogue.reset();
    qtCatalogue.reset();
    spoken = language;
    if (language != QLatin1String("en")) {
        qtCatalogue = loadCatalogue(QStringLiteral("qtbase_") + language);
        ownCatalogue = loadCatalogue(QStringLiteral("zorvan_") + language);
    }
    // German captions are longer: the scale is the one at which this language's fit.
    setDesignScale(designScaleFor(QApplication::font()));
}

QString currentLanguage()
{
    return spoken;
}
