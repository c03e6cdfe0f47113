#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace lb {
namespace {

// What a test put in place of the real service; empty in the program.
ClipboardSource testSource;

QClipboard* clipboard() {
    // Without a running application Qt gives no clipboard at all.
    return testSource ? testSource() : QGuiApplication::clipboard();
}

// The hint KDE's clipboard manager and its kin read to leave an entry out of
// their history, so a copied password does not outlive ClearClipboard there.
const QString kPasswordManagerHint = QStringLiteral("x-kde-passwordManagerHint");

} // namespace

void setClipboardSource(ClipboardSource s) {
    testSource = std::move(s);
}

bool putTextOnClipboard(const QString& text, ClipboardText kind) {
    QClipboard* board = clipboard();
    if (board == nullptr) {
        return false;
    }
    auto* data = new QMimeData;
    data->setText(text);
    if (kind == ClipboardText::Secret) {
        data->setData(kPasswordManagerHint, QByteArrayLiteral("secret"));
    }
    board->setMimeData(data); // the clipboard owns it from here
    return true;
}

void ClearClipboard() {
    if (QClipboard* board = clipboard()) {
        board->clear(QClipboard::Clipboard);
    }
}

} // namespace lb
