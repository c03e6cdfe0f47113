#pragma once
// The default printer, behind a hook so a test can print to a PDF file or
// play a machine without any printer.

#include <QPrinter>
#include <functional>
#include <memory>

namespace lb::ui {

// The system's default printer set up in the given mode, or nullptr when no
// printer is installed.
std::unique_ptr<QPrinter> defaultPrinter(QPrinter::PrinterMode mode);

// A test's stand-in for the default printer; returning nullptr plays "no
// printer installed". An empty function restores the real one.
using PrinterHook = std::function<std::unique_ptr<QPrinter>(QPrinter::PrinterMode mode)>;
void setPrinterHook(PrinterHook hook);

} // namespace lb::ui
