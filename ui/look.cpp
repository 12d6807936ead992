#include "ui/look.h"

#include "assets/assets.h"
#include "ui/contrast.h"
#include "ui/flatbutton.h"
#include "ui/linklabel.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <cmath>

namespace look {
namespace {

// A frame with an etched border and its caption set into the top edge, painted by hand so
// no style tints the panel's colour.
class EtchedGroup : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QFontMetrics metrics(font());
        const QRect border = rect().adjusted(0, metrics.height() / 2, -2, -2);
        if (highContrast()) {
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawRect(border);
        } else {
            painter.setPen(QColor(0x808080));
            painter.drawRect(border);
            painter.setPen(QColor(White));
            painter.drawRect(border.translated(1, 1));
        }
        const QRect caption(6, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
        painter.fillRect(caption, palette().color(QPalette::Window));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(caption, Qt::AlignCenter, title());
    }
};

QLabel* placeLabel(QLabel* label, const char* name, const QRect& twips, const QString& text,
                   const QFont& font, QRgb colour, Qt::Alignment alignment) {
    label->setObjectName(QLatin1String(name));
    label->setGeometry(twips);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setAccessibleName(text);
    setTextColour(label, colour);
    return label;
}

} // namespace

int px(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

QRect twips(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

QFont verdana(qreal pointSize, int style) {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(pointSize);
    font.setBold((style & Bold) != 0);
    font.setUnderline((style & Underline) != 0);
    return font;
}

QFont font(int style) {
    return verdana(8.25, style);
}

void setColours(QWidget* widget,
                std::initializer_list<std::pair<QPalette::ColorRole, QRgb>> colours) {
    // Only the roles given: the others come from around the control, whatever it wears.
    QPalette own = widget->property(OwnColours).value<QPalette>();
    for (const auto& [role, colour] : colours)
        own.setColor(role, QColor(colour));
    widget->setProperty(OwnColours, QVariant::fromValue(own));
    widget->setPalette(own);
}

void setTextColour(QWidget* widget, QRgb colour) {
    setColours(widget, {{QPalette::WindowText, colour}});
}

void setBackground(QWidget* widget, QRgb colour) {
    setColours(widget, {{QPalette::Window, colour}});
    widget->setAutoFillBackground(true);
}

void setInputColours(QWidget* widget, QRgb background, QRgb text) {
    setColours(widget, {{QPalette::Base, background},
                        {QPalette::Button, background},
                        {QPalette::Window, background},
                        {QPalette::Text, text},
                        {QPalette::ButtonText, text},
                        {QPalette::WindowText, text}});
}

QFrame* panel(QWidget* parent, const char* name, const QRect& twips, QRgb colour) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(twips);
    frame->setFrameShape(QFrame::NoFrame);
    setBackground(frame, colour);
    return frame;
}

QGroupBox* group(QWidget* parent, const char* name, const QRect& twips, const QString& caption) {
    auto* group = new EtchedGroup(parent);
    // Marked before the caption is set: setting it asks the style where the contents go.
    group->setProperty(SelfDrawnGroup, true);
    group->setTitle(caption);
    group->setObjectName(QLatin1String(name));
    group->setGeometry(twips);
    group->setFont(font(Bold));
    group->setAccessibleName(caption);
    setBackground(group, PanelGrey);
    setTextColour(group, White);
    return group;
}

QLabel* label(QWidget* parent, const char* name, const QRect& twips, const QString& text,
              const QFont& font, QRgb colour, Qt::Alignment alignment) {
    return placeLabel(new QLabel(parent), name, twips, text, font, colour, alignment);
}

QLabel* wrappingLabel(QWidget* parent, const char* name, const QRect& twips, const QString& text,
                      const QFont& font, QRgb colour, Qt::Alignment alignment) {
    QLabel* label = look::label(parent, name, twips, text, font, colour, alignment);
    label->setWordWrap(true);
    return label;
}

QLabel* autoSizeLabel(QWidget* parent, const char* name, int left, int top, const QFont& font,
                      QRgb colour) {
    QLabel* label = look::label(parent, name, twips(left, top, 0, 0), QString(), font, colour);
    label->adjustSize();
    return label;
}

LinkLabel* link(QWidget* parent, const char* name, const QRect& twips, const QString& text,
                const QFont& font, QRgb colour, Qt::Alignment alignment) {
    auto* label = new LinkLabel(parent);
    placeLabel(label, name, twips, text, font, colour, alignment);
    label->setWordWrap(true);
    return label;
}

LinkLabel* opaqueLink(QWidget* parent, const char* name, const QRect& twips, const QString& text,
                      const QFont& font, QRgb colour) {
    LinkLabel* label = link(parent, name, twips, text, font, colour, Qt::AlignHCenter);
    // The button face in force when it paints, not a copy taken now: high contrast comes and goes.
    label->setBackgroundRole(QPalette::Button);
    label->setForegroundRole(QPalette::WindowText);
    label->setAutoFillBackground(true);
    return label;
}

QFrame* rule(QWidget* parent, const char* name, const QRect& geometry, QRgb colour) {
    auto* line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setGeometry(geometry);
    line->setProperty(Rule, true);
    setBackground(line, colour);
    return line;
}

QPushButton* flatButton(QWidget* parent, const char* name, const QRect& twips,
                        const QString& caption, const QFont& font) {
    auto* button = new ::FlatButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(twips);
    button->setFont(font);
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    return button;
}

QIcon windowIcon() {
    // Decoded once and kept by the application, so each new window shares the pictures; the
    // largest is what a 64-pixel task switcher needs at the screen's pixel ratio.
    if (QGuiApplication::windowIcon().isNull()) {
        const auto largest = static_cast<int>(std::ceil(64 * qApp->devicePixelRatio()));
        QGuiApplication::setWindowIcon(assets::applicationIcon(largest));
    }
    return QGuiApplication::windowIcon();
}

void dressWindow(QWidget* window, const char* name, Qt::WindowType kind) {
    window->setObjectName(QLatin1String(name));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(WindowCaption);
    window->setWindowFlags(kind | TitleBarWithCloseBox);
}

void setGround(QWidget* widget) {
    widget->setFont(font());
    setBackground(widget, Green);
}

QWidget* clientArea(QMainWindow* window, QSize size) {
    auto* client = new QWidget(window);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(size);
    setGround(client);
    window->setCentralWidget(client);
    return client;
}

void fixAndCentre(QWidget* window) {
    if (window->layout()) {
        window->adjustSize();
        window->setFixedSize(window->sizeHint());
    }
    if (const QScreen* screen = window->screen()) {
        QRect frame(QPoint(), window->size());
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

} // namespace look
