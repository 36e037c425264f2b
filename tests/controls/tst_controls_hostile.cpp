#include <OrvaGUIToolkit/Button/PushButton.h>
#include <OrvaGUIToolkit/Button/ToolButton.h>
#include <OrvaGUIToolkit/Label/Label.h>
#include <OrvaGUIToolkit/LineEdit/FancyLineEdit.h>
#include <OrvaGUIToolkit/LineEdit/IconButton.h>
#include <OrvaGUIToolkit/LineEdit/LineEdit.h>
#include <OrvaGUIToolkit/LineEdit/PlaceholdLineEdit.h>
#include <OrvaGUIToolkit/LineEdit/RegExpValidator.h>
#include <OrvaGUIToolkit/Picture/PicLabel.h>
#include <OrvaGUIToolkit/ToolTip/ToolTip.h>

#include "controls/ToolTipPrivate.h"

#include <QTextCodec>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>

#include <climits>
#include <functional>
#include <limits>

using namespace OrvaGUIToolkit;

namespace {

using Action = std::function<void(QWidget*)>;

// A control built on the heap, a slot that deletes it connected to one of its
// signals, and the event that makes the control emit that signal.
struct DeletingCase
{
    const char* szName;
    std::function<QWidget*()> create;
    Action connectDeleter;
    Action trigger;
};

template <typename Control, typename Owner, typename... Args>
DeletingCase Case(const char* szName, void (Owner::*signal)(Args...), Action trigger,
                  std::function<QWidget*()> create = [] { return new Control; })
{
    const Action connectDeleter = [signal](QWidget* pWidget) {
        auto* pControl = static_cast<Owner*>(pWidget);
        QObject::connect(pControl, signal, [pControl] { delete pControl; });
    };
    return {szName, create, connectDeleter, trigger};
}

void SendMouse(QWidget* pWidget, QEvent::Type enumType)
{
    const QPoint ptLocal(3, 3);
    QMouseEvent event(enumType, ptLocal, pWidget->mapToGlobal(ptLocal), Qt::LeftButton,
                      enumType == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pWidget, &event);
}

Action Send(QEvent::Type enumType)
{
    return [enumType](QWidget* pWidget) {
        if (enumType == QEvent::Enter) {
            QEnterEvent event(QPointF(3, 3), QPointF(3, 3), QPointF(pWidget->mapToGlobal(QPoint(3, 3))));
            QApplication::sendEvent(pWidget, &event);
        } else if (enumType == QEvent::FocusIn || enumType == QEvent::FocusOut) {
            QFocusEvent event(enumType, Qt::TabFocusReason);
            QApplication::sendEvent(pWidget, &event);
        } else if (enumType == QEvent::MouseButtonPress || enumType == QEvent::MouseButtonDblClick) {
            SendMouse(pWidget, enumType);
        } else {
            QEvent event(enumType);
            QApplication::sendEvent(pWidget, &event);
        }
    };
}

// Types a character, so that the edit counts as changed, then finishes it
// with Return or by leaving the field.
Action FinishEdit(QEvent::Type enumHow)
{
    return [enumHow](QWidget* pWidget) {
        QTest::keyClick(pWidget, Qt::Key_X);
        if (enumHow == QEvent::KeyPress) {
            QKeyEvent keyReturn(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(pWidget, &keyReturn);
        } else {
            Send(enumHow)(pWidget);
        }
    };
}

// A fancy line edit whose left and right buttons are shown.
QWidget* CreateFancy()
{
    auto* pEdit = new CFancyLineEdit;
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::red);
    for (const CFancyLineEdit::Side enumSide : {CFancyLineEdit::Left, CFancyLineEdit::Right}) {
        pEdit->SetButtonPixmap(enumSide, pixmap);
        pEdit->SetButtonVisible(enumSide, true);
    }
    return pEdit;
}

// A full press and release on a side's button; the release clicks it.
Action ClickSide(CFancyLineEdit::Side enumSide)
{
    return [enumSide](QWidget* pWidget) {
        CIconButton* pButton = static_cast<CFancyLineEdit*>(pWidget)->Button(enumSide);
        SendMouse(pButton, QEvent::MouseButtonPress);
        SendMouse(pButton, QEvent::MouseButtonRelease);
    };
}

const std::vector<DeletingCase>& DeletingCases()
{
    using Fancy = CFancyLineEdit;
    static const std::vector<DeletingCase> s_cases = {
        Case<CPushButton>("push button enter", &CPushButton::SignalMouseEnter, Send(QEvent::Enter)),
        Case<CPushButton>("push button leave", &CPushButton::SignalMouseLeave, Send(QEvent::Leave)),
        Case<CToolButton>("tool button enter", &CToolButton::SignalMouseEnter, Send(QEvent::Enter)),
        Case<CToolButton>("tool button leave", &CToolButton::SignalMouseLeave, Send(QEvent::Leave)),
        Case<CLabel>("label click", &CLabel::SignalMouseClicked, Send(QEvent::MouseButtonPress)),
        Case<CLabel>("label double click", &CLabel::SignalDoubleClicked, Send(QEvent::MouseButtonDblClick)),
        Case<CLabel>("label enter", &CLabel::SignalMouseEnter, Send(QEvent::Enter)),
        Case<CLabel>("label leave", &CLabel::SignalMouseLeave, Send(QEvent::Leave)),
        Case<CPicBaseLabel>("picture click", &CPicBaseLabel::SignalPicLabelClicked, Send(QEvent::MouseButtonPress)),
        Case<CPicLabel>("picture double click", &CPicBaseLabel::SignalDoubleClicked, Send(QEvent::MouseButtonDblClick)),
        Case<CLineEdit>("line edit cursor position", &CLineEdit::SignalCursorPosition, Send(QEvent::MouseButtonPress),
                        [] { return new CLineEdit(QStringLiteral("Gate 3")); }),
        Case<CLineEdit>("line edit focus in", &CLineEdit::SignalFocusIn, Send(QEvent::FocusIn)),
        Case<CLineEdit>("line edit focus out", &CLineEdit::SignalFousOut, Send(QEvent::FocusOut)),
        Case<CLineEdit>("line edit finished by Return", &CLineEdit::SignalEditingFinished, FinishEdit(QEvent::KeyPress)),
        Case<CLineEdit>("line edit finished by focus out", &CLineEdit::SignalEditingFinished,
                        FinishEdit(QEvent::FocusOut)),
        Case<CPlaceholdLineEdit>("placeholder focus in", &CLineEdit::SignalFocusIn, Send(QEvent::FocusIn)),
        Case<Fancy>("fancy focus in", &CLineEdit::SignalFocusIn, Send(QEvent::FocusIn), CreateFancy),
        Case<Fancy>("fancy button clicked", &Fancy::SignalButtonClicked, ClickSide(Fancy::Left), CreateFancy),
        Case<Fancy>("fancy left clicked", &Fancy::SignalLeftButtonClicked, ClickSide(Fancy::Left), CreateFancy),
        Case<Fancy>("fancy right clicked", &Fancy::SignalRightButtonClicked, ClickSide(Fancy::Right), CreateFancy),
    };
    return s_cases;
}

} // namespace

class TestControlsHostile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void deletingSlot_data();
    void deletingSlot();
    void validatorExtremes_data();
    void validatorExtremes();
    void lineEditByteLimitExtremes_data();
    void lineEditByteLimitExtremes();
    void toolTipFarPoints_data();
    void toolTipFarPoints();
    void toolTipHugeText();
    void pictureMarginExtremes_data();
    void pictureMarginExtremes();
    void iconOpacityExtremes_data();
    void iconOpacityExtremes();
};

void TestControlsHostile::cleanup()
{
    CToolTip::HideText();
}

void TestControlsHostile::deletingSlot_data()
{
    QTest::addColumn<int>("iCase");
    const std::vector<DeletingCase>& cases = DeletingCases();
    for (int iCase = 0; iCase < int(cases.size()); ++iCase)
        QTest::newRow(cases[iCase].szName) << iCase;
}

// The control is gone after its own signal; the sanitizers see any use of it
// after the emit.
void TestControlsHostile::deletingSlot()
{
    QFETCH(int, iCase);
    const DeletingCase& deletingCase = DeletingCases()[iCase];
    QPointer<QWidget> pWidget = deletingCase.create();
    pWidget->resize(qMax(pWidget->width(), 200), qMax(pWidget->height(), 30));
    deletingCase.connectDeleter(pWidget);
    deletingCase.trigger(pWidget);
    QVERIFY(pWidget.isNull());
}

void TestControlsHostile::validatorExtremes_data()
{
    QTest::addColumn<int>("iMaxLength");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("iPos");
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("iPosAfter");
    QTest::addColumn<int>("iState");

    const int iAcceptable = QValidator::Acceptable;
    const int iIntermediate = QValidator::Intermediate;
    const QString strAny = QStringLiteral(".*");
    const QString strBar = QStringLiteral("\\|");
    QTest::newRow("forbidden, cursor INT_MIN") << -1 << strBar << QStringLiteral("Lane|1|") << INT_MIN
                                                << QStringLiteral("Lane1") << 0 << iIntermediate;
    QTest::newRow("forbidden, cursor INT_MAX") << -1 << strBar << QStringLiteral("Lane|1|") << INT_MAX
                                                << QStringLiteral("Lane1") << 5 << iIntermediate;
    QTest::newRow("clean text, cursor INT_MIN") << -1 << strBar << QStringLiteral("Lane 1") << INT_MIN
                                                 << QStringLiteral("Lane 1") << INT_MIN << iAcceptable;
    QTest::newRow("limit 0, cursor INT_MAX") << 0 << strAny << QStringLiteral("Lane 1") << INT_MAX << QString() << 0
                                              << iIntermediate;
    QTest::newRow("limit INT_MIN is no limit") << INT_MIN << strAny << QStringLiteral("Lane 1") << 3
                                                << QStringLiteral("Lane 1") << 3 << iAcceptable;
    QTest::newRow("empty matches forbid nothing") << -1 << QStringLiteral("x*") << QStringLiteral("Lane") << 2
                                                   << QStringLiteral("Lane") << 2 << iAcceptable;
    QTest::newRow("broken expression") << -1 << QStringLiteral("(") << QStringLiteral("Lane(") << 5
                                        << QStringLiteral("Lane(") << 5 << iAcceptable;
    QTest::newRow("megabyte of forbidden pairs")
        << -1 << strBar << QStringLiteral("a|").repeated(500000) << INT_MAX << QStringLiteral("a").repeated(500000)
        << 500000 << iIntermediate;
    QTest::newRow("megabyte over a 4-byte limit")
        << 4 << strAny << QStringLiteral("a").repeated(1000000) << INT_MIN << QStringLiteral("aaaa") << 4
        << iIntermediate;
}

void TestControlsHostile::validatorExtremes()
{
    QFETCH(int, iMaxLength);
    QFETCH(QString, pattern);
    QFETCH(QString, input);
    QFETCH(int, iPos);
    CRegExpValidator validator(iMaxLength, QRegExp(pattern));
    validator.SetTextCodec(QTextCodec::codecForName("UTF-8"));
    QTEST(int(validator.validate(input, iPos)), "iState");
    QTEST(input, "output");
    QTEST(iPos, "iPosAfter");
}

void TestControlsHostile::lineEditByteLimitExtremes_data()
{
    QTest::addColumn<int>("iMaxLength");
    QTest::addColumn<int>("iKept");
    QTest::newRow("INT_MIN") << INT_MIN << 100000;
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("INT_MAX") << INT_MAX << 100000;
}

void TestControlsHostile::lineEditByteLimitExtremes()
{
    QFETCH(int, iMaxLength);
    CLineEdit edit;
    edit.setMaxLength(INT_MAX);
    edit.SetMaxLineEditLength(iMaxLength);
    edit.setText(QStringLiteral("x").repeated(100000));
    QTEST(int(edit.text().size()), "iKept");
}

void TestControlsHostile::toolTipFarPoints_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("bAtRight");
    QTest::addColumn<bool>("bAtBottom");
    QTest::newRow("INT_MAX, INT_MIN") << QPoint(INT_MAX, INT_MIN) << true << false;
    QTest::newRow("INT_MIN, INT_MAX") << QPoint(INT_MIN, INT_MAX) << false << true;
}

// Wherever the point, the tip ends up on the 800 x 600 screen, against the
// edges the point lies beyond.
void TestControlsHostile::toolTipFarPoints()
{
    QFETCH(QPoint, point);
    QFETCH(bool, bAtRight);
    QFETCH(bool, bAtBottom);
    CToolTip::ShowText(QStringLiteral("Storage full on NVR-02"), point, nullptr);
    QVERIFY(CToolTip::IsVisible());
    const QRect rectTip = CToolTipPrivate::Existing()->frameGeometry();
    if (bAtRight)
        QCOMPARE(rectTip.right(), 799);
    else
        QCOMPARE(rectTip.left(), 0);
    if (bAtBottom)
        QCOMPARE(rectTip.bottom(), 599);
    else
        QCOMPARE(rectTip.top(), 0);
}

void TestControlsHostile::toolTipHugeText()
{
    const QString strText = QStringLiteral("Plate unreadable. ").repeated(20000);
    QWidget* pWidget = new QWidget;
    CToolTip::ShowText(strText, QPoint(10, 10), pWidget);
    QCOMPARE(CToolTip::GetText().size(), strText.size());
    QCOMPARE(CToolTip::GetWidget(), pWidget);
    delete pWidget;
    QVERIFY(!CToolTip::IsVisible());
    QCOMPARE(CToolTip::GetWidget(), nullptr);
}

// Margins are given and kept as left, top, right, bottom.
void TestControlsHostile::pictureMarginExtremes_data()
{
    QTest::addColumn<QList<int>>("given");
    QTest::addColumn<QList<int>>("kept");
    QTest::addColumn<QRect>("picture");
    const int iMax = QWIDGETSIZE_MAX;
    QTest::newRow("INT_MIN") << QList<int>{INT_MIN, INT_MIN, INT_MIN, INT_MIN} << QList<int>{0, 0, 0, 0}
                             << QRect(0, 0, 120, 60);
    QTest::newRow("mixed") << QList<int>{INT_MIN, 10, INT_MAX, -5} << QList<int>{0, 10, iMax, 0} << QRect();
}

void TestControlsHostile::pictureMarginExtremes()
{
    QFETCH(QList<int>, given);
    CPicLabel label(given[0], given[1], given[2], given[3]);
    const QMargins margins = label.GetPictureMargins();
    QTEST((QList<int>{margins.left(), margins.top(), margins.right(), margins.bottom()}), "kept");
    label.resize(120, 60);
    QPixmap pixmap(240, 120);
    pixmap.fill(Qt::darkCyan);
    label.PutPicture(pixmap);
    QTEST(label.PictureRect(), "picture");
    // A caption takes its strip from the bottom margin's side as well.
    label.SetText(QStringLiteral("WJ-23 809"));
    label.grab();
    QVERIFY(label.PictureRect().height() < 60);
}

void TestControlsHostile::iconOpacityExtremes_data()
{
    QTest::addColumn<float>("fGiven");
    QTest::addColumn<float>("fKept");
    QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN() << 0.5f;
    QTest::newRow("+inf") << std::numeric_limits<float>::infinity() << 1.0f;
    QTest::newRow("-FLT_MAX") << -std::numeric_limits<float>::max() << 0.0f;
}

void TestControlsHostile::iconOpacityExtremes()
{
    QFETCH(float, fGiven);
    QFETCH(float, fKept);
    CIconButton button;
    button.SetIconOpacity(0.5f);
    button.SetIconOpacity(fGiven);
    QCOMPARE(button.GetIconOpacity(), fKept);
    QVERIFY(button.setProperty("m_fIconOpacity", fGiven));
    QCOMPARE(button.GetIconOpacity(), fKept);
}

QTEST_MAIN(TestControlsHostile)
#include "tst_controls_hostile.moc"
