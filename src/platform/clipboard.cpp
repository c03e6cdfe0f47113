#include "platform/clipboard.h"

#include "core/content_digest.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <optional>

namespace lb {
namespace {

// What a test put in place of the real service; empty in the program.
ClipboardSource testSource;

// What the program put on the clipboard last, as a digest of its UTF-8 text.
std::optional<std::string> ourDigest;
// Whether the window system told that the program owned the clipboard right
// after it put the text there; where it cannot tell (a clipboard inside the
// process, say), ownership says nothing and only the text can answer.
bool ownershipKnown = false;

QClipboard* clipboard() {
    // Without a running application Qt gives no clipboard at all.
    return testSource ? testSource() : QGuiApplication::clipboard();
}

std::string digestOf(const QString& text) {
    return contentDigest(text.toUtf8().toStdString());
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
    ourDigest = digestOf(text);
    ownershipKnown = board->ownsClipboard();
    return true;
}

void ClearClipboard() {
    if (QClipboard* board = clipboard()) {
        board->clear(QClipboard::Clipboard);
    }
    ourDigest.reset();
}

bool clipboardHoldsOurs() {
    QClipboard* board = clipboard();
    if (board == nullptr || !ourDigest) {
        return false;
    }
    if (ownershipKnown && !board->ownsClipboard()) {
        return false;
    }
    return digestOf(board->text()) == *ourDigest;
}

void clearClipboardIfOurs() {
    if (clipboardHoldsOurs()) {
        ClearClipboard();
    }
}

} // namespace lb
