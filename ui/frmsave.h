#pragma once

#include "report/report.h"

#include <QDialog>

class QPushButton;
class QTextEdit;
class LinkLabel;

// The report window: the report of the reading on screen, saved as a reading file or
// printed from here. Modal over the reading window, closed by its close box only, and
// destroyed when closed; each opening builds the report afresh.
class frmSave final : public QDialog {
    Q_OBJECT
public:
    // Loads the window: link detection on, then the report built from the values the reading
    // window shows.
    frmSave(QWidget* readingWindow, const report::ReportValues& values);
    ~frmSave() override;

    // Shows a new report window over the reading window and returns once it is closed.
    static void showModal(QWidget* readingWindow, const report::ReportValues& values);

public slots:
    void cmdSave_Click();
    void cmdPrint_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void setKeyboardOrder();
    void Form_Load(const report::ReportValues& values);
    void Form_Unload();

    LinkLabel* Label14 = nullptr;
    LinkLabel* Label1 = nullptr;
    QTextEdit* RTB = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdPrint = nullptr;
    LinkLabel* Label8 = nullptr;
    QString m_documentName; // the print job's name
};
