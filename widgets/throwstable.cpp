#include "throwstable.h"

#include <algorithm>
#include <array>

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include "messages.h"
#include "tileimages.h"
#include "translated.h"
#include "twips.h"

namespace {

// The design, in twips: the columns' widths (the draws that help take what is left), the
// header, a row's line with its tile, and the further lines of draws that help.
constexpr int throwWidth = 840;
constexpr int awayWidth = 1020;
constexpr int totalWidth = 720;
constexpr int worthWidth = 1380;
constexpr int headerHeight = 255;
constexpr int lineHeight = 420;
constexpr int throwTileWidth = 285;
constexpr int throwTileHeight = 375;
constexpr int acceptTileWidth = 225;
constexpr int acceptTileHeight = 300;
constexpr int acceptPitch = 450;
constexpr int acceptLineHeight = 330;
constexpr int rowGap = 45;
constexpr int cellGap = 60; // between a small tile and its copies left

constexpr std::array<const char*, 5> headerCaptions{
    QT_TRANSLATE_NOOP("ThrowsTable", "Throw"), QT_TRANSLATE_NOOP("ThrowsTable", "Away"),
    QT_TRANSLATE_NOOP("ThrowsTable", "Draws that help (copies left)"),
    QT_TRANSLATE_NOOP("ThrowsTable", "Total"), QT_TRANSLATE_NOOP("ThrowsTable", "Best win")};
constexpr std::array<const char*, 5> headerNames{"ThrowsHeaderThrow", "ThrowsHeaderAway",
                                                 "ThrowsHeaderAccepts", "ThrowsHeaderTotal",
                                                 "ThrowsHeaderWorth"};
constexpr std::array<const char*, 5> headerTips{
    QT_TRANSLATE_NOOP("ThrowsTable", "The tile to throw"),
    QT_TRANSLATE_NOOP("ThrowsTable", "How many exchanges of a tile the hand is from waiting"),
    QT_TRANSLATE_NOOP("ThrowsTable",
                      "The tiles that, drawn next, bring the hand nearer (or finish a waiting "
                      "hand), each with the copies not in your hand"),
    QT_TRANSLATE_NOOP("ThrowsTable", "The copies left of every tile that helps"),
    QT_TRANSLATE_NOOP("ThrowsTable", "A waiting hand's highest Zorvan! Points on a discard")};

QString text(const std::string& plain)
{
    return QString::fromStdString(plain);
}

} // namespace

ThrowsTable::ThrowsTable(QWidget* parent, const QRect& twips) : QWidget(parent)
{
    setObjectName(QStringLiteral("Throws"));
    placeInTwips(this, twips);
    for (const char* name : headerNames) {
        auto* header = new QLabel(this);
        header->setObjectName(QLatin1String(name));
        header->setTextFormat(Qt::PlainText);
        header->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        m_headers.push_back(header);
    }
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("ThrowsRows"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scroll->setWidgetResizable(false);
    m_content = new QWidget;
    m_content->setObjectName(QStringLiteral("ThrowsContent"));
    m_scroll->setWidget(m_content);
    hide();
}

void ThrowsTable::showRows(const std::vector<ThrowRow>& rows)
{
    QString focused;
    for (ThrowRowWidget* row : m_rows) {
        if (row->isVisible() && row->hasFocus())
            focused = text(row->row().tile);
    }
    m_shown = rows;
    while (m_rows.size() < rows.size()) {
        auto* row = new ThrowRowWidget(m_content);
        connect(row, &ThrowRowWidget::clicked, this, [this, row] {
            runEventHandler([this, row] { emit chosen(text(row->row().tile), row->hasFocus()); });
        });
        m_rows.push_back(row);
    }
    for (std::size_t i = 0; i < headerCaptions.size(); ++i) {
        m_headers[i]->setText(translated("ThrowsTable", headerCaptions[i]));
        m_headers[i]->setToolTip(translated("ThrowsTable", headerTips[i]));
    }
    setAccessibleName(translated("ThrowsTable", QT_TRANSLATE_NOOP("ThrowsTable", "Throws")));
    layoutRows();
    setVisible(!rows.empty());
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        m_rows[i]->setVisible(i < rows.size());
        if (i < rows.size() && text(rows[i].tile) == focused)
            m_rows[i]->setFocus(Qt::OtherFocusReason);
    }
}

std::vector<ThrowRowWidget*> ThrowsTable::shownRows() const
{
    return {m_rows.begin(),
            m_rows.begin() + std::ptrdiff_t(std::min(m_rows.size(), m_shown.size()))};
}

void ThrowsTable::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutRows();
}

void ThrowsTable::layoutRows()
{
    const int header = twipsToPixels(headerHeight);
    m_scroll->setGeometry(0, header, width(), std::max(0, height() - header));
    // The scroll bar's room is kept whether it shows or not, so that the columns stay put.
    const int inner = width() - style()->pixelMetric(QStyle::PM_ScrollBarExtent) - 2;
    const std::vector<int> columns{0,
                                   twipsToPixels(throwWidth),
                                   twipsToPixels(throwWidth + awayWidth),
                                   inner - twipsToPixels(totalWidth + worthWidth),
                                   inner - twipsToPixels(worthWidth),
                                   inner};
    for (std::size_t i = 0; i < m_headers.size(); ++i)
        m_headers[i]->setGeometry(columns[i], 0, columns[i + 1] - columns[i], header);
    int top = 0;
    for (std::size_t i = 0; i < m_shown.size(); ++i) {
        const int height = m_rows[i]->show(m_shown[i], columns, inner);
        m_rows[i]->setGeometry(0, top, inner, height);
        top += height;
    }
    m_content->resize(inner, top);
}

ThrowRowWidget::ThrowRowWidget(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    m_tile = cell(QStringLiteral("ThrowTile"));
    m_away = cell(QStringLiteral("ThrowAway"));
    m_accepted = cell(QStringLiteral("ThrowAccepted"));
    m_worth = cell(QStringLiteral("ThrowWorth"));
}

QLabel* ThrowRowWidget::cell(const QString& name)
{
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The row takes every click, wherever it lands.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

int ThrowRowWidget::show(const ThrowRow& row, const std::vector<int>& columns, int width)
{
    m_row = row;
    const QString tile = text(row.tile);
    setObjectName(QStringLiteral("Throw_%1").arg(tile));
    setAccessibleName(translated(row.sentence));
    setToolTip(translated(row.toolTip.empty() ? row.sentence : row.toolTip));
    const qreal ratio = devicePixelRatioF();
    const int line = twipsToPixels(lineHeight);
    const int gap = twipsToPixels(rowGap);

    const QSize tileSize(twipsToPixels(throwTileWidth), twipsToPixels(throwTileHeight));
    m_tile->setGeometry(columns[0] + twipsToPixels(120), gap + (line - tileSize.height()) / 2,
                        tileSize.width(), tileSize.height());
    m_tile->setPixmap(tileImage(text(row.image), row.best, tileSize, ratio));
    m_away->setGeometry(columns[1], gap, columns[2] - columns[1], line);
    m_away->setText(translated(row.away));
    m_accepted->setGeometry(columns[3], gap, columns[4] - columns[3], line);
    m_accepted->setText(QString::number(row.accepted));
    m_worth->setGeometry(columns[4], gap, columns[5] - columns[4], line);
    m_worth->setText(translated(row.worth));

    const QSize smallSize(twipsToPixels(acceptTileWidth), twipsToPixels(acceptTileHeight));
    const int pitch = twipsToPixels(acceptPitch);
    const int perLine = std::max(1, (columns[3] - columns[2]) / pitch);
    const int further = twipsToPixels(acceptLineHeight);
    while (m_acceptTiles.size() < row.accepts.size()) {
        m_acceptTiles.push_back(cell(QString()));
        m_acceptLeft.push_back(cell(QString()));
    }
    for (std::size_t i = 0; i < m_acceptTiles.size(); ++i) {
        const bool shown = i < row.accepts.size();
        m_acceptTiles[i]->setVisible(shown);
        m_acceptLeft[i]->setVisible(shown);
        if (!shown)
            continue;
        const ThrowRow::Accept& accept = row.accepts[i];
        const int left = columns[2] + pitch * (int(i) % perLine);
        const int top = gap + further * (int(i) / perLine) + (line - further) / 2;
        m_acceptTiles[i]->setObjectName(QStringLiteral("Accept_%1").arg(text(accept.tile)));
        m_acceptTiles[i]->setGeometry(left, top + (further - smallSize.height()) / 2,
                                      smallSize.width(), smallSize.height());
        m_acceptTiles[i]->setPixmap(tileImage(text(accept.image), false, smallSize, ratio));
        m_acceptLeft[i]->setObjectName(QStringLiteral("AcceptLeft_%1").arg(text(accept.tile)));
        const int numberLeft = left + smallSize.width() + twipsToPixels(cellGap) / 2;
        m_acceptLeft[i]->setGeometry(numberLeft, top, left + pitch - numberLeft, further);
        m_acceptLeft[i]->setText(QString::number(accept.left));
    }
    const int lines = std::max(1, (int(row.accepts.size()) + perLine - 1) / perLine);
    const int height = std::max(line, (line - further) / 2 + further * lines) + 2 * gap;
    Q_UNUSED(width);
    update();
    return height;
}

void ThrowRowWidget::mousePressEvent(QMouseEvent* event)
{
    m_click.press(event);
}

void ThrowRowWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_click.release(event, *this))
        emit clicked();
}

void ThrowRowWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_click.doubleClick(event);
}

void ThrowRowWidget::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
        event->modifiers() == Qt::NoModifier) {
        event->accept();
        if (!event->isAutoRepeat())
            emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ThrowRowWidget::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    // The row in view when the keyboard comes to it.
    for (QWidget* up = parentWidget(); up; up = up->parentWidget()) {
        if (auto* scroll = qobject_cast<QScrollArea*>(up)) {
            scroll->ensureWidgetVisible(this, 0, 0);
            break;
        }
    }
    update();
}

void ThrowRowWidget::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void ThrowRowWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The focused row on the highlight's tint, the player's choice framed.
    if (hasFocus())
        painter.fillRect(rect(), palette().color(QPalette::Highlight).lighter(170));
    if (m_row.chosen) {
        QPen pen(palette().color(QPalette::WindowText), 2);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}
