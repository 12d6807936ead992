#pragma once
// The kinds of control the two tab pages of the reading window are made of, with the page
// look: underlined white headings, yellow values, pink titles, yellow long texts.

#include <QRect>
#include <QRgb>
#include <QString>

class QLabel;
class QPlainTextEdit;
class QWidget;
class LinkLabel;
class PictureLabel;

namespace readingcontrols {

QLabel* Heading(QWidget* parent, const char* name, int left, int top, const QString& text);
// A heading that reads as plain text but opens a page when clicked.
LinkLabel* ClickableHeading(QWidget* parent, const char* name, int left, int top,
                            const QString& text);
QLabel* WrappingHeading(QWidget* parent, const char* name, const QRect& twips, const QString& text);

QLabel* Value(QWidget* parent, const char* name, int left, int top);
QLabel* TitleValue(QWidget* parent, const char* name, int left, int top);
QLabel* WrappingValue(QWidget* parent, const char* name, const QRect& twips);

QPlainTextEdit* LongText(QWidget* parent, const char* name, const QRect& twips, QRgb background,
                         const QString& accessibleName);
PictureLabel* PictureBox(QWidget* parent, const char* name, const QRect& twips);

} // namespace readingcontrols
