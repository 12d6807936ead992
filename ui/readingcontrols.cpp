#include "ui/readingcontrols.h"

#include "ui/linklabel.h"
#include "ui/look.h"
#include "ui/picturelabel.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace readingcontrols {
namespace {

const int HeadingStyle = look::Bold | look::Underline;

QLabel* Fitted(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleName(text);
    label->adjustSize();
    return label;
}

} // namespace

QLabel* Heading(QWidget* parent, const char* name, int left, int top, const QString& text) {
    return Fitted(
        look::AutoSizeLabel(parent, name, left, top, look::Font(HeadingStyle), look::White), text);
}

LinkLabel* ClickableHeading(QWidget* parent, const char* name, int left, int top,
                            const QString& text) {
    auto* label = new LinkLabel(parent, false);
    label->setObjectName(QLatin1String(name));
    label->move(look::Px(left), look::Px(top));
    label->setFont(look::Font(HeadingStyle));
    label->setTextFormat(Qt::PlainText);
    look::SetTextColour(label, look::White);
    Fitted(label, text);
    return label;
}

QLabel* WrappingHeading(QWidget* parent, const char* name, const QRect& twips,
                        const QString& text) {
    return look::WrappingLabel(parent, name, twips, text, look::Font(HeadingStyle), look::White);
}

QLabel* Value(QWidget* parent, const char* name, int left, int top) {
    return look::AutoSizeLabel(parent, name, left, top, look::Font(look::Bold), look::Yellow);
}

QLabel* TitleValue(QWidget* parent, const char* name, int left, int top) {
    return look::AutoSizeLabel(parent, name, left, top, look::Verdana(9.75, look::Bold),
                               look::Pink);
}

QLabel* WrappingValue(QWidget* parent, const char* name, const QRect& twips) {
    return look::WrappingLabel(parent, name, twips, QString(), look::Font(look::Bold),
                               look::Yellow);
}

QPlainTextEdit* LongText(QWidget* parent, const char* name, const QRect& twips, QRgb background,
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

PictureLabel* PictureBox(QWidget* parent, const char* name, const QRect& twips) {
    auto* picture = new PictureLabel(parent);
    picture->setObjectName(QLatin1String(name));
    picture->setGeometry(twips);
    picture->setAlignment(Qt::AlignCenter);
    return picture;
}

} // namespace readingcontrols
