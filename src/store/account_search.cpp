#include "store/account_search.h"

#include "platform/account_text.h"

namespace lb {

QString foldForSearch(const QString& text) {
    // Compatibility decomposition also folds ligatures and full-width forms.
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        const auto category = c.category();
        if (category != QChar::Mark_NonSpacing && category != QChar::Mark_Enclosing &&
            category != QChar::Mark_SpacingCombining) {
            folded += c;
        }
    }
    return folded.toCaseFolded();
}

QStringList findWords(const QString& findText) {
    QStringList words;
    for (const QString& word : findText.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString folded = foldForSearch(word);
        if (!folded.isEmpty()) {
            words << folded;
        }
    }
    return words;
}

QString searchTextOf(const Account& account) {
    QString text = toQString(account.name);
    for (const std::string* field : {&account.user, &account.url, &account.notes}) {
        text += QLatin1Char('\n');
        text += toQString(*field);
    }
    return foldForSearch(text);
}

bool matchesAll(const QString& foldedText, const QStringList& words) {
    for (const QString& word : words) {
        if (!foldedText.contains(word)) {
            return false;
        }
    }
    return true;
}

} // namespace lb
