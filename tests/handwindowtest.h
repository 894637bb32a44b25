#pragma once

#include <QJsonObject>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

#include "handsheet.h"
#include "handwindow.h"
#include "programstart.h"
#include "tilelabel.h"

class QAbstractButton;
class QLabel;
class QLineEdit;
class QPushButton;

using Numbers = QList<int>;

// A click where a player clicks a check box or a radio button: on its indicator.
void clickIndicator(QAbstractButton* button);

// What `zorvan-hand --json` prints for the hand under the window's conditions: the winds as
// indexes, `boxes` naming the ticked condition boxes ("SelfDrawn LastTile").
QJsonObject zorvanHand(const QString& typed, int seat, int round, const QString& boxes,
                       const QString& limit, bool waits = false);

Numbers numbersIn(const QJsonValue& array);
// The numbers of the ticked boxes.
Numbers tickedBoxes(const BoxValues& boxes);
// A number as the result captions write it.
QString numberShown(qint64 value);

// The suites of the hand window: the program started, the window opened from its menu, and
// its controls by name.
class HandWindowTest : protected ProgramTest {
protected:
    void startWithHandWindow();
    void openHandWindow();

    template <class Control> Control* control(const QString& name) const
    {
        auto* found = m_window->findChild<Control*>(name);
        if (!found)
            qWarning() << "no control" << name;
        return found;
    }
    QLineEdit* text() const;
    QLabel* result() const;
    QPushButton* fillCalculatorButton() const;
    QPushButton* fillFanCounterButton() const;
    TileLabel* palette(const QString& tile) const;
    // The pictures of the hand, in their order on screen, and their names.
    QList<TileLabel*> handTiles() const;
    QStringList handTileNames() const;
    // The waits shown, from left to right.
    QList<TileLabel*> waitTiles() const;
    // "5p" clicks the palette tile, "Pong" chooses that mode first.
    void click(const QString& clicks);
    // `boxes` names the ticked condition boxes: "SelfDrawn LastTile".
    void setConditions(int seat, int round, const QString& boxes);
    void typeHand(const QString& hand);

    QPointer<HandWindow> m_window;
};
