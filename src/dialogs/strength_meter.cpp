#include "dialogs/strength_meter.h"

#include "core/secret.h"

#include <QByteArray>
#include <QColor>
#include <QPainter>
#include <QRectF>
#include <array>

namespace lb {
namespace {

// Red through amber to green, dark enough to stand out on a light window
// and on a white text box alike.
const std::array<QColor, kStrengthLevels> kLevelColours = {
    QColor(0xc6, 0x28, 0x28), QColor(0xef, 0x6c, 0x00), QColor(0xf9, 0xa8, 0x25),
    QColor(0x7c, 0xb3, 0x42), QColor(0x2e, 0x7d, 0x32)};

constexpr int kBarHeight = 4;
constexpr int kBarWidth = 120;
constexpr int kGap = 8;

QString word(StrengthLevel level) {
    const std::string_view w = strengthWord(level);
    return QString::fromUtf8(w.data(), static_cast<qsizetype>(w.size()));
}

} // namespace

PasswordStrength strengthOf(const QString& password) {
    QByteArray utf8 = password.toUtf8();
    const PasswordStrength strength = estimateStrength(std::string_view(utf8.data(), utf8.size()));
    wipe(utf8.data(), static_cast<std::size_t>(utf8.size()));
    return strength;
}

QString strengthDescription(StrengthLevel level) {
    return QStringLiteral("Strength: ") + word(level);
}

void paintStrengthBar(QPainter& painter, const QRectF& rect, StrengthLevel level) {
    const double share = (static_cast<int>(level) + 1.0) / kStrengthLevels;
    QRectF filled = rect;
    filled.setWidth(rect.width() * share);
    painter.fillRect(filled, kLevelColours[static_cast<std::size_t>(level)]);
}

StrengthMeter::StrengthMeter(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("Password strength"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void StrengthMeter::setPassword(const QString& password) {
    level_.reset();
    if (!password.isEmpty()) {
        level_ = strengthOf(password).level;
    }
    const QString description = level_ ? strengthDescription(*level_) : QString();
    setToolTip(description);
    setAccessibleDescription(description);
    update();
}

QSize StrengthMeter::sizeHint() const {
    return {kBarWidth + kGap + fontMetrics().horizontalAdvance(word(StrengthLevel::VeryStrong)),
            fontMetrics().height()};
}

QSize StrengthMeter::minimumSizeHint() const {
    return sizeHint();
}

void StrengthMeter::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const int wordWidth = fontMetrics().horizontalAdvance(word(StrengthLevel::VeryStrong));
    const QRectF bar(0, (height() - kBarHeight) / 2.0, width() - wordWidth - kGap, kBarHeight);
    painter.fillRect(bar, palette().color(QPalette::Midlight));
    if (!level_) {
        return;
    }
    paintStrengthBar(painter, bar, *level_);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRectF(bar.right() + kGap, 0, wordWidth, height()),
                     Qt::AlignLeft | Qt::AlignVCenter, word(*level_));
}

} // namespace lb
