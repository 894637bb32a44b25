#include "calculatorwindow.h"

#include <cstdlib>

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include "calculatordesign.h"
#include "controls.h"
#include "explainedlabel.h"
#include "messages.h"
#include "module1.h"
#include "numbertext.h"
#include "pointscount.h"
#include "pointsworking.h"
#include "sheetrules.h"
#include "translated.h"
#include "twips.h"
#include "windownames.h"

namespace {

using Kind = DesignedCaption::Kind;

QString text(std::int64_t value)
{
    return QString::fromStdString(numberText(value));
}

QString rowCaptionText(const SheetRow& row)
{
    return translated(handSheetContext, row.caption);
}

// The boxes show no text, so a screen reader names them after their row.
QString boxAccessibleName(const SheetRow& row, int index)
{
    return translated(sheetBoxName(row, index));
}

} // namespace

CalculatorWindow::CalculatorWindow(QWidget* parent)
    : QMainWindow(parent), m_language([this] { retranslate(); }, [this] { rescale(); })
{
    setObjectName(QLatin1String(windowname::calculator));
    setWindowTitle(QStringLiteral("Zorvan! Mah-Jongg Calculator"));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Form1Client"));
    setCentralWidget(client);

    createTopLine();
    createRows();
    createBottomLine();
    setTabOrder();
    retranslate();
    fitClientArea();
    m_text1->setFocus();

    Form_Load();
}

void CalculatorWindow::changeEvent(QEvent* event)
{
    m_language.follow(*event);
    QMainWindow::changeEvent(event);
}

void CalculatorWindow::retranslate()
{
    for (std::size_t number = 0; number < m_labels.size(); ++number) {
        if (m_labels[number])
            m_labels[number]->setText(
                captionText(calculatorCaption(Kind::Label, static_cast<int>(number))));
    }
    for (std::size_t number = 0; number < m_commands.size(); ++number) {
        if (m_commands[number])
            m_commands[number]->setText(
                captionText(calculatorCaption(Kind::Button, static_cast<int>(number))));
    }
    m_text1->setAccessibleName(tr("Table limit"));
    m_checks[eastBox]->setAccessibleName(tr("Check when East"));
    m_label37->setAccessibleName(QStringLiteral("Zorvan! Points"));
    m_label38->setAccessibleName(tr("Your hand is worth"));
    for (const SheetRow& row : handSheet) {
        for (int n = 0; n < row.boxCount; ++n)
            m_checks[row.firstBox + n]->setAccessibleName(boxAccessibleName(row, n));
        if (row.hintButton != 0)
            m_commands[row.hintButton]->setAccessibleName(
                tr("Hint on %1").arg(rowCaptionText(row)));
    }
    m_commands[flowersDownButton]->setAccessibleName(tr("One flower or season less"));
    m_label36->setAccessibleName(tr("Flowers and seasons"));
    m_commands[flowersUpButton]->setAccessibleName(tr("One flower or season more"));
}

void CalculatorWindow::rescale()
{
    rescaleDesigned(centralWidget());
    fitClientArea();
}

void CalculatorWindow::fitClientArea()
{
    const QWidget* bar = menuWidget();
    const int barHeight = bar ? bar->sizeHint().height() : 0;
    resize(twipsToPixels(calculatorClientWidth), twipsToPixels(calculatorClientHeight) + barHeight);
}

QLabel* CalculatorWindow::createLabel(int number)
{
    const DesignedCaption& design = calculatorCaption(Kind::Label, number);
    auto* label = new QLabel(centralWidget());
    label->setObjectName(QStringLiteral("Label%1").arg(number));
    placeInTwips(label, QRect(design.left, design.top, design.width, design.height));
    m_labels[number] = label;
    return label;
}

QLabel* CalculatorWindow::createResultLabel(const QString& name, int left, int width,
                                            WorkingOf working)
{
    auto* label =
        new ExplainedLabel(centralWidget(), [this, working] { return workingText(working); });
    label->setObjectName(name);
    placeInTwips(label, QRect(left, topLineTop, width, controlSize));
    return label;
}

QString CalculatorWindow::workingText(WorkingOf working) const
{
    const ExplainedCount explained = explainCount(
        boxValues(), Module1::flowercount, Module1::tablelimit, m_checks[eastBox]->isChecked());
    return joinLines(working == WorkingOf::Count ? explained.countLines : explained.valueLines);
}

QCheckBox* CalculatorWindow::createCheck(int number, int left, int top)
{
    auto* box = new QCheckBox(centralWidget());
    box->setObjectName(QStringLiteral("Check%1").arg(number));
    placeInTwips(box, QRect(left, top, controlSize, controlSize));
    // Every change of a box, the program's own included, recounts the whole sheet.
    connect(box, &QCheckBox::toggled, this, [this] { runEventHandler([this] { tonen(); }); });
    m_checks[number] = box;
    return box;
}

template <class Slot> QPushButton* CalculatorWindow::createButton(int number, Slot slot)
{
    const DesignedCaption& design = calculatorCaption(Kind::Button, number);
    QPushButton* button =
        createCommandButton(centralWidget(), number, QString(),
                            QRect(design.left, design.top, design.width, design.height),
                            [this, slot] { (this->*slot)(); });
    m_commands[number] = button;
    return button;
}

void CalculatorWindow::createTopLine()
{
    createLabel(1);
    m_text1 = new QLineEdit(centralWidget());
    m_text1->setObjectName(QStringLiteral("Text1"));
    placeInTwips(m_text1, QRect(1080, topLineTop, 975, 285));
    connect(m_text1, &QLineEdit::textChanged, this,
            [this] { runEventHandler([this] { Text1_Change(); }); });
    createLabel(2);
    createCheck(eastBox, 3600, topLineTop);
    createLabel(4);
    m_label37 = createResultLabel(QStringLiteral("Label37"), 5040, 1095, WorkingOf::Value);
    createLabel(3);
    m_label38 = createResultLabel(QStringLiteral("Label38"), 7920, 855, WorkingOf::Count);
}

void CalculatorWindow::createRows()
{
    for (const SheetRow& row : handSheet) {
        createLabel(row.captionLabel);
        const int boxesLeft = columnPlaces(row.column).boxesLeft;
        for (int n = 0; n < row.boxCount; ++n)
            createCheck(row.firstBox + n, boxesLeft + boxSpacing * n, row.topTwips);
        if (row.effect == RowEffect::AddFlowers) {
            createButton(flowersDownButton, &CalculatorWindow::Command4_Click);
            m_label36 = new QLabel(centralWidget());
            m_label36->setObjectName(QStringLiteral("Label%1").arg(flowersCountLabel));
            placeInTwips(m_label36,
                         QRect(flowersCountLeft, row.topTwips, controlSize, controlSize));
            createButton(flowersUpButton, &CalculatorWindow::Command5_Click);
        }
    }
    // The hint buttons come after the boxes so that they follow them in creation order.
    constexpr void (CalculatorWindow::*hints[])() = {nullptr, &CalculatorWindow::Command1_Click,
                                                     &CalculatorWindow::Command2_Click,
                                                     &CalculatorWindow::Command3_Click};
    for (const SheetRow& row : handSheet) {
        if (row.hintButton != 0)
            createButton(row.hintButton, hints[row.hintButton]);
    }

    auto* line = new QFrame(centralWidget());
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    // One pixel wide at every scale, like the rules of the fan counter.
    placeRule(line, columnRuleLeft, columnRuleTop, columnRuleBottom - columnRuleTop, Qt::Vertical);
}

void CalculatorWindow::createBottomLine()
{
    createButton(6, &CalculatorWindow::Command6_Click);
    createButton(7, &CalculatorWindow::Command7_Click);
}

void CalculatorWindow::setTabOrder()
{
    // Text1 first, so that it holds the focus when the window opens. Then the left column's
    // boxes top to bottom and its hint buttons after them; in the right column each row's
    // boxes are followed by what else the row holds.
    std::vector<QWidget*> order{m_text1, m_checks[eastBox]};
    auto addBoxes = [&](const SheetRow& row) {
        for (int n = row.firstBox; n < row.firstBox + row.boxCount; ++n)
            order.push_back(m_checks[n]);
    };
    for (const SheetRow& row : handSheet) {
        if (row.column == SheetColumn::Left)
            addBoxes(row);
    }
    for (const SheetRow& row : handSheet) {
        if (row.column == SheetColumn::Left && row.hintButton != 0)
            order.push_back(m_commands[row.hintButton]);
    }
    for (const SheetRow& row : handSheet) {
        if (row.column != SheetColumn::Right)
            continue;
        addBoxes(row);
        if (row.hintButton != 0)
            order.push_back(m_commands[row.hintButton]);
        if (row.effect == RowEffect::AddFlowers)
            order.insert(order.end(), {m_commands[flowersDownButton], m_commands[flowersUpButton]});
    }
    order.insert(order.end(), {m_commands[6], m_commands[7]});
    setTabChain(order);
}

BoxValues CalculatorWindow::boxValues() const
{
    BoxValues values{};
    for (int n = 1; n <= lastBox; ++n) {
        if (isSheetBox(n))
            values[n] = m_checks[n]->isChecked() ? 1 : 0;
    }
    return values;
}

void CalculatorWindow::fillSheet(const BoxValues& boxes, int flowers)
{
    runEventHandler([this, &boxes, flowers] {
        const SheetFill fill = sheetFill(boxValues(), Module1::flowercount, boxes, flowers);
        for (const int n : fill.untick)
            m_checks[n]->setChecked(false);
        const int button = fill.flowerClicks < 0 ? flowersDownButton : flowersUpButton;
        for (int click = 0; click < std::abs(fill.flowerClicks); ++click)
            m_commands[button]->click();
        for (const int n : fill.tick)
            m_checks[n]->setChecked(true);
    });
}

void CalculatorWindow::Form_Load()
{
    Module1::flowercount = 0;
    Module1::tablelimit = 0;
    tonen();
}

void CalculatorWindow::puntentellen()
{
    countPoints(boxValues(), Module1::flowercount, Module1::tablelimit, Module1::points);
}

void CalculatorWindow::eastofniet(std::int64_t& value) const
{
    value *= eastFactor(m_checks[eastBox]->isChecked());
}

void CalculatorWindow::tonen()
{
    if (!resultsShown(Module1::tablelimit))
        return;
    puntentellen();
    std::int64_t value = cappedValue(Module1::points, Module1::tablelimit);
    eastofniet(value);
    m_label37->setText(text(value));
    m_label38->setText(text(Module1::points));
}

void CalculatorWindow::init()
{
    Module1::points = 20;
    tonen();
    m_text1->setFocus();
}

void CalculatorWindow::Text1_Change()
{
    // This handler traps every error of its own and of the recount it starts.
    try {
        const TableLimitTyped typed = tableLimitTyped(m_text1->text().toStdString());
        switch (typed.action) {
        case TableLimitDecision::Action::Ignore:
            return;
        case TableLimitDecision::Action::TooHigh:
            showMessage(typed.message);
            // Setting the bound is itself a change: the nested run stores it and recounts.
            m_text1->setText(QString::fromStdString(typed.replacement));
            break;
        case TableLimitDecision::Action::Store:
            Module1::tablelimit = typed.value;
            break;
        case TableLimitDecision::Action::Typo:
            throw std::invalid_argument("not a table limit");
        }
        tonen();
    } catch (...) {
        showMessage(typoMessage());
    }
}

void CalculatorWindow::Command1_Click()
{
    showMessage(sheetHint(1));
}

void CalculatorWindow::Command2_Click()
{
    showMessage(sheetHint(2));
}

void CalculatorWindow::Command3_Click()
{
    showMessage(sheetHint(3));
}

void CalculatorWindow::stepFlowers(bool up)
{
    // The label changes only with the count, and before the recount.
    const std::int32_t count = flowersStep(Module1::flowercount, up);
    if (count != Module1::flowercount) {
        Module1::flowercount = count;
        m_label36->setText(QString::fromStdString(flowersCaption(count)));
    }
    tonen();
}

void CalculatorWindow::Command4_Click()
{
    stepFlowers(false);
}

void CalculatorWindow::Command5_Click()
{
    stepFlowers(true);
}

void CalculatorWindow::Command6_Click()
{
    Module1::tablelimit = 0;
    m_text1->setText(QString());
    Command7_Click();
}

void CalculatorWindow::Command7_Click()
{
    // Each box cleared here raises its own click handling, which recounts at once.
    for (const int n : boxesToClear(boxValues()))
        m_checks[n]->setChecked(false);
    Module1::flowercount = 0;
    m_label36->setText(QString::fromStdString(flowersCaption(0)));
    init();
    m_label37->setText(QString());
    m_label38->setText(QString());
}
