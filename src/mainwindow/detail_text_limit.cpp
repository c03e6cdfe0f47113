#include "mainwindow/detail_text_limit.h"

#include "platform/account_text.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QResizeEvent>
#include <cmath>

namespace lb {

bool keepable(const DetailTextRules& rules, const QString& text) {
    if (!rules.classicOnly || !rules.classicOnly()) {
        return true;
    }
    const auto c = firstClassicUnkeepable(text);
    if (c && rules.refused) {
        rules.refused(*c);
    }
    return !c;
}

DetailTextValidator::DetailTextValidator(QLineEdit* box, const DetailTextRules& rules)
    : QValidator(box), rules_(rules) {
    // The box has already taken the edit when it asks; remember the length it
    // had before, whether typed or set by the program.
    connect(box, &QLineEdit::textChanged, this,
            [this](const QString& text) { acceptedLength_ = visibleLength(text); });
}

QValidator::State DetailTextValidator::validate(QString& input, int& /*pos*/) const {
    if (!keepable(rules_, input)) {
        return Invalid;
    }
    // Counting code units first spares the count of characters for most edits.
    if (input.size() > kMaxTypedLength) {
        const qsizetype length = visibleLength(input);
        if (length > kMaxTypedLength && length > acceptedLength_) {
            return Invalid;
        }
    }
    return Acceptable;
}

DetailLineEdit::DetailLineEdit(const DetailTextRules& rules, QWidget* parent)
    : QLineEdit(parent), validator_(new DetailTextValidator(this, rules)) {
    setValidator(validator_);
}

void DetailLineEdit::setStoredText(const QString& text) {
    validator_->allowLength(visibleLength(text));
    setText(text);
    // Show the start of a long value, as a person reads it.
    setCursorPosition(0);
}

NotesEdit::NotesEdit(const DetailTextRules& rules, QWidget* parent)
    : QPlainTextEdit(parent), rules_(rules) {}

void NotesEdit::setStoredText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(shown);
}

QString NotesEdit::storedText() const {
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

bool NotesEdit::accepts(const QString& inserted) const {
    if (!keepable(rules_, inserted)) {
        return false;
    }
    // Counted as stored, so a line break counts as the two characters (CR LF)
    // it takes in the file. A selection's line breaks are paragraph separators.
    const auto stored = [](const QString& text, QChar lineBreak) {
        return visibleLength(text) + text.count(lineBreak);
    };
    const qsizetype current = stored(toPlainText(), QLatin1Char('\n'));
    const qsizetype added = stored(inserted, QLatin1Char('\n'));
    const qsizetype after =
        current - stored(textCursor().selectedText(), QChar::ParagraphSeparator) + added;
    return after <= kMaxTypedLength || after <= current;
}

void NotesEdit::resizeEvent(QResizeEvent* event) {
    // At a fractional scale (150 %, say) the text area rounds outwards and
    // covers the frame's right and bottom lines; a pixel of margin there keeps
    // the frame whole. At whole scales the text area fills the frame as usual.
    const qreal scale = devicePixelRatioF();
    const int keep = scale == std::floor(scale) ? 0 : 1;
    setViewportMargins(0, 0, keep, keep);
    QPlainTextEdit::resizeEvent(event);
}

void NotesEdit::keyPressEvent(QKeyEvent* event) {
    QString typed = event->text();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        typed = QStringLiteral("\n");
    }
    const bool inserts =
        typed == QStringLiteral("\n") || (!typed.isEmpty() && typed.at(0).isPrint());
    if (inserts && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
        !accepts(typed)) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void NotesEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty() && !accepts(event->commitString())) {
        event->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

bool NotesEdit::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasText() && QPlainTextEdit::canInsertFromMimeData(source);
}

void NotesEdit::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText()) {
        return;
    }
    QString text = source->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (!accepts(text)) {
        return;
    }
    textCursor().insertText(text);
}

} // namespace lb
