// The texts the phone page shows that the program's windows do not, for Qt Linguist's lupdate,
// which keeps their translations in translations/*.ts (this file is read by lupdate only; the
// page itself names each text where it shows it, in webpage/src/). The build fails when the
// page shows a text of this context that is missing here, or when one here is no longer shown.
var phonePageTexts = [
    QT_TRANSLATE_NOOP("PhonePage", "Loading the calculator"),
    QT_TRANSLATE_NOOP("PhonePage", "The calculator could not be loaded: %1"),
    QT_TRANSLATE_NOOP("PhonePage", "This calculator needs JavaScript, which is switched off in this browser."),
    QT_TRANSLATE_NOOP("PhonePage", "Screens"),
    QT_TRANSLATE_NOOP("PhonePage", "Hand"),
    QT_TRANSLATE_NOOP("PhonePage", "Sheet"),
    QT_TRANSLATE_NOOP("PhonePage", "Fans"),
    QT_TRANSLATE_NOOP("PhonePage", "Practice"),
    QT_TRANSLATE_NOOP("PhonePage", "Working"),
    QT_TRANSLATE_NOOP("PhonePage", "Tiles to add"),
    QT_TRANSLATE_NOOP("PhonePage", "Characters"),
    QT_TRANSLATE_NOOP("PhonePage", "Dots"),
    QT_TRANSLATE_NOOP("PhonePage", "Bamboo"),
    QT_TRANSLATE_NOOP("PhonePage", "Winds and dragons"),
    QT_TRANSLATE_NOOP("PhonePage", "Flowers and seasons"),
    QT_TRANSLATE_NOOP("PhonePage", "How the hand was won"),
    QT_TRANSLATE_NOOP("PhonePage", "The sheet's table limit; 500 while none is entered."),
    QT_TRANSLATE_NOOP("PhonePage", "Share the hand"),
    QT_TRANSLATE_NOOP("PhonePage", "The link to this hand is copied."),
    QT_TRANSLATE_NOOP("PhonePage", "The calculator with its windows, for a computer"),
    QT_TRANSLATE_NOOP("PhonePage", "Error"),
    QT_TRANSLATE_NOOP("PhonePage", "Warning"),
    QT_TRANSLATE_NOOP("PhonePage", "Information"),
];
