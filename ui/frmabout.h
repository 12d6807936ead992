#pragma once

#include <QDialog>

// Names the program and its version and links to the maker's site. Modal; OK, Enter and Esc
// close it, and it is destroyed on closing.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* opener = nullptr);

    // Creates the window afresh and waits until it is closed.
    static void showModal(QWidget* opener);

private:
    void createHeading();
    void createLinks();
    void createButton();
};
