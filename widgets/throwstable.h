#pragma once

#include <string>
#include <vector>

#include <QWidget>

#include "clickgesture.h"
#include "throwrow.h"

class QLabel;
class QScrollArea;
class ThrowRowWidget;

// The throws from a hand of 14 tiles as a compact table, best first: a row a throw with its
// tile, how far it leaves the hand from waiting, the draws that help as small tiles with the
// copies left, their total, and a waiting hand's best win on a discard. Rows are named
// Throw_<tile> (Throw_5p), their cells ThrowTile, ThrowAway, Accept_<tile>, AcceptLeft_<tile>,
// ThrowAccepted and ThrowWorth; a screen reader reads a row as one sentence. A click on a row,
// or Enter or Space on it, chooses it. Rows are kept and reused, so that none is deleted
// inside its own click.
class ThrowsTable : public QWidget {
    Q_OBJECT

public:
    ThrowsTable(QWidget* parent, const QRect& twips);

    // Shown while there are rows, in the language the program speaks now.
    void showRows(const std::vector<ThrowRow>& rows);
    // The rows shown, best first.
    std::vector<ThrowRowWidget*> shownRows() const;
    // Every row made so far, shown or hidden, for the tab order.
    const std::vector<ThrowRowWidget*>& rows() const { return m_rows; }

signals:
    // `hadFocus`: it was chosen by the keyboard.
    void chosen(const QString& tile, bool hadFocus);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutRows();

    std::vector<QLabel*> m_headers;
    QScrollArea* m_scroll = nullptr;
    QWidget* m_content = nullptr;
    std::vector<ThrowRowWidget*> m_rows;
    std::vector<ThrowRow> m_shown;
};

// One row of the table: a focusable strip that reports a click, Enter or Space.
class ThrowRowWidget : public QWidget {
    Q_OBJECT

public:
    explicit ThrowRowWidget(QWidget* parent);

    // Its cells for `row`, `width` pixels wide; returns the height it takes.
    int show(const ThrowRow& row, const std::vector<int>& columns, int width);
    const ThrowRow& row() const { return m_row; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QLabel* cell(const QString& name);

    ThrowRow m_row;
    QLabel* m_tile = nullptr;
    QLabel* m_away = nullptr;
    QLabel* m_accepted = nullptr;
    QLabel* m_worth = nullptr;
    std::vector<QLabel*> m_acceptTiles;
    std::vector<QLabel*> m_acceptLeft;
    ClickGesture m_click;
};
