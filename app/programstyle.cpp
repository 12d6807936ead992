#include "app/programstyle.h"

#include "ui/look.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleOptionComplex>
#include <QWidget>

namespace {

class ProgramProxyStyle final : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (which == SP_ToolBarHorizontalExtensionButton)
            return chevron(false);
        if (which == SP_ToolBarVerticalExtensionButton)
            return chevron(true);
        return QProxyStyle::standardIcon(which, option, widget);
    }

    // The program's own group boxes place their controls by hand and draw their caption
    // themselves: their contents take the whole box. Working out the room below a caption
    // measures it, which would load the caption's font before the window first shows.
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        if (control == CC_GroupBox && part == SC_GroupBoxContents && widget &&
            widget->property(look::SelfDrawnGroup).toBool())
            return option->rect;
        return QProxyStyle::subControlRect(control, option, part, widget);
    }

private:
    static QIcon chevron(bool downwards) {
        QPixmap arrow(downwards ? QSize(16, 8) : QSize(8, 16));
        arrow.fill(Qt::transparent);
        QPainter painter(&arrow);
        painter.setPen(Qt::black);
        for (int offset : {0, 4}) {
            if (downwards) {
                painter.drawLine(4, 1 + offset, 8, 3 + offset);
                painter.drawLine(8, 3 + offset, 12, 1 + offset);
            } else {
                painter.drawLine(1 + offset, 4, 3 + offset, 8);
                painter.drawLine(3 + offset, 8, 1 + offset, 12);
            }
        }
        return QIcon(arrow);
    }
};

} // namespace

QStyle* programStyle() {
    return new ProgramProxyStyle;
}
