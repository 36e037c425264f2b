#include <OrvaGUIToolkit/Label/Label.h>

#include <QtTest/QtTest>
#include <QtWidgets/QApplication>

using OrvaGUIToolkit::CLabel;

class TestLabel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void punctuationIsKeptApart();
    void styleSheetProperties();
    void emittedSignals_data();
    void emittedSignals();
};

void TestLabel::punctuationIsKeptApart()
{
    CLabel label(QStringLiteral("Camera"));
    QCOMPARE(label.text(), QStringLiteral("Camera"));
    QCOMPARE(label.GetPunctuation(), QString());

    label.SetPunctuation(QStringLiteral(":"));
    QCOMPARE(label.text(), QStringLiteral("Camera:"));
    QCOMPARE(label.GetText(), QStringLiteral("Camera"));

    label.SetText(QStringLiteral("Plate"));
    QCOMPARE(label.text(), QStringLiteral("Plate:"));
    label.SetPunctuation(QString());
    QCOMPARE(label.text(), QStringLiteral("Plate"));

    CLabel empty;
    empty.SetPunctuation(QStringLiteral(":"));
    QCOMPARE(empty.text(), QStringLiteral(":"));
    QCOMPARE(empty.GetText(), QString());
}

void TestLabel::styleSheetProperties()
{
    CLabel label(QStringLiteral("Lane"));
    QCOMPARE(label.GetAlignment(), Qt::AlignLeft | Qt::AlignVCenter);
    label.setStyleSheet(QStringLiteral("OrvaGUIToolkit--CLabel { qproperty-strPunctuation: \"?\"; "
                                       "qproperty-m_enumAlignment: 'AlignRight | AlignBottom'; }"));
    label.ensurePolished();
    QCOMPARE(label.text(), QStringLiteral("Lane?"));
    QCOMPARE(label.alignment(), Qt::AlignRight | Qt::AlignBottom);
    QVERIFY(label.setProperty("strText", QStringLiteral("Gate")));
    QCOMPARE(label.text(), QStringLiteral("Gate?"));
    label.ResetAlignment();
    QCOMPARE(label.alignment(), Qt::AlignLeft | Qt::AlignVCenter);
}

void TestLabel::emittedSignals_data()
{
    QTest::addColumn<int>("eventType");
    QTest::addColumn<QByteArray>("signal");
    QTest::newRow("press") << int(QEvent::MouseButtonPress) << QByteArray(SIGNAL(SignalMouseClicked()));
    QTest::newRow("double click") << int(QEvent::MouseButtonDblClick) << QByteArray(SIGNAL(SignalDoubleClicked()));
    QTest::newRow("enter") << int(QEvent::Enter) << QByteArray(SIGNAL(SignalMouseEnter()));
    QTest::newRow("leave") << int(QEvent::Leave) << QByteArray(SIGNAL(SignalMouseLeave()));
}

void TestLabel::emittedSignals()
{
    QFETCH(int, eventType);
    QFETCH(QByteArray, signal);
    CLabel label(QStringLiteral("WJ-23 809"));
    label.resize(100, 20);
    const QByteArrayList listSignals = {SIGNAL(SignalMouseClicked()), SIGNAL(SignalDoubleClicked()),
                                        SIGNAL(SignalMouseEnter()), SIGNAL(SignalMouseLeave())};
    QList<QSharedPointer<QSignalSpy>> listSpies;
    for (const QByteArray& each : listSignals)
        listSpies << QSharedPointer<QSignalSpy>::create(&label, each.constData());

    const auto send = [&label, eventType] {
        const auto enumType = static_cast<QEvent::Type>(eventType);
        if (enumType == QEvent::Enter || enumType == QEvent::Leave) {
            QEvent event(enumType);
            QApplication::sendEvent(&label, &event);
        } else {
            QMouseEvent event(enumType, QPointF(5, 5), label.mapToGlobal(QPoint(5, 5)), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&label, &event);
        }
    };

    send();
    for (int i = 0; i < listSignals.size(); ++i)
        QCOMPARE(listSpies.at(i)->count(), listSignals.at(i) == signal ? 1 : 0);

    label.setEnabled(false);
    send();
    for (int i = 0; i < listSignals.size(); ++i)
        QCOMPARE(listSpies.at(i)->count(), listSignals.at(i) == signal ? 1 : 0);
}

QTEST_MAIN(TestLabel)
#include "tst_label.moc"
