#include "handwindowtest.h"

#include <algorithm>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QPair>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextStream>

#include "numbertext.h"
#include "zorvanhand.h"

void clickIndicator(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {},
                      QPoint(button->height() / 2, button->height() / 2));
}

QJsonObject zorvanHand(const QString& typed, int seat, int round, const QString& boxes,
                       const QString& limit, bool waits)
{
    const QStringList winds{"E", "S", "W", "N"};
    QStringList arguments{"--json", "--seat", winds[seat], "--round", winds[round]};
    if (!limit.isEmpty())
        arguments << "--limit" << limit;
    const QList<QPair<const char*, const char*>> options{{"SelfDrawn", "--self-drawn"},
                                                         {"LastTile", "--last-tile"},
                                                         {"SupplementTile", "--supplement"},
                                                         {"RobbingKong", "--robbing-kong"},
                                                         {"NoFaTable", "--no-fa-table"}};
    for (const auto& [box, option] : options) {
        if (boxes.contains(QLatin1String(box)) && !(waits && QLatin1String(box) == "SelfDrawn"))
            arguments << option;
    }
    if (waits)
        arguments << "--waits";
    arguments << typed;
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status = cli::runZorvanHand(arguments, outStream, errStream);
    outStream.flush();
    if (status != 0)
        qWarning() << "zorvan-hand" << arguments << "exits with" << status << out << err;
    return QJsonDocument::fromJson(out.toUtf8()).object();
}

Numbers numbersIn(const QJsonValue& array)
{
    Numbers numbers;
    for (const QJsonValue& value : array.toArray())
        numbers << value.toInt();
    return numbers;
}

Numbers tickedBoxes(const BoxValues& boxes)
{
    Numbers numbers;
    for (int n = 0; n < int(boxes.size()); ++n) {
        if (boxes[n] == 1)
            numbers << n;
    }
    return numbers;
}

QString numberShown(qint64 value)
{
    return QString::fromStdString(numberText(value));
}

void HandWindowTest::startWithHandWindow()
{
    startTheProgram();
    if (!QTest::currentTestFailed())
        openHandWindow();
}

void HandWindowTest::openHandWindow()
{
    item("HandFromTilesMenu")->trigger();
    m_window = qobject_cast<HandWindow*>(m_shell->windows().instance("HandForm"));
    QVERIFY(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

QLineEdit* HandWindowTest::text() const
{
    return control<QLineEdit>("HandText");
}

QLabel* HandWindowTest::result() const
{
    return control<QLabel>("HandResult");
}

QPushButton* HandWindowTest::fillCalculatorButton() const
{
    return control<QPushButton>("FillCalculator");
}

QPushButton* HandWindowTest::fillFanCounterButton() const
{
    return control<QPushButton>("FillFanCounter");
}

TileLabel* HandWindowTest::palette(const QString& tile) const
{
    return control<TileLabel>("Palette_" + tile);
}

QList<TileLabel*> HandWindowTest::handTiles() const
{
    QList<TileLabel*> shown;
    for (int n = 1;; ++n) {
        auto* tile = m_window->findChild<TileLabel*>(QStringLiteral("HandTile%1").arg(n));
        if (!tile || !tile->isVisibleTo(m_window))
            return shown;
        shown << tile;
    }
}

QStringList HandWindowTest::handTileNames() const
{
    QStringList names;
    for (TileLabel* tile : handTiles())
        names << tile->accessibleName();
    return names;
}

QList<TileLabel*> HandWindowTest::waitTiles() const
{
    QList<TileLabel*> shown;
    const auto all = control<QWidget>("Waits")->findChildren<TileLabel*>();
    for (TileLabel* tile : all) {
        if (tile->isVisibleTo(m_window))
            shown << tile;
    }
    std::sort(shown.begin(), shown.end(),
              [](const TileLabel* a, const TileLabel* b) { return a->x() < b->x(); });
    return shown;
}

void HandWindowTest::click(const QString& clicks)
{
    for (const QString& step : clicks.split(' ', Qt::SkipEmptyParts)) {
        if (step.front().isUpper())
            clickIndicator(control<QRadioButton>("Mode" + step));
        else
            QTest::mouseClick(palette(step), Qt::LeftButton);
    }
}

void HandWindowTest::setConditions(int seat, int round, const QString& boxes)
{
    control<QComboBox>("SeatWind")->setCurrentIndex(seat);
    control<QComboBox>("RoundWind")->setCurrentIndex(round);
    for (const char* name :
         {"SelfDrawn", "LastTile", "SupplementTile", "RobbingKong", "NoFaTable"}) {
        auto* box = control<QCheckBox>(name);
        if (box->isChecked() != boxes.contains(name))
            clickIndicator(box);
    }
}

void HandWindowTest::typeHand(const QString& hand)
{
    text()->clear();
    QTest::keyClicks(text(), hand);
}
