#include "gameprintout.h"

#include "bettexts.h"
#include "bettype.h"
#include "combinationlist.h"
#include "messages.h"
#include "money.h"
#include "qtbridge.h"
#include "version.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <fstream>

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

// A complete PDF ends with its end-of-file marker; a file cut short by a full disk does not.
FileStep CheckPdfComplete(const std::string& path)
{
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    const std::streamoff size = file.tellg();
    const std::streamoff tail = std::min<std::streamoff>(size, 1024);
    std::string end(static_cast<std::size_t>(std::max<std::streamoff>(tail, 0)), '\0');
    file.seekg(size - tail);
    if (!file || !file.read(end.data(), tail) || end.rfind("%%EOF") == std::string::npos) {
        return FileProblem { "le PDF écrit est incomplet", 0 };
    }
    return std::nullopt;
}

} // namespace

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

std::string PrintedBetText(const SavedGame& game)
{
    const BetType* type = game.bet ? FindBetType(game.bet->typeId) : nullptr;
    if (!type || game.list.empty()) {
        return {};
    }
    const BetCost cost = Cost(game.list, *type, game.bet->unitStakeCents);
    if (cost.message) {
        return {};
    }
    return cost.unitName + " : " + CostTooltip(cost) + " = " + FormatEuros(cost.totalCents);
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
    if (std::string bet = PrintedBetText(m_game); !bet.empty()) {
        lines.push_back(" " + bet);
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
    const int columnWidth = std::min(widest + gap, area.width());
    const int bodyTop = headingBottom + lineHeight;
    const int bodyBottom = area.height() - footHeight;
    PageGrid grid;
    grid.columns = std::max(1, (area.width() + gap) / std::max(columnWidth, 1));
    grid.rowsFirstPage = std::max(0, (bodyBottom - bodyTop) / lineHeight);
    grid.rowsOtherPages = std::max(1, bodyBottom / lineHeight);
    const int pages = grid.pageCount(list.size());

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
        const std::size_t last = std::min<std::size_t>(first + grid.capacity(page), list.size());
        for (std::size_t i = first; i < last; ++i) {
            const int slot = static_cast<int>(i - first);
            const int x = area.left() + (slot / rows) * columnWidth;
            const int y = top + (slot % rows) * lineHeight + lineMetrics.ascent();
            const QString text = ToQString(list.line(static_cast<CombinationList::Count>(i)));
            painter.drawText(QPoint(x, y), lineMetrics.elidedText(text, Qt::ElideRight, columnWidth));
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
            writer.setTitle(ToQString(text::kProgramTitle));
            writer.setCreator(QStringLiteral("Ornal " ORNAL_VERSION));
            writer.setResolution(300);
            UsePrintoutPage(&writer);
            if (!printout.paint(&writer)) {
                return FileProblem { "les pages n'ont pas pu être dessinées", 0 };
            }
            return std::nullopt;
        },
        options);
}

} // namespace ornal
