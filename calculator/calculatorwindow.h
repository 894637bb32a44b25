#pragma once

#include <array>
#include <cstdint>

#include <QMainWindow>

#include "handsheet.h"
#include "languagefollower.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Form1: the hand sheet, the table limit and the two results.
class CalculatorWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit CalculatorWindow(QWidget* parent = nullptr);

    // Recounts the sheet and rewrites both results; does nothing while no table limit is
    // set. An overflow of the count leaves the captions as they were and propagates.
    void tonen();
    // Counts the sheet into Module1::points.
    void puntentellen();
    // Multiplies the value by the East factor.
    void eastofniet(std::int64_t& value) const;
    // Back to the base count, shown, with the focus in the table-limit box.
    void init();

    // Sizes the window so that the client area below the menu bar is as designed (608 x 473
    // at a design scale of 1).
    void fitClientArea();

    BoxValues boxValues() const;

    // Sets every box of the sheet (Check1 included) to `boxes` and the flowers and seasons
    // counter to `flowers`, through the boxes' own change handling and "--" and "+", so the
    // window recounts as if clicked; the table limit stays. An overflow on the way is
    // reported once, as the clear buttons report it.
    void fillSheet(const BoxValues& boxes, int flowers);

    // How the count (Label38) or the value (Label37) was reached, line by line.
    enum class WorkingOf { Count, Value };
    QString workingText(WorkingOf working) const;

protected:
    // A language change translates every caption, and a new design scale places every control
    // again: the sheet, the table limit and the results stay as they are.
    void changeEvent(QEvent* event) override;

private:
    void Form_Load();
    void Text1_Change();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();

    void createTopLine();
    void createRows();
    void createBottomLine();
    void setTabOrder();
    QLabel* createLabel(int number);
    QLabel* createResultLabel(const QString& name, int left, int width, WorkingOf working);
    QCheckBox* createCheck(int number, int left, int top);
    template <class Slot> QPushButton* createButton(int number, Slot slot);
    void stepFlowers(bool up);
    void retranslate();
    void rescale();

    QLineEdit* m_text1 = nullptr;
    QLabel* m_label36 = nullptr;
    QLabel* m_label37 = nullptr;
    QLabel* m_label38 = nullptr;
    std::array<QCheckBox*, lastBox + 1> m_checks{};
    std::array<QPushButton*, 8> m_commands{};
    std::array<QLabel*, 39> m_labels{}; // the designed captions, by label number
    LanguageFollower m_language;
};
