#include "store/print_accounts.h"

#include "core/error.h"
#include "core/print_layout.h"
#include "core/program_errors.h"
#include "platform/account_text.h"
#include "platform/message_box.h"
#include "platform/printer.h"
#include "platform/texts.h"
#include "store/account_table_model.h"
#include "store/account_window.h"
#include "store/file_steps.h"

#include <QFontMetrics>
#include <QPainter>
#include <QScopeGuard>
#include <algorithm>

namespace lb {
namespace {

void reportFailure(AccountWindow& w, const Error& failure) {
    showUnexpectedError(w, failure, "printing");
}

// A fixed-pitch face whatever fonts the system has: the columns are made
// of spaces alone, so a proportional stand-in would break them.
QFont printFont(bool bold) {
    QFont font(QStringLiteral("courier"), 10);
    font.setStyleHint(QFont::Courier);
    font.setFixedPitch(true);
    font.setBold(bold);
    return font;
}

// Where each column starts, in device pixels: as wide as its characters in the
// fixed-pitch face, or as its widest cell where glyphs are wider (Chinese,
// say, or a fallback face), and two spaces more.
std::vector<int> columnStarts(const std::vector<PrintLine>& lines, const QFontMetrics& metrics,
                              const ColumnWidths& widths) {
    const int space = metrics.horizontalAdvance(QLatin1Char(' '));
    std::vector<int> starts(kFieldCount, 0);
    int x = 0;
    for (int f = 0; f < kFieldCount; ++f) {
        int width = static_cast<int>(widths[static_cast<std::size_t>(f)]) * space;
        for (const PrintLine& line : lines) {
            if (!line.cells.empty()) {
                width = std::max(width, metrics.horizontalAdvance(
                                            toQString(line.cells[static_cast<std::size_t>(f)])));
            }
        }
        starts[static_cast<std::size_t>(f)] = x;
        x += width + 2 * space;
    }
    return starts;
}

// Draws the lines top to bottom like a line printer, starting a new page
// when the next line no longer fits. False when the printer gives up.
bool printLines(QPrinter& printer, QPainter& painter, const std::vector<PrintLine>& lines,
                const ColumnWidths& widths) {
    const QFont regular = printFont(false);
    const QFont bold = printFont(true);
    const QFontMetrics metrics(regular, &printer);
    const std::vector<int> starts = columnStarts(lines, metrics, widths);
    const int lineHeight = metrics.lineSpacing();
    const int pageHeight = printer.height();
    int top = 0;
    for (const PrintLine& line : lines) {
        if (top > 0 && top + lineHeight > pageHeight) {
            if (!printer.newPage()) {
                return false;
            }
            top = 0;
        }
        painter.setFont(line.bold ? bold : regular);
        const int baseline = top + metrics.ascent();
        if (line.cells.empty()) {
            painter.drawText(QPoint(0, baseline), toQString(line.text));
        }
        for (std::size_t f = 0; f < line.cells.size(); ++f) {
            QString cell = toQString(line.cells[f]);
            painter.drawText(QPoint(starts[f], baseline), cell);
            wipeText(cell);
        }
        top += lineHeight;
    }
    return true;
}

// The printout may hold every password in clear.
void wipeLines(std::vector<PrintLine>& lines) {
    for (PrintLine& line : lines) {
        wipeText(line.text);
        for (std::string& cell : line.cells) {
            wipeText(cell);
        }
    }
}

} // namespace

void PrintAccounts(AccountWindow& w) {
    const PasswordMask mask = w.table().masked() ? PasswordMask(maskOf) : PasswordMask();
    const std::vector<Account>& accounts = w.table().accounts();
    std::vector<PrintLine> lines = printLayout(accounts, mask);
    const ColumnWidths widths = printColumnWidths(accounts, mask);
    const auto done = qScopeGuard([&lines] { wipeLines(lines); });
    // High print quality and landscape, so the five columns have room.
    const std::unique_ptr<QPrinter> printer = ui::defaultPrinter(QPrinter::HighResolution);
    if (!printer) {
        reportFailure(w, programError(ProgramError::NoPrinter));
        return;
    }
    printer->setPageOrientation(QPageLayout::Landscape);
    printer->setDocName(texts::kAppName);
    QPainter painter;
    if (!painter.begin(printer.get())) {
        reportFailure(w, programError(ProgramError::PrinterFailed));
        return;
    }
    if (!printLines(*printer, painter, lines, widths) || !painter.end()) {
        reportFailure(w, programError(ProgramError::PrinterFailed));
    }
}

} // namespace lb
