#pragma once

#include <QObject>

class TestReport : public QObject {
    Q_OBJECT

private slots:
    // The report document
    void plainText_data();
    void plainText();
    void ariesKeepsItsTwoParagraphs();
    void countsOfCaptionsHeadingsAndSiteLines();
    void runFormats_data();
    void runFormats();
    void absentValueLeavesOutValueAndLineEnds_data();
    void absentValueLeavesOutValueAndLineEnds();
    void lineBreaksInsideValuesBecomeParagraphs_data();
    void lineBreaksInsideValuesBecomeParagraphs();

    // Printing
    void paperCopyRecolours();
    void paperCopyOfSelection();

    // Web addresses
    void findWebAddresses_data();
    void findWebAddresses();
    void addressToOpen_data();
    void addressToOpen();

    // The reading file
    void fileNameCheck_data();
    void fileNameCheck();
    void savedBytes();
    void saveThenRead_data();
    void saveThenRead();
    void saveReplacesWholeFile();
    void saveToHostileTargets_data();
    void saveToHostileTargets();
    void windowsTargets_data();
    void windowsTargets();
    void savedFileName_data();
    void savedFileName();
    void readLines_data();
    void readLines();
    void readSizeLimit_data();
    void readSizeLimit();
};
