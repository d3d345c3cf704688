#include "ScoreCell.h"

#include <QTest>

class ScoreCellTest : public QObject {
    Q_OBJECT
private slots:
    void validity_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("group");
        QTest::addColumn<bool>("knockout");
        QTest::newRow("empty") << "" << true << true;
        QTest::newRow("digit") << "3" << true << true;
        QTest::newRow("leading zero") << "05" << true << true;
        QTest::newRow("blanks around") << "  2 " << true << true;
        QTest::newRow("plus") << "+4" << true << true;
        QTest::newRow("minus one") << "-1" << true << true;
        QTest::newRow("group max") << "32765" << true << true;
        QTest::newRow("group min") << "-32770" << true << true;
        QTest::newRow("above max") << "32766" << false << true;
        QTest::newRow("below min") << "-32771" << false << true;
        QTest::newRow("40000") << "40000" << false << true;
        QTest::newRow("many zeros") << "000000000007" << true << true;
        QTest::newRow("huge") << "12345678901234567890" << false << true;
        QTest::newRow("single blank") << " " << false << false;
        QTest::newRow("minus alone") << "-" << false << false;
        QTest::newRow("decimal comma") << "2,5" << false << false;
        QTest::newRow("exponent") << "1e1" << false << false;
        QTest::newRow("letter") << "x" << false << false;
        QTest::newRow("trailing letter") << "3x" << false << false;
        QTest::newRow("blank inside") << "1 2" << false << false;
        QTest::newRow("sign then blank") << "- 5" << false << false;
        QTest::newRow("asterisk") << "*" << false << false;
        QTest::newRow("tab") << "\t2" << false << false;
        QTest::newRow("arabic-indic digit") << QString::fromUtf8("\u0663") << false << false;
    }
    void validity()
    {
        QFETCH(QString, text);
        QFETCH(bool, group);
        QFETCH(bool, knockout);
        QCOMPARE(ScoreCell::isValidGroupCell(text), group);
        QCOMPARE(ScoreCell::isValidKnockoutCell(text), knockout);
    }

    void value_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("plain") << "10" << 10.0;
        QTest::newRow("blank first") << " 2" << 2.0;
        QTest::newRow("negative") << "-3" << -3.0;
        QTest::newRow("invalid tail") << "3x" << 3.0;
        QTest::newRow("no digit") << "x" << 0.0;
        QTest::newRow("minus alone") << "-" << 0.0;
        QTest::newRow("comma") << "2,5" << 2.0;
        QTest::newRow("exponent") << "1e1" << 1.0;
    }
    void value()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(ScoreCell::value(text), value);
    }

    void knockoutComparison_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("sign");
        QTest::newRow("10 beats 9") << "10" << "9" << 1;
        QTest::newRow("07 draws 7") << "07" << "7" << 0;
        QTest::newRow("empty below 0") << "" << "0" << -1;
        QTest::newRow("empty below negative") << "" << "-5" << -1;
        QTest::newRow("both empty") << "" << "" << 0;
        QTest::newRow("long exact") << "12345678901234567890" << "12345678901234567889" << 1;
        QTest::newRow("long vs short") << "100000000000000000000" << "99999999999999999999" << 1;
        QTest::newRow("negatives") << "-2" << "-10" << 1;
        QTest::newRow("minus zero") << "-0" << "0" << 0;
        QTest::newRow("blank and plus") << " +3" << "3 " << 0;
        QTest::newRow("invalid counts as leading number") << "3x" << "2" << 1;
        QTest::newRow("letter counts zero") << "x" << "0" << 0;
    }
    void knockoutComparison()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, sign);
        auto sgn = [](int v) { return (v > 0) - (v < 0); };
        QCOMPARE(sgn(ScoreCell::compareKnockout(a, b)), sign);
        QCOMPARE(sgn(ScoreCell::compareKnockout(b, a)), -sign);
    }
};

QTEST_APPLESS_MAIN(ScoreCellTest)
#include "tst_scorecell.moc"
