#pragma once

#include <QString>
#include <QStringList>

// The languages the program speaks: English, its own, and the translations it carries.
struct Language {
    const char* code;       // "en", "nl", "de": the catalogues' and the setting's name
    const char* nativeName; // as its speakers write it, in every language alike
};
inline constexpr Language languages[] = {
    {"en", "English"},
    {"nl", "Nederlands"},
    {"de", "Deutsch"},
};

// Which language to speak: the stored choice when it is one of ours; otherwise the first of
// the desktop's languages (most wanted first, "de-DE", "nl", "en-GB" ...) that is one of ours;
// otherwise English.
QString chooseLanguage(const QString& stored, const QStringList& uiLanguages);

// The choice stored with QSettings (organization "zorvan", application "zorvan-calculator",
// key "language"), or the empty text.
QString storedLanguage();
void storeLanguage(const QString& code);

// Speaks `code` from now on: the program's own catalogue and Qt's, both built in, take the
// place of the ones in use, and the design scale is worked out again for the new captions.
// Every window then gets a language change. English needs no catalogue.
void applyLanguage(const QString& code);

// The language the program speaks now.
QString currentLanguage();
