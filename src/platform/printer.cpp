#include "platform/printer.h"

#include <QPrinterInfo>

namespace lb::ui {
namespace {

// What a test put in place of the real service; empty in the program.
PrinterHook answer;

} // namespace

void setPrinterHook(PrinterHook h) {
    answer = std::move(h);
}

std::unique_ptr<QPrinter> defaultPrinter(QPrinter::PrinterMode mode) {
    if (answer) {
        return answer(mode);
    }
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return nullptr;
    }
    return std::make_unique<QPrinter>(info, mode);
}

} // namespace lb::ui
