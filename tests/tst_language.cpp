// The program in the player's language. The faults these tests must catch: a text a window
// shows that no catalogue can reach (not marked, or not written again on a language change);
// a switch that loses what the windows hold or leaves a caption, a dialog's text or a control's
// place in the old language; the wrong language chosen from the setting and the desktop; the
// choice not kept where the manual says; numbers written or read the German or Dutch way.
#include <clocale>
#include <memory>
#include <optional>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTranslator>

#include "calculatorwindow.h"
#include "explainedlabel.h"
#include "fancounterwindow.h"
#include "language.h"
#include "messageboxcatcher.h"
#include "module1.h"
#include "numbertext.h"
#include "practicewindow.h"
#include "shell.h"
#include "tablelimit.h"
#include "testhelpers.h"
#include "twips.h"
#include "windowscale.h"

namespace {

// Every text comes back between the two brackets, whatever its context: a text shown without
// them never went through a catalogue.
class PseudoTranslator : public QTranslator {
public:
    static constexpr char16_t open = u'\u27E6';
    static constexpr char16_t close = u'\u27E7';

    QString translate(const char*, const char* source, const char*, int) const override
    {
        return QChar(open) + QString::fromUtf8(source) + QChar(close);
    }
    bool isEmpty() const override { return false; }
};

// What is left of a text once every translated stretch is taken out, together with what no
// language changes: the names, the tile notation, numbers and signs. A word left over is a
// text that bypassed the catalogues.
QString untranslatedWords(const QString& text)
{
    QString outside;
    int depth = 0;
    for (const QChar c : text) {
        if (c == QChar(PseudoTranslator::open))
            ++depth;
        else if (c == QChar(PseudoTranslator::close))
            depth = std::max(0, depth - 1);
        else if (depth == 0)
            outside += c;
    }
    for (const char* name :
         {"Zorvan! Mah-Jongg Calculator", "Zorvan! Points", "English", "Nederlands", "Deutsch"})
        outside.remove(QLatin1String(name));
    static const QRegularExpression notation(QStringLiteral("[0-9]+[mpszfy]"));
    outside.remove(notation);
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    const QRegularExpressionMatch found = word.match(outside);
    return found.hasMatch() ? found.captured() : QString();
}

// Every text a person can read in a window: captions, items, texts, tooltips, the names and
// descriptions a screen reader gives, and the workings behind the results.
QStringList readableTexts(QWidget* window)
{
    QStringList texts{window->objectName() + ": " + window->windowTitle()};
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (const QWidget* widget : widgets) {
        const QString where = window->objectName() + '/' + widget->objectName() + ": ";
        if (const auto* explained = qobject_cast<const ExplainedLabel*>(widget))
            texts << where + explained->explanation();
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            texts << where + label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            texts << where + button->text();
        if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
            for (int i = 0; i < combo->count(); ++i)
                texts << where + combo->itemText(i);
        }
        if (const auto* edit = qobject_cast<const QPlainTextEdit*>(widget))
            texts << where + edit->toPlainText();
        texts << where + widget->toolTip() << where + widget->accessibleName()
              << where + widget->accessibleDescription();
    }
    for (const QAction* action : window->findChildren<QAction*>()) {
        texts << window->objectName() + "/" + action->objectName() + ": " + action->text();
    }
    return texts;
}

// The first text of the list with a word no catalogue reached, or the empty text.
QString firstUntranslated(const QStringList& texts)
{
    for (const QString& text : texts) {
        // The place ("Form1/Label5: ") is ours, not the window's.
        const QString shown = text.mid(text.indexOf(QLatin1String(": ")) + 2);
        const QString word = untranslatedWords(shown);
        if (!word.isEmpty())
            return text + QStringLiteral("   <- \"%1\"").arg(word);
    }
    return {};
}

void clickNumbered(QWidget* window, const char* prefix, int number)
{
    auto* widget = numbered<QWidget>(window, prefix, number);
    QVERIFY2(widget, qPrintable(QString::fromLatin1(prefix) + QString::number(number)));
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->click();
    else
        QTest::mouseClick(widget, Qt::LeftButton);
}

QAction* menuItem(QMainWindow* calculator, const QString& name)
{
    return calculator->menuBar()->findChild<QAction*>(name);
}

// Each control's place, by name.
std::map<QString, QRect> places(const QWidget* window)
{
    std::map<QString, QRect> found;
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->objectName().isEmpty() && !control->objectName().startsWith("qt_"))
            found[control->objectName()] = control->geometry();
    }
    return found;
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void chooseLanguage_data();
    void chooseLanguage();
    void everyTextGoesThroughTheCatalogues();
    void switchingKeepsTheWindowsAndChangesTheirWords_data();
    void switchingKeepsTheWindowsAndChangesTheirWords();
    void languageMenuAndStoredChoice();
    void numbersIgnoreTheLocale_data();
    void numbersIgnoreTheLocale();

private:
    QTemporaryDir m_settings;
};

void TestLanguage::initTestCase()
{
    // The choice goes to a scratch folder, never to the user's settings or registry.
    QVERIFY(m_settings.isValid());
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
    QCoreApplication::setOrganizationName(QStringLiteral("zorvan"));
    QCoreApplication::setApplicationName(QStringLiteral("zorvan-calculator"));
}

void TestLanguage::cleanup()
{
    applyLanguage(QStringLiteral("en"));
    setDesignScale(1);
    QCoreApplication::processEvents();
    Module1::reset();
}

void TestLanguage::chooseLanguage_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("desktop");
    QTest::addColumn<QString>("chosen");

    QTest::newRow("German desktop") << "" << QStringList{"de-DE", "de"} << "de";
    QTest::newRow("Dutch desktop, Belgian") << "" << QStringList{"nl-BE"} << "nl";
    QTest::newRow("region with an underscore") << "" << QStringList{"de_AT"} << "de";
    QTest::newRow("French desktop") << "" << QStringList{"fr-FR", "fr"} << "en";
    QTest::newRow("French, then German") << "" << QStringList{"fr-FR", "de-DE"} << "de";
    QTest::newRow("British before German") << "" << QStringList{"en-GB", "de-DE"} << "en";
    QTest::newRow("no desktop languages") << "" << QStringList{} << "en";
    QTest::newRow("stored Dutch on a German desktop") << "nl" << QStringList{"de-DE"} << "nl";
    QTest::newRow("stored English on a German desktop") << "en" << QStringList{"de-DE"} << "en";
    QTest::newRow("stored language we lack") << "fr" << QStringList{"nl-NL"} << "nl";
    QTest::newRow("stored in capitals") << "DE" << QStringList{"nl-NL"} << "nl";
}

void TestLanguage::chooseLanguage()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, desktop);
    QFETCH(QString, chosen);
    QCOMPARE(::chooseLanguage(stored, desktop), chosen);
}

void TestLanguage::everyTextGoesThroughTheCatalogues()
{
    MessageBoxCatcher catcher;
    auto calculator = std::make_unique<CalculatorWindow>();
    Shell shell(calculator.get());
    calculator->setVisible(true);
    // Windows with everything they can show: results and their working, a finished hand, a
    // judged answer; and every message box.
    numbered<QLineEdit>(calculator.get(), "Text", 1)->setText(QStringLiteral("500"));
    for (int box : {1, 2, 52, 54})
        clickNumbered(calculator.get(), "Check", box);
    for (const char* form :
         {"Form2", "Form3", "Form4", "Form5", "Form6", "Form7", "HandForm", "PracticeForm"})
        shell.windows().open(QLatin1String(form));
    QWidget* fanCounter = shell.windows().instance(QStringLiteral("Form3"));
    clickNumbered(fanCounter, "Picture", 5);
    clickNumbered(fanCounter, "Picture", 16);
    auto* handWindow = shell.windows().instance(QStringLiteral("HandForm"));
    auto* practice =
        static_cast<PracticeWindow*>(shell.windows().instance(QStringLiteral("PracticeForm")));
    practice->findChild<QLineEdit*>(QStringLiteral("PracticeCount"))->setText(QStringLiteral("1"));
    practice->findChild<QLineEdit*>(QStringLiteral("PracticeFans"))->setText(QStringLiteral("x"));

    PseudoTranslator pseudo;
    QCoreApplication::installTranslator(&pseudo);
    QCoreApplication::processEvents();

    auto check = [&](const QString& what) {
        QStringList texts;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible())
                texts << readableTexts(window);
        }
        const QString found = firstUntranslated(texts);
        QVERIFY2(found.isEmpty(), qPrintable(what + ": " + found));
    };
    auto handText = handWindow->findChild<QLineEdit*>(QStringLiteral("HandText"));
    // Finished, waiting, refused.
    for (const char* hand : {"123m 456p 789s 11z [555z] +1z", "123m 456p 789s 11z 55z",
                             "123m 4444m 5m +5m", "1234m"}) {
        handText->setText(QLatin1String(hand));
        check(QLatin1String(hand));
        if (QTest::currentTestFailed())
            break;
    }
    practice->findChild<QPushButton*>(QStringLiteral("PracticeCheck"))->click();
    check(QStringLiteral("a refused answer"));
    practice->findChild<QLineEdit*>(QStringLiteral("PracticeFans"))->setText(QStringLiteral("1"));
    practice->findChild<QPushButton*>(QStringLiteral("PracticeCheck"))->click();
    check(QStringLiteral("a judged answer"));

    // The message boxes, Qt's OK button included.
    catcher.take();
    for (int hint : {1, 3})
        clickNumbered(calculator.get(), "Command", hint);
    numbered<QLineEdit>(calculator.get(), "Text", 1)->setText(QStringLiteral("70000"));
    numbered<QLineEdit>(calculator.get(), "Text", 1)->setText(QStringLiteral("x"));
    menuItem(calculator.get(), QStringLiteral("Howmenu"))->trigger();
    clickNumbered(fanCounter, "Check", 6);
    clickNumbered(fanCounter, "Command", 2);
    numbered<QLineEdit>(calculator.get(), "Text", 1)->setText(QStringLiteral("65536"));
    for (int box : {60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71})
        clickNumbered(calculator.get(), "Check", box);
    const QList<CaughtMessage> caught = catcher.take();
    QCOMPARE(caught.size(), 8); // two hints, too high, typo, how-to, maximum, "?", overflow
    for (const CaughtMessage& message : caught) {
        for (const QString& text : QStringList{message.text, message.title} + message.buttons) {
            const QString word = untranslatedWords(text);
            QVERIFY2(word.isEmpty(), qPrintable(message.text + "  <- \"" + word + "\""));
        }
    }
    QCoreApplication::removeTranslator(&pseudo);
}

void TestLanguage::switchingKeepsTheWindowsAndChangesTheirWords_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("tableLimit");      // Label1
    QTest::addColumn<QString>("clearAll");        // Command6
    QTest::addColumn<QString>("glossaryStart");   // the glossary dialog's first line
    QTest::addColumn<QString>("glossaryTitle");   // its caption
    QTest::addColumn<QString>("fanCounterTitle"); // Form3's caption

    QTest::newRow("Dutch") << "nl"
                           << "Tafellimiet"
                           << "Alles wissen"
                           << "Chow: drie opeenvolgende stenen van dezelfde kleur"
                           << "Definities"
                           << "Fans tellen";
    QTest::newRow("German") << "de"
                            << "Tischlimit"
                            << "Alles löschen"
                            << "Chow: drei aufeinanderfolgende Steine derselben Farbe"
                            << "Begriffe"
                            << "Fans zählen";
    // Back to English: every byte as before.
    QTest::newRow("English") << "en"
                             << "Table limit"
                             << "Clear ALL"
                             << "Chow: Sequential run of 3 tiles in the same suit "
                             << "Defenitions"
                             << "FanCounting";
}

void TestLanguage::switchingKeepsTheWindowsAndChangesTheirWords()
{
    QFETCH(QString, language);
    QFETCH(QString, tableLimit);
    QFETCH(QString, clearAll);
    QFETCH(QString, glossaryStart);
    QFETCH(QString, glossaryTitle);
    QFETCH(QString, fanCounterTitle);

    MessageBoxCatcher catcher;
    auto calculator = std::make_unique<CalculatorWindow>();
    Shell shell(calculator.get());
    calculator->setVisible(true);
    // Another language first, so that every row switches from one translation to another.
    applyLanguage(language == QLatin1String("de") ? QStringLiteral("nl") : QStringLiteral("de"));
    QCoreApplication::processEvents();
    numbered<QLineEdit>(calculator.get(), "Text", 1)->setText(QStringLiteral("1000"));
    for (int box : {1, 2, 57})
        clickNumbered(calculator.get(), "Check", box);
    clickNumbered(calculator.get(), "Command", 5);
    QWidget* glossary = shell.windows().open(QStringLiteral("Form6"));
    QWidget* fanCounter = shell.windows().open(QStringLiteral("Form3"));
    clickNumbered(fanCounter, "Picture", 14);
    auto* fanRulesText = shell.windows()
                             .open(QStringLiteral("Form7"))
                             ->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    fanRulesText->moveCursor(QTextCursor::End);
    QTest::keyClicks(fanRulesText, QStringLiteral("my own note"));
    const QString typed = fanRulesText->toPlainText();
    const BoxValues ticked = calculator->boxValues();
    const QString value = numbered<QLabel>(calculator.get(), "Label", 37)->text();
    const QString count = numbered<QLabel>(calculator.get(), "Label", 38)->text();
    const QString fans = numbered<QLabel>(fanCounter, "Label", 8)->text();
    QCOMPARE(count, QStringLiteral(" 180"));

    menuItem(calculator.get(), QStringLiteral("Language_") + language)->trigger();
    QCoreApplication::processEvents();

    QCOMPARE(currentLanguage(), language);
    QCOMPARE(numbered<QLabel>(calculator.get(), "Label", 1)->text(), tableLimit);
    QCOMPARE(numbered<QPushButton>(calculator.get(), "Command", 6)->text(), clearAll);
    QCOMPARE(glossary->windowTitle(), glossaryTitle);
    QCOMPARE(glossary->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))
                 ->toPlainText()
                 .section(QLatin1Char('\n'), 0, 0),
             glossaryStart);
    QCOMPARE(fanCounter->windowTitle(), fanCounterTitle);
    // What the windows hold stays, numbers written as always.
    QCOMPARE(calculator->boxValues(), ticked);
    QCOMPARE(numbered<QLineEdit>(calculator.get(), "Text", 1)->text(), QStringLiteral("1000"));
    QCOMPARE(numbered<QLabel>(calculator.get(), "Label", 37)->text(), value);
    QCOMPARE(numbered<QLabel>(calculator.get(), "Label", 38)->text(), count);
    QCOMPARE(numbered<QLabel>(calculator.get(), "Label", 36)->text(), QStringLiteral(" 1"));
    QCOMPARE(numbered<QLabel>(fanCounter, "Label", 8)->text(), fans);
    QCOMPARE(fanRulesText->toPlainText(), typed);
    QCOMPARE(Module1::tablelimit, 1000);
    // The scale is the one a start in the new language works out (German captions are
    // longer), and in place the windows stand as new ones would at it.
    QCOMPARE(designScale(), designScaleFor(QApplication::font()));
    QCOMPARE(places(calculator->centralWidget()),
             places(std::make_unique<CalculatorWindow>()->centralWidget()));
    QCOMPARE(places(fanCounter), places(std::make_unique<FanCounterWindow>().get()));
    catcher.expectNoneLeft();
}

void TestLanguage::languageMenuAndStoredChoice()
{
    auto calculator = std::make_unique<CalculatorWindow>();
    Shell shell(calculator.get());
    const QList<QAction*> bar = calculator->menuBar()->actions();
    QVERIFY(!bar.isEmpty());
    QMenu* languageMenu = bar.back()->menu();
    QVERIFY(languageMenu);
    QCOMPARE(languageMenu->objectName(), QStringLiteral("LanguageMenu"));
    QCOMPARE(bar[bar.size() - 2]->menu()->objectName(), QStringLiteral("MenuHelp"));
    QCOMPARE(languageMenu->title(), QStringLiteral("Language"));

    QStringList items;
    for (const QAction* item : languageMenu->actions())
        items << item->text() + (item->isChecked() ? "*" : "");
    QCOMPARE(items, (QStringList{"English*", "Nederlands", "Deutsch"}));

    menuItem(calculator.get(), QStringLiteral("Language_nl"))->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(languageMenu->title(), QStringLiteral("Taal"));
    items.clear();
    for (const QAction* item : languageMenu->actions())
        items << item->text() + (item->isChecked() ? "*" : "");
    QCOMPARE(items, (QStringList{"English", "Nederlands*", "Deutsch"}));
    QCOMPARE(menuItem(calculator.get(), QStringLiteral("Howmenu"))->text(),
             QStringLiteral("Hoe werkt het"));

    // Kept for the next start under the organisation and application the manual names; English
    // is a choice like the others and outranks a German desktop.
    QSettings stored(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("zorvan"),
                     QStringLiteral("zorvan-calculator"));
    QCOMPARE(stored.value(QStringLiteral("language")).toString(), QStringLiteral("nl"));
    QVERIFY(QFile::exists(m_settings.filePath(QStringLiteral("zorvan/zorvan-calculator.ini"))));
    menuItem(calculator.get(), QStringLiteral("Language_en"))->trigger();
    QCOMPARE(storedLanguage(), QStringLiteral("en"));
    QCOMPARE(::chooseLanguage(storedLanguage(), {QStringLiteral("de-DE")}), QStringLiteral("en"));
}

void TestLanguage::numbersIgnoreTheLocale_data()
{
    QTest::addColumn<QStringList>("localeNames"); // the C library's names, Linux's and Windows'
    QTest::addColumn<QString>("qtLocale");
    QTest::newRow("C") << QStringList{"C"} << "C";
    QTest::newRow("German") << QStringList{"de_DE.UTF-8", "de_DE.utf8", "German_Germany.1252",
                                           "de-DE"}
                            << "de_DE";
    QTest::newRow("Dutch") << QStringList{"nl_NL.UTF-8", "nl_NL.utf8", "Dutch_Netherlands.1252",
                                          "nl-NL"}
                           << "nl_NL";
}

void TestLanguage::numbersIgnoreTheLocale()
{
    QFETCH(QStringList, localeNames);
    QFETCH(QString, qtLocale);
    bool set = false;
    for (const QString& name : localeNames)
        set = set || std::setlocale(LC_ALL, name.toLatin1().constData()) != nullptr;
    QVERIFY2(set, qPrintable("no such locale: " + localeNames.join(", ") +
                             " (scripts/install-deps.sh test installs locales-all)"));
    QLocale::setDefault(QLocale(qtLocale));

    // Written: a sign place, the digits, no grouping.
    QCOMPARE(numberText(1000), std::string(" 1000"));
    QCOMPARE(numberText(-1234567), std::string("-1234567"));
    // Read: a full stop is the decimal point, a comma ends the number, no grouping.
    QCOMPARE(leadingNumber("1,5"), 1.0);
    QCOMPARE(leadingNumber("65536.4"), 65536.4);
    QCOMPARE(wholeNumber("2.5"), std::optional<std::int32_t>(2));
    QCOMPARE(wholeNumber("1,5"), std::optional<std::int32_t>());
    QCOMPARE(wholeNumber("1.000"), std::optional<std::int32_t>(1));

    // And in the window, in German: 1000 stays 1000, "1,5" is a typo.
    applyLanguage(QStringLiteral("de"));
    MessageBoxCatcher catcher;
    CalculatorWindow calculator;
    auto* limit = numbered<QLineEdit>(&calculator, "Text", 1);
    limit->setText(QStringLiteral("1000"));
    clickNumbered(&calculator, "Check", 57);
    QCOMPARE(numbered<QLabel>(&calculator, "Label", 38)->text(), QStringLiteral(" 160"));
    QCOMPARE(numbered<QLabel>(&calculator, "Label", 37)->text(), QStringLiteral(" 640"));
    limit->setText(QStringLiteral("1,5"));
    catcher.expect({QStringLiteral("Du hast dich vertippt, Mahjongsüchtiger")},
                   QMessageBox::Warning);
    QCOMPARE(Module1::tablelimit, 1000);
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(QLocale::c());
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
