#include "fancounterwindow.h"

#include <algorithm>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "controls.h"
#include "designscale.h"
#include "explainedlabel.h"
#include "fancounterdesign.h"
#include "fanrules.h"
#include "messages.h"
#include "module1.h"
#include "numbertext.h"
#include "tileimages.h"
#include "tilelabel.h"
#include "tilename.h"
#include "translated.h"
#include "twips.h"
#include "windownames.h"

static_assert(tileCount == Module1::tileCount);

namespace {

using Kind = DesignedCaption::Kind;

// A face's look at the tile's designed size, in as many pixels as the screen has.
QPixmap tileImage(int face, bool selected)
{
    const QSize size(twipsToPixels(tileWidthTwips), twipsToPixels(tileHeightTwips));
    return ::tileImage(QLatin1String(faceNames[face]), selected, size,
                       std::max<qreal>(1, qApp->devicePixelRatio()));
}

// Fixes a control's current colours so that colours given to the window do not reach it.
void keepOwnColours(QWidget* widget)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText})
        palette.setColor(role, palette.color(role));
    widget->setPalette(palette);
}

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

} // namespace

FanCounterWindow::FanCounterWindow(QWidget* parent)
    : QWidget(parent), m_language([this] { retranslate(); }, [this] { rescale(); })
{
    setObjectName(QLatin1String(windowname::fanCounter));

    // Labels first: the pictures, boxes and buttons stand above them where they meet.
    createLabels();
    createLines();
    createHolders();
    createTiles();
    createBoxes();
    createButtons();
    setTabOrder();
    retranslate();
    resize(twipsToPixels(fanCounterClientWidth), twipsToPixels(fanCounterClientHeight));

    Form_Load();
}

void FanCounterWindow::changeEvent(QEvent* event)
{
    m_language.follow(*event);
    QWidget::changeEvent(event);
}

void FanCounterWindow::retranslate()
{
    setWindowTitle(tr("FanCounting"));
    for (std::size_t number = 0; number < m_labels.size(); ++number) {
        if (m_labels[number] && int(number) != totalLabel)
            m_labels[number]->setText(
                captionText(fanCounterCaption(Kind::Label, static_cast<int>(number))));
    }
    for (int number = 1; number <= 2; ++number)
        m_commands[number]->setText(captionText(fanCounterCaption(Kind::Button, number)));
    m_labels[totalLabel]->setAccessibleName(captionText(fanCounterCaption(Kind::Label, 7)));
    // The box shows no caption of its own: the label at its left names it.
    for (const ConditionBox& box : conditionBoxes)
        m_checks[box.check]->setAccessibleName(translated(fanBoardContext, box.caption));
    m_commands[1]->setAccessibleName(tr("Clear all tiles and conditions"));
    // "?" stands beside the supplement tile's box and explains it.
    const auto supplement = std::find_if(conditionBoxes.begin(), conditionBoxes.end(),
                                         [](const ConditionBox& box) { return box.label == 16; });
    m_commands[2]->setAccessibleName(
        tr("Hint on %1").arg(translated(fanBoardContext, supplement->caption)));
    for (const Tile& tile : tiles)
        m_tiles[tile.picture]->setAccessibleName(translated(
            tileAccessibleName(tile, Module1::tilestate[tile.picture - 1] == Module1::selected)));
}

void FanCounterWindow::rescale()
{
    rescaleDesigned(this);
    drawHolders();
    for (const Tile& tile : tiles)
        showLook(tile.picture, Module1::tilestate[tile.picture - 1] == Module1::selected);
    resize(twipsToPixels(fanCounterClientWidth), twipsToPixels(fanCounterClientHeight));
}

QLabel* FanCounterWindow::createLabel(int number)
{
    const DesignedCaption& design = fanCounterCaption(Kind::Label, number);
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Label%1").arg(number));
    placeInTwips(label, QRect(design.left, design.top, design.width, design.height));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (design.font == DesignedCaption::Font::Heading)
        label->setFont(headingFont(label->font()));
    m_labels[number] = label;
    return label;
}

template <class Slot> QPushButton* FanCounterWindow::createButton(int number, Slot slot)
{
    const DesignedCaption& design = fanCounterCaption(Kind::Button, number);
    QPushButton* button = createCommandButton(
        this, number, QString(), QRect(design.left, design.top, design.width, design.height),
        [this, slot] { (this->*slot)(); });
    m_commands[number] = button;
    return button;
}

void FanCounterWindow::createLabels()
{
    for (const BoardRow& row : boardRows)
        createLabel(row.captionLabel);
    createLabel(7);
    // The total explains itself: hovering lists each fan counted.
    auto* total = new ExplainedLabel(this, [this] { return fanWorkingText(); });
    total->setObjectName(QStringLiteral("Label%1").arg(totalLabel));
    placeInTwips(total, QRect(totalLeft, totalTop, totalWidth, fanControlSize));
    total->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_labels[totalLabel] = total;
    createLabel(handContainsLabel);
    createLabel(mahJongWithLabel);
    for (const ConditionBox& box : conditionBoxes)
        createLabel(box.label);
}

void FanCounterWindow::createLines()
{
    struct Line {
        int number, fromTwips, toTwips, topTwips;
    };
    for (const Line& line : {Line{1, 0, 3840, 1920}, Line{2, 3840, 5760, 3120}}) {
        auto* frame = new QFrame(this);
        frame->setObjectName(QStringLiteral("Line%1").arg(line.number));
        frame->setFrameShape(QFrame::HLine);
        frame->setFrameShadow(QFrame::Plain);
        placeRule(frame, line.fromTwips, line.topTwips, line.toTwips - line.fromTwips,
                  Qt::Horizontal);
    }
}

void FanCounterWindow::createHolders()
{
    for (int number = firstSelectedHolder; number <= lastHolder; ++number) {
        const bool selected = number < firstNormalHolder;
        const int face = number - (selected ? firstSelectedHolder : firstNormalHolder);
        auto* holder = new QLabel(this);
        holder->setObjectName(QStringLiteral("Picture%1").arg(number));
        placeInTwips(holder,
                     QRect(holderLeftTwips, holderTopTwips, tileWidthTwips, tileHeightTwips));
        holder->setPixmap(tileImage(face, selected));
        holder->hide();
        m_holders[number] = holder;
    }
}

void FanCounterWindow::drawHolders()
{
    for (int number = firstSelectedHolder; number <= lastHolder; ++number) {
        const bool selected = number < firstNormalHolder;
        const int face = number - (selected ? firstSelectedHolder : firstNormalHolder);
        m_holders[number]->setPixmap(tileImage(face, selected));
    }
}

void FanCounterWindow::createTiles()
{
    for (const Tile& tile : tiles) {
        auto* label = new TileLabel(this);
        label->setObjectName(QStringLiteral("Picture%1").arg(tile.picture));
        placeInTwips(label, QRect(tile.leftTwips, tile.topTwips, tileWidthTwips, tileHeightTwips));
        const int picture = tile.picture;
        connect(label, &TileLabel::clicked, this,
                [this, picture] { runEventHandler([this, picture] { Picture_Click(picture); }); });
        m_tiles[picture] = label;
        // The flags outlive the window: a tile opens in the look its flag says it has.
        showLook(picture, Module1::tilestate[picture - 1] == Module1::selected);
    }
}

void FanCounterWindow::createBoxes()
{
    for (const ConditionBox& box : conditionBoxes) {
        auto* check = new QCheckBox(this);
        check->setObjectName(QStringLiteral("Check%1").arg(box.check));
        placeInTwips(check,
                     QRect(box.checkLeftTwips, box.topTwips, fanControlSize, box.checkHeightTwips));
        const int number = box.check;
        // The program's own changes raise the handler too; clearing relies on it.
        connect(check, &QCheckBox::toggled, this,
                [this, number] { runEventHandler([this, number] { Check_Click(number); }); });
        m_checks[number] = check;
    }
}

void FanCounterWindow::createButtons()
{
    createButton(1, &FanCounterWindow::Command1_Click);
    createButton(2, &FanCounterWindow::Command2_Click);
}

void FanCounterWindow::setTabOrder()
{
    // The tiles row by row as they stand on the board, then the boxes and the buttons.
    std::vector<QWidget*> order;
    for (const BoardRow& row : boardRows) {
        for (const Tile& tile : tiles) {
            if (tile.row == row.row)
                order.push_back(m_tiles[tile.picture]);
        }
    }
    for (const ConditionBox& box : conditionBoxes)
        order.push_back(m_checks[box.check]);
    order.push_back(m_commands[1]);
    order.push_back(m_commands[2]);
    setTabChain(order);
}

void FanCounterWindow::showLook(int picture, bool selected)
{
    const Tile& tile = tiles[picture - 1];
    const QLabel* holder = m_holders[selected ? tile.selectedHolder : tile.normalHolder];
    m_tiles[picture]->setPixmap(holder->pixmap());
    // The name says what the picture shows, so it changes with the look, never apart from it.
    m_tiles[picture]->setAccessibleName(translated(tileAccessibleName(tile, selected)));
}

FanBoxValues FanCounterWindow::boxValues() const
{
    FanBoxValues values{};
    for (const ConditionBox& box : conditionBoxes)
        values[box.check] = m_checks[box.check]->isChecked() ? 1 : 0;
    return values;
}

void FanCounterWindow::fillBoard(const TileSelection& tiles, const FanBoxValues& boxes)
{
    runEventHandler([this, &tiles, &boxes] {
        m_commands[1]->click();
        for (int picture = 1; picture <= tileCount; ++picture) {
            if (tiles[picture - 1] && Module1::tilestate[picture - 1] != Module1::selected)
                Picture_Click(picture);
        }
        for (int number = 1; number <= lastCheck; ++number)
            m_checks[number]->setChecked(boxes[number] == 1);
    });
}

void FanCounterWindow::fantonen()
{
    Module1::fancount = 0;
    Module1::fancount = countFans(selectedTiles(Module1::tilestate), boxValues());
    m_labels[8]->setText(QString::fromStdString(numberText(Module1::fancount)));
}

QString FanCounterWindow::fanWorkingText() const
{
    std::vector<Phrase> lines;
    countFans(selectedTiles(Module1::tilestate), boxValues(), &lines);
    return translatedLines(lines);
}

void FanCounterWindow::Form_Load()
{
    Module1::fancount = 0;
    fantonen();
    takeOverCalculatorColours();
}

void FanCounterWindow::takeOverCalculatorColours()
{
    QPalette source = QApplication::palette();
    const auto windows = QApplication::topLevelWidgets();
    for (const QWidget* window : windows) {
        if (window->objectName() == QLatin1String(windowname::calculator)) {
            source = window->palette();
            break;
        }
    }
    const QColor background = source.color(QPalette::Window);
    const QColor text = source.color(QPalette::WindowText);

    const ConditionBox& table = noFaTableBox();
    keepOwnColours(m_labels[table.label]);
    keepOwnColours(m_checks[table.check]);
    for (int number = 1; number <= 2; ++number)
        keepOwnColours(m_commands[number]);
    for (int picture = 1; picture <= lastHolder; ++picture)
        keepOwnColours(picture <= tileCount ? static_cast<QWidget*>(m_tiles[picture])
                                            : m_holders[picture]);

    setColour(this, QPalette::Window, background);
    // Every label, then every box, in number order; the table setting keeps its own.
    std::vector<QWidget*> controls;
    for (std::size_t number = 1; number < m_labels.size(); ++number) {
        if (m_labels[number] && int(number) != table.label)
            controls.push_back(m_labels[number]);
    }
    for (int number = 1; number <= lastCheck; ++number) {
        if (number != table.check)
            controls.push_back(m_checks[number]);
    }
    for (QWidget* control : controls) {
        control->setAutoFillBackground(true);
        setColour(control, QPalette::Window, background);
    }
    for (QWidget* control : controls)
        setColour(control, QPalette::WindowText, text);
}

void FanCounterWindow::Picture_Click(int picture)
{
    for (const TileLook& look : clickTile(Module1::tilestate, picture))
        showLook(look.picture, look.selected);
    fantonen();
}

void FanCounterWindow::Check_Click(int number)
{
    const FanBoxClick click = fanBoxClick(number, m_checks[number]->isChecked());
    if (click.recount)
        fantonen();
    if (!click.message.text.empty())
        showMessage(click.message);
}

void FanCounterWindow::Command1_Click()
{
    for (std::string& flag : Module1::tilestate)
        flag = Module1::selected;
    // Each tile's own click shows its normal look and empties its flag, whatever it showed.
    for (int picture = 1; picture <= tileCount; ++picture)
        Picture_Click(picture);
    // Each box cleared here raises its own click handling. The table setting stays.
    for (const int number : fanBoxesToClear(boxValues()))
        m_checks[number]->setChecked(false);
}

void FanCounterWindow::Command2_Click()
{
    showMessage(fanHint());
}
