#include "platform/asterisk_style.h"

#include <QApplication>
#include <QProxyStyle>

namespace lb {
namespace {

class AsteriskStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter) {
            return '*';
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

QStyle* asteriskPasswordStyle() {
    static QStyle* style = [] {
        auto* s = new AsteriskStyle(QApplication::style()->name());
        s->setParent(qApp);
        return s;
    }();
    return style;
}

} // namespace lb
