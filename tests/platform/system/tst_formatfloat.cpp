#include "platform/system/formatfloat.h"

#include <QtTest>

class FormatFloatTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    void formatFloat_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");

        const QString money = QStringLiteral("#,###,##0.00");
        QTest::newRow("two decimals") << money << 12.3456 << "12,35";
        QTest::newRow("tiny rounds to zero") << money << 0.004 << "0,00";
        QTest::newRow("negative half away") << money << -7.126 << "-7,13";
        QTest::newRow("millions") << money << 1234567.891 << "1.234.567,89";
        QTest::newRow("1.005 rounds up") << money << 1.005 << "1,01";
        QTest::newRow("2.675 rounds up") << money << 2.675 << "2,68";
        QTest::newRow("-1.005 away from zero") << money << -1.005 << "-1,01";
        QTest::newRow("zero") << money << 0.0 << "0,00";
        QTest::newRow("tiny negative shows no minus") << money << -0.004 << "0,00";
        QTest::newRow("carry into thousands") << money << 999.995 << "1.000,00";
        QTest::newRow("exactly thousand") << money << 1000.0 << "1.000,00";
        QTest::newRow("below thousand") << money << 999.0 << "999,00";
        QTest::newRow("billions") << money << 12345678901.5 << "12.345.678.901,50";
        QTest::newRow("15 digits first") << money << 0.285 << "0,29";

        const QString noLead = QStringLiteral("#,###,##.00");
        QTest::newRow("no leading zero") << noLead << 0.5 << ",50";
        QTest::newRow("no leading zero, zero") << noLead << 0.0 << ",00";
        QTest::newRow("no leading zero, large") << noLead << 1234.5 << "1.234,50";

        const QString twoDigits = QStringLiteral("#,###,##00.00");
        QTest::newRow("two integer digits") << twoDigits << 5.0 << "05,00";
        QTest::newRow("two integer digits, large") << twoDigits << 12345.678 << "12.345,68";

        const QString tl = QStringLiteral(",0.00 TL;-,0.00 TL");
        QTest::newRow("TL positive") << tl << 1234.5 << "1.234,50 TL";
        QTest::newRow("TL negative section") << tl << -1234.5 << "-1.234,50 TL";
        QTest::newRow("TL zero uses first section") << tl << 0.0 << "0,00 TL";
        QTest::newRow("TL small") << tl << 7.0 << "7,00 TL";

        QTest::newRow("three sections, zero") << QStringLiteral("0.00;(0.00);'yok'") << 0.0 << "yok";
        QTest::newRow("three sections, negative") << QStringLiteral("0.00;(0.00);'yok'") << -2.5 << "(2,50)";
        QTest::newRow("optional decimals") << QStringLiteral("0.##") << 1.5 << "1,5";
        QTest::newRow("optional decimals dropped") << QStringLiteral("0.##") << 2.0 << "2";
        QTest::newRow("no point rounds to integer") << QStringLiteral("#,##0") << 2.5 << "3";
        QTest::newRow("quoted literal") << QStringLiteral("\"Tutar: \"0.00") << 3.0 << "Tutar: 3,00";
        QTest::newRow("empty pattern is general") << QString() << 1.25 << "1,25";
    }

    void formatFloat()
    {
        QFETCH(QString, pattern);
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(FormatFloat(pattern, value), expected);
    }

    void explicitLocale()
    {
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        QCOMPARE(FormatFloat(QStringLiteral("#,###,##0.00"), 1234567.891, english),
                 QStringLiteral("1,234,567.89"));
        QCOMPARE(FloatToStr(1.5, english), QStringLiteral("1.5"));
    }

    void floatToStr_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("integer") << 12.0 << "12";
        QTest::newRow("fraction") << 12.5 << "12,5";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative") << -0.25 << "-0,25";
        QTest::newRow("15 significant digits") << 0.1 + 0.2 << "0,3";
        QTest::newRow("one third") << 1.0 / 3.0 << "0,333333333333333";
        QTest::newRow("small fixed") << 0.00001 << "0,00001";
        QTest::newRow("smaller is scientific") << 0.0000015 << "1,5E-6";
        QTest::newRow("15 integer digits fixed") << 123456789012345.0 << "123456789012345";
        QTest::newRow("16 integer digits scientific") << 1e15 << "1E15";
    }

    void floatToStr()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(FloatToStr(value), expected);
    }
};

QTEST_APPLESS_MAIN(FormatFloatTest)
#include "tst_formatfloat.moc"
