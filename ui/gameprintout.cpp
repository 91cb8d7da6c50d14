#include "ui/gameprintout.h"

#include "engine/combinationlist.h"
#include "engine/messages.h"
#include "files/pdfcheck.h"
#include "ui/qtbridge.h"
#include "version.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>

namespace ornal {

namespace {

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere;

QFont HeadingFont(bool title)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(title ? 12 : 10);
    font.setBold(title);
    return font;
}

QFont LineFont()
{
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(9);
    return font;
}

QFont FootFont()
{
    QFont font = HeadingFont(false);
    font.setPointSizeF(8);
    return font;
}

// The PDF's own description and page, then the pages.
bool DrawPdf(QPdfWriter& writer, const GamePrintout& printout)
{
    writer.setTitle(ToQString(text::kProgramTitle));
    writer.setCreator(QStringLiteral("Ornal " ORNAL_VERSION));
    writer.setResolution(300);
    UsePrintoutPage(&writer);
    return printout.paint(&writer);
}

// One printed row of a line cut to the page's width: the piece of line from start, length UTF-16 units long.
struct LineRow {
    CombinationList::Count line = 0;
    int start = 0;
    int length = 0;
    bool continued = false; // not the line's first piece: printed indented
};

} // namespace

std::vector<std::pair<int, int>> CutToWidth(const QString& text, const QFontMetrics& metrics, int width, int indent)
{
    // Advances summed unrounded, as the metrics sum them for a whole text; those of ASCII characters measured once,
    // since a list of long lines repeats the same few characters.
    const QFontMetricsF exact(metrics);
    std::array<qreal, 128> ascii;
    ascii.fill(-1);
    std::vector<std::pair<int, int>> pieces;
    int start = 0;
    qreal used = 0;
    qreal room = width;
    for (int i = 0; i < text.size();) {
        // A character outside the basic plane is two units, measured and kept together.
        const int units = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
        const char16_t unit = text[i].unicode();
        qreal advance = unit < ascii.size() ? ascii[unit] : -1;
        if (advance < 0) {
            advance = exact.horizontalAdvance(text.mid(i, units));
            if (unit < ascii.size()) {
                ascii[unit] = advance;
            }
        }
        if (used + advance > room && i > start) {
            pieces.emplace_back(start, i - start);
            start = i;
            used = 0;
            room = std::max(width - indent, 1);
        }
        used += advance;
        i += units;
    }
    if (start < text.size() || pieces.empty()) {
        pieces.emplace_back(start, static_cast<int>(text.size()) - start);
    }
    return pieces;
}

std::size_t PageGrid::capacity(int page) const
{
    const int rows = page == 0 ? rowsFirstPage : rowsOtherPages;
    return static_cast<std::size_t>(std::max(columns, 1)) * static_cast<std::size_t>(std::max(rows, 0));
}

std::size_t PageGrid::firstLine(int page) const
{
    return page == 0 ? 0 : capacity(0) + static_cast<std::size_t>(page - 1) * capacity(1);
}

int PageGrid::pageCount(std::size_t count) const
{
    const std::size_t first = capacity(0);
    if (count <= first) {
        return 1;
    }
    const std::size_t other = std::max<std::size_t>(capacity(1), 1);
    return 1 + static_cast<int>((count - first + other - 1) / other);
}

GamePrintout::GamePrintout(SavedGame game, std::string date)
    : m_game(std::move(game))
    , m_date(std::move(date))
{
}

std::vector<std::string> GamePrintout::headingLines() const
{
    std::vector<std::string> lines { " " + std::string(text::kProgramTitle), " " + m_game.selection.baseText + " ",
        " La sélection : " + m_game.selectionText, " Nombre de combinaisons : " + std::to_string(m_game.list.size()) };
    for (const std::string& note : GameNotes(m_game)) {
        lines.push_back(" " + note);
    }
    if (!m_game.runners.empty()) {
        lines.push_back(" " + PrintedRunnersText(m_game.runners));
    }
    return lines;
}

bool GamePrintout::paint(QPagedPaintDevice* device) const
{
    QPainter painter;
    if (!painter.begin(device)) {
        return false;
    }
    const QRect area(0, 0, device->width(), device->height());

    // The heading block, measured with its long texts wrapped anywhere.
    const std::vector<std::string> heading = headingLines();
    std::vector<QRect> headingRects;
    int headingBottom = 0;
    for (std::size_t i = 0; i < heading.size(); ++i) {
        painter.setFont(HeadingFont(i == 0));
        const QRect room(area.left(), headingBottom, area.width(), area.height());
        const QRect used = painter.boundingRect(room, kTextFlags, ToQString(heading[i]));
        headingRects.push_back(QRect(room.left(), room.top(), room.width(), used.height()));
        headingBottom += used.height();
    }

    painter.setFont(FootFont());
    const int footHeight = painter.fontMetrics().lineSpacing() * 2;
    painter.setFont(LineFont());
    const QFontMetrics lineMetrics = painter.fontMetrics();
    const int lineHeight = std::max(lineMetrics.lineSpacing(), 1);
    const int gap = lineMetrics.horizontalAdvance(QStringLiteral("   "));
    const CombinationList& list = m_game.list;
    int widest = 1;
    for (CombinationList::Count i = 0; i < list.size(); ++i) {
        widest = std::max(widest, lineMetrics.horizontalAdvance(ToQString(list.line(i))));
    }
    // Lines flow as rows down the columns. Only when a line is wider than the page are rows and lines apart: each
    // line then takes as many rows as its pieces, in a single column of the page's width.
    const bool cut = widest > area.width();
    const int indent = lineMetrics.horizontalAdvance(QStringLiteral("  "));
    std::vector<LineRow> rowsOfLines;
    if (cut) {
        for (CombinationList::Count i = 0; i < list.size(); ++i) {
            bool continued = false;
            for (const auto& [start, length] : CutToWidth(ToQString(list.line(i)), lineMetrics, area.width(), indent)) {
                rowsOfLines.push_back({ i, start, length, continued });
                continued = true;
            }
        }
    }
    const std::size_t rowCount = cut ? rowsOfLines.size() : list.size();
    const int columnWidth = cut ? area.width() : std::min(widest + gap, area.width());
    const int bodyTop = headingBottom + lineHeight;
    const int bodyBottom = area.height() - footHeight;
    PageGrid grid;
    grid.columns = std::max(1, (area.width() + gap) / std::max(columnWidth, 1));
    grid.rowsFirstPage = std::max(0, (bodyBottom - bodyTop) / lineHeight);
    grid.rowsOtherPages = std::max(1, bodyBottom / lineHeight);
    const int pages = grid.pageCount(rowCount);

    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !device->newPage()) {
            painter.end();
            return false;
        }
        if (page == 0) {
            painter.setPen(QColor(0xC0, 0xC0, 0xC0));
            painter.setBrush(QColor(0xF2, 0xF2, 0xF2));
            painter.drawRect(QRect(area.left(), 0, area.width() - 1, headingBottom));
            painter.setPen(Qt::black);
            for (std::size_t i = 0; i < heading.size(); ++i) {
                painter.setFont(HeadingFont(i == 0));
                painter.drawText(headingRects[i], kTextFlags, ToQString(heading[i]));
            }
        }
        painter.setFont(LineFont());
        const int top = page == 0 ? bodyTop : 0;
        const int rows = page == 0 ? grid.rowsFirstPage : grid.rowsOtherPages;
        const std::size_t first = grid.firstLine(page);
        const std::size_t last = std::min<std::size_t>(first + grid.capacity(page), rowCount);
        for (std::size_t i = first; i < last; ++i) {
            const int slot = static_cast<int>(i - first);
            int x = area.left() + (slot / rows) * columnWidth;
            const int y = top + (slot % rows) * lineHeight + lineMetrics.ascent();
            if (!cut) {
                painter.drawText(QPoint(x, y), ToQString(list.line(static_cast<CombinationList::Count>(i))));
                continue;
            }
            const LineRow& row = rowsOfLines[i];
            if (row.continued) {
                x += indent;
            }
            painter.drawText(QPoint(x, y), ToQString(list.line(row.line)).mid(row.start, row.length));
        }
        painter.setFont(FootFont());
        const QRect foot(area.left(), area.height() - footHeight, area.width(), footHeight);
        painter.drawText(foot, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Imprimé le %1").arg(ToQString(m_date)));
        painter.drawText(
            foot, Qt::AlignRight | Qt::AlignBottom, QStringLiteral("Page %1 / %2").arg(page + 1).arg(pages));
    }
    return painter.end();
}

void UsePrintoutPage(QPagedPaintDevice* device)
{
    device->setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
}

WriteOutcome WriteGamePdf(const std::filesystem::path& file, const GamePrintout& printout, ExistingFile existing)
{
    AtomicWriteOptions options;
    options.existing = existing;
    options.check = CheckPdfComplete;
    return WriteFileByName(
        file,
        [&printout](const std::string& temporary) -> FileStep {
            QPdfWriter writer(ToQString(temporary));
            if (!DrawPdf(writer, printout)) {
                return FileProblem { "les pages n'ont pas pu être dessinées", 0 };
            }
            return std::nullopt;
        },
        options);
}

bool WriteGamePdfTo(QIODevice* device, const GamePrintout& printout)
{
    bool drawn = false;
    {
        // The writer finishes the document when it goes.
        QPdfWriter writer(device);
        drawn = DrawPdf(writer, printout);
    }
    return drawn;
}

} // namespace ornal
