#pragma once
// The look shared by the windows: colours, fonts and the builders that place a control at a
// position given in twips, so each window's constructor reads like its control table.

#include "shell/core/identity.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QRect>
#include <QString>

#include <initializer_list>
#include <utility>

class QFrame;
class QGroupBox;
class QLabel;
class QMainWindow;
class QPushButton;
class QWidget;
class LinkLabel;

namespace look {

inline const QString WindowCaption = QString::fromLatin1(identity::Name) + QStringLiteral(" v") +
                                     QString::fromLatin1(identity::Version);

inline constexpr QRgb Green = 0x378F67; // window background and bands
inline constexpr QRgb PanelGrey = 0x404040;
inline constexpr QRgb White = 0xFFFFFF;
inline constexpr QRgb Yellow = 0xFFFF00;
inline constexpr QRgb PaleYellow = 0xFFFF80;
inline constexpr QRgb Cream = 0xFFFFC0;
inline constexpr QRgb Pink = 0xFF80FF;
inline constexpr QRgb Blue = 0x0000FF;
inline constexpr QRgb ButtonFace = 0x808080;

// The title bar of every window: the caption and a close box, no minimise or maximise box; a
// fixed border, with no sizing frame on Windows.
inline constexpr Qt::WindowFlags TitleBarWithCloseBox =
    Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// 15 twips to the pixel at 96 dpi; Qt scales the pixels on denser screens.
int px(int twips);
QRect twips(int left, int top, int width, int height);

enum FontStyle { Regular = 0, Bold = 1, Underline = 2 };
QFont verdana(qreal pointSize, int style = Regular);
QFont font(int style = Regular); // Verdana 8.25 pt, every window's default

// The program's own colours of a control. Each is also kept in the control's property
// OwnColours, so that the colours can come back after high contrast.
void setColours(QWidget* widget,
                std::initializer_list<std::pair<QPalette::ColorRole, QRgb>> colours);
void setTextColour(QWidget* widget, QRgb colour);
void setBackground(QWidget* widget, QRgb colour);
void setInputColours(QWidget* widget, QRgb background, QRgb text);
inline constexpr const char* OwnColours = "ownColours";

QFrame* panel(QWidget* parent, const char* name, const QRect& twips, QRgb colour);
// A captioned frame that draws its own border and caption and holds controls placed by hand.
// It carries the property SelfDrawnGroup, so the program's style knows it needs no room kept
// below its caption.
QGroupBox* group(QWidget* parent, const char* name, const QRect& twips, const QString& caption);
inline constexpr const char* SelfDrawnGroup = "selfDrawnGroup";

// A label that keeps its rectangle; wrapping labels break their text inside it.
QLabel* label(QWidget* parent, const char* name, const QRect& twips, const QString& text,
              const QFont& font, QRgb colour, Qt::Alignment alignment = Qt::AlignLeft);
QLabel* wrappingLabel(QWidget* parent, const char* name, const QRect& twips, const QString& text,
                      const QFont& font, QRgb colour, Qt::Alignment alignment = Qt::AlignLeft);
// A one-line label placed at a point that sizes itself to its text.
QLabel* autoSizeLabel(QWidget* parent, const char* name, int left, int top, const QFont& font,
                      QRgb colour);
LinkLabel* link(QWidget* parent, const char* name, const QRect& twips, const QString& text,
                const QFont& font, QRgb colour, Qt::Alignment alignment = Qt::AlignLeft);
// An opaque link label on the system's button face.
LinkLabel* opaqueLink(QWidget* parent, const char* name, const QRect& twips, const QString& text,
                      const QFont& font, QRgb colour);

// A thin line across a window, in the text colour under high contrast (it carries the property
// Rule).
QFrame* rule(QWidget* parent, const char* name, const QRect& geometry, QRgb colour);
inline constexpr const char* Rule = "rule";

// A button with a flat grey face; a caption too long for one line wraps.
QPushButton* flatButton(QWidget* parent, const char* name, const QRect& twips,
                        const QString& caption, const QFont& font);

// The application icon in the sizes a title bar and a task switcher use at the screen's pixel
// ratio; the larger sizes are left undecoded.
QIcon windowIcon();

// Names a window of the given kind that is destroyed when closed, with the program's caption
// and the title bar of every window. The window sets its icon itself: the main window takes
// it late.
void dressWindow(QWidget* window, const char* name, Qt::WindowType kind);
// What the controls of a window stand on: the default font on the green background.
void setGround(QWidget* widget);
// A main window's client area of a fixed size in pixels, as its central widget.
QWidget* clientArea(QMainWindow* window, QSize size);

// Fixes a window with a layout (a main window) at its size hint, then puts it in the middle
// of its screen; every window is centred here.
void fixAndCentre(QWidget* window);

} // namespace look
