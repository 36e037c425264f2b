#include <OrvaGUIToolkit/Button/PushButton.h>
#include <OrvaGUIToolkit/Button/ToolButton.h>

#include <QtTest/QtTest>
#include <QtWidgets/QtWidgets>

#include <memory>

using OrvaGUIToolkit::CPushButton;
using OrvaGUIToolkit::CToolButton;

namespace {

// Remembers the option the button hands to the style, so tests can see what
// would be drawn: the text and whether an icon is part of it.
class RecordingStyle : public QProxyStyle
{
public:
    RecordingStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

    void drawControl(ControlElement enumElement, const QStyleOption* pOption, QPainter* pPainter,
                     const QWidget* pWidget) const override
    {
        if (enumElement == CE_PushButton) {
            const auto* pButton = qstyleoption_cast<const QStyleOptionButton*>(pOption);
            m_strText = pButton->text;
            m_bIcon = !pButton->icon.isNull();
        }
        QProxyStyle::drawControl(enumElement, pOption, pPainter, pWidget);
    }

    mutable QString m_strText;
    mutable bool m_bIcon = false;
};

QIcon CameraIcon()
{
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::darkCyan);
    return QIcon(pixmap);
}

} // namespace

class TestPushButton : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // What is drawn doubles every ampersand, and the size hint leaves room for it.
    void ampersandIsLiteral()
    {
        QStringList listDrawn;
        for (const QString& strText : {QStringLiteral("Snapshot"), QStringLiteral("&Export"), QStringLiteral("A&B&C")}) {
            CPushButton button(strText);
            button.setStyle(m_pStyle.get());
            button.grab();
            listDrawn << m_pStyle->m_strText;
            QCOMPARE(button.text(), strText);
            QVERIFY(button.sizeHint().width() >= button.fontMetrics().size(Qt::TextShowMnemonic, listDrawn.last()).width());
        }
        QCOMPARE(listDrawn, (QStringList{QStringLiteral("Snapshot"), QStringLiteral("&&Export"), QStringLiteral("A&&B&&C")}));
    }

    // An ampersand is no mnemonic, but a shortcut set by code still clicks.
    void ampersandIsNoMnemonic()
    {
        QWidget window;
        auto* pButton = new CPushButton(QStringLiteral("&Export clip"), &window);
        pButton->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy spyClicked(pButton, &QPushButton::clicked);

        // A shortcut clicks through animateClick(), which ends a moment later.
        QTest::keyClick(&window, Qt::Key_E, Qt::AltModifier);
        QTest::qWait(300);
        QCOMPARE(spyClicked.count(), 0);
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
        QTRY_COMPARE(spyClicked.count(), 1);
    }

    // Too narrow for icon and text, the icon goes; at the size hint both are
    // drawn, and a button without text always keeps its icon.
    void iconDroppedWhenNarrow()
    {
        CPushButton button(CameraIcon(), QStringLiteral("Live View"));
        button.setIconSize(QSize(20, 20));
        button.setStyle(m_pStyle.get());
        button.resize(button.fontMetrics().boundingRect(button.text()).width() + 20, 30);
        button.grab();
        QVERIFY(!m_pStyle->m_bIcon);
        QCOMPARE(m_pStyle->m_strText, QStringLiteral("Live View"));
        button.resize(button.sizeHint());
        button.grab();
        QVERIFY(m_pStyle->m_bIcon);

        CPushButton iconOnly(CameraIcon(), QString());
        iconOnly.setStyle(m_pStyle.get());
        iconOnly.resize(10, 10);
        iconOnly.grab();
        QVERIFY(m_pStyle->m_bIcon);
    }

    void toolButtonIconAndToolTip()
    {
        CToolButton button(CameraIcon(), QStringLiteral("Zoom in"));
        QCOMPARE(button.toolTip(), QStringLiteral("Zoom in"));
        QVERIFY(!button.icon().isNull());
        QCOMPARE(CToolButton().cursor().shape(), Qt::PointingHandCursor);
    }

private:
    std::unique_ptr<RecordingStyle> m_pStyle = std::make_unique<RecordingStyle>();
};

QTEST_MAIN(TestPushButton)
#include "tst_pushbutton.moc"
