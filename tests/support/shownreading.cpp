#include "support/shownreading.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace shownreading {

QString textOf(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(control))
        return box->toPlainText();
    return QStringLiteral("<no such control>");
}

QString asShown(const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString textDifference(const QWidget& readingWindow, const Reading& reading) {
    for (const modRunicAstrology::FieldDescription& field : modRunicAstrology::Fields) {
        if (field.kind == modRunicAstrology::FieldKind::PictureKey)
            continue;
        const QString name = QString::fromLatin1(field.control);
        const QString shown = textOf(readingWindow.findChild<QWidget*>(name));
        if (shown != asShown(reading[field.field]))
            return name + QStringLiteral(" shows ") + shown.left(60);
    }
    return {};
}

} // namespace shownreading
