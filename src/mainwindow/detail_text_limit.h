#pragma once
// The detail pane's boxes take at most 500 typed characters (as a person sees
// them), and, while a legacy-format file is open, only characters that format
// can keep: a refused character is reported, never dropped in silence. Text
// the program sets (from a file) is shown whole, however long: only typing and
// pasting are limited.

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QValidator>
#include <functional>

namespace lb {

inline constexpr int kMaxTypedLength = 500;

// What the boxes may take, shared by the five of them.
struct DetailTextRules {
    // True while the open file is in the legacy format.
    std::function<bool()> classicOnly;
    // Told the first character refused for the legacy format.
    std::function<void(char32_t)> refused;
};

// For a one-line box: refuses an edit that would make the text longer than
// the limit (unless it was longer already and the edit shortens it) or that
// holds a character the open file cannot keep.
class DetailTextValidator : public QValidator {
public:
    DetailTextValidator(QLineEdit* box, const DetailTextRules& rules);
    State validate(QString& input, int& pos) const override;
    // Text of this length may stand, and be shortened, even past the limit.
    void allowLength(qsizetype length) { acceptedLength_ = length; }

private:
    const DetailTextRules& rules_;
    qsizetype acceptedLength_ = 0;
};

// A one-line detail box. Text from a file goes in through setStoredText, so
// that the typing limit never judges it.
class DetailLineEdit : public QLineEdit {
    Q_OBJECT

public:
    DetailLineEdit(const DetailTextRules& rules, QWidget* parent = nullptr);
    void setStoredText(const QString& text);

private:
    DetailTextValidator* validator_;
};

// The multi-line notes box with the same rules. Line breaks are shown as the
// box's own and stored as CR LF, the account file's line break.
class NotesEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    NotesEdit(const DetailTextRules& rules, QWidget* parent = nullptr);

    // Stored text (CR LF line breaks) to and from the box.
    void setStoredText(const QString& text);
    QString storedText() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    bool accepts(const QString& inserted) const;

    const DetailTextRules& rules_;
};

// True when the open file can keep every character of text; otherwise the
// refusal is reported through the rules.
bool keepable(const DetailTextRules& rules, const QString& text);

} // namespace lb
