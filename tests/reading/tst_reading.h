#pragma once

#include <QObject>
#include <QString>

#include <string_view>

class TestReading : public QObject {
    Q_OBJECT

private slots:
    void init();

    void filterNameKey_data();
    void filterNameKey();
    void typedNameIsCapturedInCapitals();
    void validate_data();
    void validate();
    void capture_data();
    void capture();
    void valueLists();

    void findSunSign_data();
    void findSunSign();
    void findSunSignOutOfRange_data();
    void findSunSignOutOfRange();
    void everyPositionHasOneSign();

    void signColumns_data();
    void signColumns();
    void planetRuneColumns_data();
    void planetRuneColumns();
    void pictureKeys();
    void rowsReferToExistingRowsAndPictures();
    void sharedPlanetTextStoredOnce_data();
    void sharedPlanetTextStoredOnce();
    void longTextsArePresent();
    void joinedTexts();

    void buildReadingRejectsOtherNames_data();
    void buildReadingRejectsOtherNames();
    void everyReadingIsComplete_data();
    void everyReadingIsComplete();
    void generatePisces();
    void generateAriesHasTwoParagraphs();
    void rejectedRequestChangesNothing_data();
    void rejectedRequestChangesNothing();
    void secondRequestLeavesNothingOfTheFirst();
    void outOfRangePositionsKeepTheSign();
};

inline QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
