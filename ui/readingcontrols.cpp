#include "ui/readingcontrols.h"

#include "ui/linklabel.h"
#include "ui/look.h"
#include "ui/picturelabel.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>

namespace readingcontrols {
namespace {

const int HeadingStyle = look::Bold | look::Underline;

QLabel* fitted(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleName(text);
    label->adjustSize();
    return label;
}

} // namespace

void setUpPage(QFrame* page, const char* name) {
    page->setObjectName(QLatin1String(name));
    page->setFrameShape(QFrame::NoFrame);
    look::setBackground(page, look::PanelGrey);
}

QLabel* heading(QWidget* parent, const char* name, int left, int top, const QString& text) {
    return fitted(
        look::autoSizeLabel(parent, name, left, top, look::font(HeadingStyle), look::White), text);
}

LinkLabel* clickableHeading(QWidget* parent, const char* name, int left, int top,
                            const QString& text) {
    auto* label = new LinkLabel(parent, false);
    label->setObjectName(QLatin1String(name));
    label->move(look::px(left), look::px(top));
    label->setFont(look::font(HeadingStyle));
    label->setTextFormat(Qt::PlainText);
    look::setTextColour(label, look::White);
    fitted(label, text);
    return label;
}

QLabel* wrappingHeading(QWidget* parent, const char* name, const QRect& twips,
                        const QString& text) {
    return look::wrappingLabel(parent, name, twips, text, look::font(HeadingStyle), look::White);
}

QLabel* value(QWidget* parent, const char* name, int left, int top) {
    return look::autoSizeLabel(parent, name, left, top, look::font(look::Bold), look::Yellow);
}

QLabel* titleValue(QWidget* parent, const char* name, int left, int top) {
    return look::autoSizeLabel(parent, name, left, top, look::verdana(9.75, look::Bold),
                               look::Pink);
}

QLabel* wrappingValue(QWidget* parent, const char* name, const QRect& twips) {
    return look::wrappingLabel(parent, name, twips, QString(), look::font(look::Bold),
                               look::Yellow);
}

QPlainTextEdit* longText(QWidget* parent, const char* name, const QRect& twips, QRgb background,
                         const QString& accessibleName) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(twips);
    box->setReadOnly(true);
    // Read-only, yet reachable and scrollable from the keyboard.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setTabChangesFocus(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setAccessibleName(accessibleName);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QColor(background));
    palette.setColor(QPalette::Text, QColor(look::Yellow));
    box->setPalette(palette);
    return box;
}

PictureLabel* pictureBox(QWidget* parent, const char* name, const QRect& twips) {
    auto* picture = new PictureLabel(parent);
    picture->setObjectName(QLatin1String(name));
    picture->setGeometry(twips);
    picture->setAlignment(Qt::AlignCenter);
    return picture;
}

} // namespace readingcontrols
