#include "platform/printer.h"

#include <QPrinterInfo>

namespace lb::ui {
namespace {

PrinterHook& hook() {
    static PrinterHook h;
    return h;
}

} // namespace

void setPrinterHook(PrinterHook h) {
    hook() = std::move(h);
}

std::unique_ptr<QPrinter> defaultPrinter(QPrinter::PrinterMode mode) {
    if (hook()) {
        return hook()(mode);
    }
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return nullptr;
    }
    return std::make_unique<QPrinter>(info, mode);
}

} // namespace lb::ui
