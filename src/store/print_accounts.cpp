#include "store/print_accounts.h"

#include "core/error.h"
#include "core/print_layout.h"
#include "core/program_errors.h"
#include "platform/ansi_text.h"
#include "platform/message_box.h"
#include "platform/printer.h"
#include "platform/texts.h"
#include "store/account_table_model.h"
#include "store/account_window.h"
#include "store/file_steps.h"

#include <QFontMetrics>
#include <QPainter>

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

// Draws the lines top to bottom like a line printer, starting a new page
// when the next line no longer fits. False when the printer gives up.
bool printLines(QPrinter& printer, QPainter& painter, const std::vector<PrintLine>& lines) {
    const QFont regular = printFont(false);
    const QFont bold = printFont(true);
    const QFontMetrics metrics(regular, &printer);
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
        painter.drawText(QPoint(0, top + metrics.ascent()), toQString(line.text));
        top += lineHeight;
    }
    return true;
}

} // namespace

void PrintAccounts(AccountWindow& w) {
    const std::vector<PrintLine> lines = printLayout(w.table().accounts(), w.table().masked());
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
    if (!printLines(*printer, painter, lines) || !painter.end()) {
        reportFailure(w, programError(ProgramError::PrinterFailed));
    }
}

} // namespace lb
