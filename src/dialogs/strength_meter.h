#pragma once
// A password's strength as zxcvbn estimates it, as a person sees it: a thin
// bar that fills one fifth more of its width for each level, red for very
// weak through green for very strong, and the level's word.

#include "core/password_strength.h"

#include <QString>
#include <QWidget>
#include <optional>

class QPainter;
class QRectF;

namespace lb {

// The strength of a password as typed in a box.
PasswordStrength strengthOf(const QString& password);

// "Strength: strong", for a tooltip or an accessible description.
QString strengthDescription(StrengthLevel level);

// Paints the bar for level into rect with painter: the level's share of the
// width from the left, in the level's colour; the rest is left as it was.
void paintStrengthBar(QPainter& painter, const QRectF& rect, StrengthLevel level);

// The bar over a faint track, and the word after it. Shows nothing for the
// empty password, which has no strength to speak of.
class StrengthMeter : public QWidget {
    Q_OBJECT

public:
    explicit StrengthMeter(QWidget* parent);

    void setPassword(const QString& password);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<StrengthLevel> level_;
};

} // namespace lb
