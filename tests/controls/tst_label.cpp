#include <OrvaGUIToolkit/Label/Label.h>

#include <QtTest/QtTest>
#include <QtWidgets/QtWidgets>

using OrvaGUIToolkit::CLabel;

class TestLabel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void punctuationIsKeptApart()
    {
        CLabel label(QStringLiteral("Camera"));
        label.SetPunctuation(QStringLiteral(":"));
        QCOMPARE(label.text(), QStringLiteral("Camera:"));
        QCOMPARE(label.GetText(), QStringLiteral("Camera"));

        label.SetText(QStringLiteral("Plate"));
        QCOMPARE(label.text(), QStringLiteral("Plate:"));

        CLabel empty;
        empty.SetPunctuation(QStringLiteral(":"));
        QCOMPARE(empty.text(), QStringLiteral(":"));
        QCOMPARE(empty.GetText(), QString());
    }

    void styleSheetProperties()
    {
        CLabel label(QStringLiteral("Lane"));
        QCOMPARE(label.GetAlignment(), Qt::AlignLeft | Qt::AlignVCenter);
        label.setStyleSheet(QStringLiteral("OrvaGUIToolkit--CLabel { qproperty-strPunctuation: \"?\"; "
                                           "qproperty-m_enumAlignment: 'AlignRight | AlignBottom'; }"));
        label.ensurePolished();
        QCOMPARE(label.text(), QStringLiteral("Lane?"));
        QCOMPARE(label.alignment(), Qt::AlignRight | Qt::AlignBottom);
        label.ResetAlignment();
        QCOMPARE(label.alignment(), Qt::AlignLeft | Qt::AlignVCenter);
    }

    // Each event emits its own signal and no other; a disabled label emits none.
    void emittedSignals()
    {
        CLabel label(QStringLiteral("WJ-23 809"));
        QStringList listSeen;
        connect(&label, &CLabel::SignalMouseClicked, this, [&listSeen] { listSeen << QStringLiteral("clicked"); });
        connect(&label, &CLabel::SignalDoubleClicked, this, [&listSeen] { listSeen << QStringLiteral("double"); });
        connect(&label, &CLabel::SignalMouseEnter, this, [&listSeen] { listSeen << QStringLiteral("enter"); });
        connect(&label, &CLabel::SignalMouseLeave, this, [&listSeen] { listSeen << QStringLiteral("leave"); });
        const auto sendAll = [&label] {
            for (const QEvent::Type enumType : {QEvent::MouseButtonPress, QEvent::MouseButtonDblClick}) {
                QMouseEvent event(enumType, QPointF(5, 5), label.mapToGlobal(QPoint(5, 5)), Qt::LeftButton, Qt::LeftButton,
                                  Qt::NoModifier);
                QApplication::sendEvent(&label, &event);
            }
            for (const QEvent::Type enumType : {QEvent::Enter, QEvent::Leave}) {
                QEvent event(enumType);
                QApplication::sendEvent(&label, &event);
            }
        };
        sendAll();
        const QStringList listExpected = {QStringLiteral("clicked"), QStringLiteral("double"), QStringLiteral("enter"),
                                          QStringLiteral("leave")};
        QCOMPARE(listSeen, listExpected);
        label.setEnabled(false);
        sendAll();
        QCOMPARE(listSeen, listExpected);
    }
};

QTEST_MAIN(TestLabel)
#include "tst_label.moc"
