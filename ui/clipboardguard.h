#pragma once
// The reading's texts are there to be read, not copied: a guarded text box empties the
// clipboard whenever its text changes and whenever the mouse is pressed, moved or released over
// it, a release counting twice, as the button coming up and as the click it ends.

#include <QObject>

class QAbstractScrollArea;
class QPlainTextEdit;
class QTextEdit;

class ClipboardGuard final : public QObject {
public:
    // The guard belongs to the box and goes with it.
    static void guard(QPlainTextEdit* box);
    static void guard(QTextEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit ClipboardGuard(QAbstractScrollArea* box);
};
