// The draw of the main window's advert: 6 × r + 1 in single precision, halves to even.

#include "ui/cobrand.h"

#include <QTest>

class TestCoBrand : public QObject {
    Q_OBJECT

private slots:
    void number_data() {
        QTest::addColumn<float>("r");
        QTest::addColumn<float>("unrounded"); // 6 × r + 1 as single precision gives it
        QTest::addColumn<int>("number");
        QTest::newRow("0 gives 1") << 0.0f << 1.0f << 1;
        QTest::newRow("1.5 goes to 2") << 1.0f / 12.0f << 1.5f << 2;
        QTest::newRow("2.5 goes to 2") << 0.25f << 2.5f << 2;
        QTest::newRow("3.5 goes to 4") << 5.0f / 12.0f << 3.5f << 4;
        QTest::newRow("4 stays 4") << 0.5f << 4.0f << 4;
        QTest::newRow("4.5 goes to 4") << 7.0f / 12.0f << 4.5f << 4;
        QTest::newRow("5.5 goes to 6") << 0.75f << 5.5f << 6;
        QTest::newRow("6.5 goes to 6") << 11.0f / 12.0f << 6.5f << 6;
        QTest::newRow("just under 1.5 goes to 1") << 0.0833f << 1.4998f << 1;
        QTest::newRow("just over 2.5 goes to 3") << 0.2501f << 2.5006f << 3;
        QTest::newRow("the largest draw gives 7") << 0.99999994f << 6.99999952f << 7;
    }

    void number() {
        QFETCH(float, r);
        QFETCH(float, unrounded);
        QFETCH(int, number);
        // The row's r lands where the row says before any rounding.
        QVERIFY(qAbs(6.0f * r + 1.0f - unrounded) < 1e-3f);
        if (unrounded - static_cast<float>(static_cast<int>(unrounded)) == 0.5f)
            QCOMPARE(6.0f * r + 1.0f, unrounded);
        QCOMPARE(int(coBrandNumber(r)), number);
    }

    void front_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<CoBrandFront>("front");
        QTest::newRow("1: co-branding") << 1 << CoBrandFront::CoBrand;
        QTest::newRow("2: full branding") << 2 << CoBrandFront::FullBrand;
        QTest::newRow("3: co-branding") << 3 << CoBrandFront::CoBrand;
        QTest::newRow("4: full branding") << 4 << CoBrandFront::FullBrand;
        QTest::newRow("5: co-branding") << 5 << CoBrandFront::CoBrand;
        QTest::newRow("6: full branding") << 6 << CoBrandFront::FullBrand;
        QTest::newRow("7: unchanged") << 7 << CoBrandFront::Unchanged;
        QTest::newRow("0, never drawn: unchanged") << 0 << CoBrandFront::Unchanged;
    }

    void front() {
        QFETCH(int, number);
        QFETCH(CoBrandFront, front);
        QCOMPARE(coBrandFrontFor(static_cast<std::int16_t>(number)), front);
    }
};

int runCoBrandTests(int argc, char** argv) {
    TestCoBrand test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_cobrand.moc"
