#include <OrvaGUIToolkit/Button/PushButton.h>
#include <OrvaGUIToolkit/Button/ToolButton.h>

#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QProxyStyle>
#include <QtWidgets/QStyleOptionButton>

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

// Shows the window as the active one, so that its shortcuts are live.
bool ShowActive(QWidget& window)
{
    window.resize(200, 60);
    window.show();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window);
}

void Paint(CPushButton& button)
{
    button.grab();
}

} // namespace

class TestPushButton : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_pStyle = new RecordingStyle;
    }

    void cleanup()
    {
        delete m_pStyle;
        m_pStyle = nullptr;
    }

    void ampersandIsLiteral_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("drawn");
        QTest::newRow("plain") << "Snapshot" << "Snapshot";
        QTest::newRow("mnemonic-like") << "&Export" << "&&Export";
        QTest::newRow("two") << "A&B&C" << "A&&B&&C";
    }

    void ampersandIsLiteral()
    {
        QFETCH(QString, text);
        QFETCH(QString, drawn);
        CPushButton button(text);
        button.setStyle(m_pStyle);
        Paint(button);
        QCOMPARE(m_pStyle->m_strText, drawn);
        QCOMPARE(button.text(), text);
        // The size hint leaves room for every ampersand that is drawn.
        const QFontMetrics metrics = button.fontMetrics();
        QVERIFY(button.sizeHint().width() >= metrics.size(Qt::TextShowMnemonic, drawn).width());
    }

    // An ampersand is no mnemonic, but a shortcut set by code still clicks.
    void ampersandIsNoMnemonic()
    {
        QWidget window;
        auto* pButton = new CPushButton(QStringLiteral("&Export clip"), &window);
        pButton->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
        QVERIFY(ShowActive(window));
        QSignalSpy spyClicked(pButton, &QPushButton::clicked);

        // A shortcut clicks through animateClick(), which ends a moment later.
        QTest::keyClick(&window, Qt::Key_E, Qt::AltModifier);
        QTest::qWait(300);
        QCOMPARE(spyClicked.count(), 0);
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
        QTRY_COMPARE(spyClicked.count(), 1);
    }

    void iconDroppedWhenNarrow()
    {
        CPushButton button(CameraIcon(), QStringLiteral("Live View"));
        button.setIconSize(QSize(20, 20));
        button.setStyle(m_pStyle);

        button.resize(button.fontMetrics().boundingRect(button.text()).width() + 20, 30);
        Paint(button);
        QVERIFY(!m_pStyle->m_bIcon);
        QCOMPARE(m_pStyle->m_strText, QStringLiteral("Live View"));

        button.resize(400, 30);
        Paint(button);
        QVERIFY(m_pStyle->m_bIcon);

        // A button with an icon and no text always keeps the icon.
        CPushButton iconOnly(CameraIcon(), QString());
        iconOnly.setStyle(m_pStyle);
        iconOnly.resize(10, 10);
        Paint(iconOnly);
        QVERIFY(m_pStyle->m_bIcon);
    }

    void sizeHintShowsIconAndText()
    {
        CPushButton button(CameraIcon(), QStringLiteral("Alarms & Events"));
        button.setIconSize(QSize(20, 20));
        button.setStyle(m_pStyle);
        button.resize(button.sizeHint());
        Paint(button);
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
    RecordingStyle* m_pStyle = nullptr;
};

QTEST_MAIN(TestPushButton)
#include "tst_pushbutton.moc"
