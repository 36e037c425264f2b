#include <OrvaGUIToolkit/LineEdit/RegExpValidator.h>

#include <QTextCodec>
#include <QtTest/QtTest>

using OrvaGUIToolkit::CRegExpValidator;

// What a byte-limited field costs per keystroke, and for a huge paste that the
// validator must cut down to the limit.
class BenchRegExpValidator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void validate_data();
    void validate();
};

void BenchRegExpValidator::validate_data()
{
    QTest::addColumn<QByteArray>("codec");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("length");

    const QByteArray codecs[] = {"GBK", "UTF-8"};
    for (const QByteArray& codec : codecs) {
        QTest::newRow(codec + " keystroke, 64-byte name") << codec << 64 << 30;
        QTest::newRow(codec + " paste of 100000 chars, limit 64") << codec << 64 << 100000;
        QTest::newRow(codec + " paste of 100000 chars, limit 150000") << codec << 150000 << 100000;
    }
}

void BenchRegExpValidator::validate()
{
    QFETCH(QByteArray, codec);
    QFETCH(int, limit);
    QFETCH(int, length);

    CRegExpValidator validator(limit);
    validator.SetTextCodec(QTextCodec::codecForName(codec));
    // Mixed text as typed on a Chinese client: letters, digits and Hanzi.
    const QString strUnit = QString::fromUtf8("B7\xe5\x8d\x97\xe9\x97\xa8 ");
    const QString strText = strUnit.repeated(length / strUnit.size() + 1).left(length);
    QBENCHMARK {
        QString strInput = strText;
        int iPos = strInput.size();
        validator.validate(strInput, iPos);
    }
}

QTEST_GUILESS_MAIN(BenchRegExpValidator)
#include "bench_regexpvalidator.moc"
