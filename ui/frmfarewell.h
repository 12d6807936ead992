#pragma once
// The exit window: a last word from the maker, a link to the other programs, the home page and
// the refer-a-friend form. Closing it, by its Exit button or its close box, ends the program.

#include "ui/keystroke.h"

#include <QStringList>
#include <QWidget>

class LinkLabel;
class PictureLabel;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class frmFarewell : public QWidget {
    Q_OBJECT

public:
    explicit frmFarewell(QWidget* parent = nullptr);

    // The texts of Label2, one of them drawn at each load.
    static const QStringList& promotionalTexts();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createReferralForm();
    void createOtherPrograms();
    void connectHandlers();
    void Form_Load();

    void Check1_Click();
    void cmdClose_Click();
    void cmdSubmit_Click();
    void referralBoxEntered(QObject* box);
    void referralBoxLeft(QObject* box);
    void clearPlaceholder();
    // For txtEmail and txtFriendEmail.
    Keystroke emailAddressKeyPress(const QString& typed);

    QString boxText(QObject* box) const;
    void setBoxText(QObject* box, const QString& text);
    QString placeholderOf(QObject* box) const;

    PictureLabel* picIcon = nullptr;
    QLabel* lblCaption = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* cmdClose = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtEmail = nullptr;
    QLineEdit* txtFriendName = nullptr;
    QLineEdit* txtFriendEmail = nullptr;
    QPushButton* cmdSubmit = nullptr;
    QPlainTextEdit* txtMessage = nullptr;
    QGroupBox* Frame6 = nullptr;
    QLabel* Label3 = nullptr;
    LinkLabel* lblGoToHome = nullptr;
    QObject* m_entered = nullptr; // the box whose placeholder goes once its focus is reported
};
