#include <OrvaGUIToolkit/Button/PushButton.h>
#include <OrvaGUIToolkit/Button/ToolButton.h>
#include <OrvaGUIToolkit/Label/Label.h>
#include <OrvaGUIToolkit/LineEdit/FancyLineEdit.h>
#include <OrvaGUIToolkit/LineEdit/IconButton.h>
#include <OrvaGUIToolkit/LineEdit/LineEdit.h>
#include <OrvaGUIToolkit/Picture/PicLabel.h>
#include <OrvaGUIToolkit/ToolTip/ToolTip.h>

#include "controls/ToolTipPrivate.h"

#include <QtTest/QtTest>
#include <QtWidgets/QtWidgets>

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

// Sends one event of the type to the widget as the platform would; a key
// press is Return.
void Deliver(QWidget* pWidget, QEvent::Type enumType)
{
    const QPoint pt(3, 3);
    if (enumType == QEvent::Enter) {
        QEnterEvent event(pt, pt, pWidget->mapToGlobal(pt));
        QApplication::sendEvent(pWidget, &event);
    } else if (enumType == QEvent::FocusIn || enumType == QEvent::FocusOut) {
        QFocusEvent event(enumType, Qt::TabFocusReason);
        QApplication::sendEvent(pWidget, &event);
    } else if (enumType == QEvent::KeyPress) {
        QKeyEvent event(enumType, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(pWidget, &event);
    } else if (enumType == QEvent::Leave) {
        QEvent event(enumType);
        QApplication::sendEvent(pWidget, &event);
    } else {
        QMouseEvent event(enumType, pt, pWidget->mapToGlobal(pt), Qt::LeftButton,
                          enumType == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(pWidget, &event);
    }
}

Action Send(QEvent::Type enumType)
{
    return [enumType](QWidget* pWidget) { Deliver(pWidget, enumType); };
}

// Types a character, so that the edit counts as changed, then finishes it
// with Return or by leaving the field.
Action FinishEdit(QEvent::Type enumHow)
{
    return [enumHow](QWidget* pWidget) {
        QTest::keyClick(pWidget, Qt::Key_X);
        Deliver(pWidget, enumHow);
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
        Deliver(pButton, QEvent::MouseButtonPress);
        Deliver(pButton, QEvent::MouseButtonRelease);
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
    void cleanup()
    {
        CToolTip::HideText();
    }

    void deletingSlot_data()
    {
        QTest::addColumn<int>("iCase");
        const std::vector<DeletingCase>& cases = DeletingCases();
        for (int iCase = 0; iCase < int(cases.size()); ++iCase)
            QTest::newRow(cases[iCase].szName) << iCase;
    }

    // The control is gone after its own signal; the sanitizers see any use of it
    // after the emit.
    void deletingSlot()
    {
        QFETCH(int, iCase);
        const DeletingCase& deletingCase = DeletingCases()[iCase];
        QPointer<QWidget> pWidget = deletingCase.create();
        pWidget->resize(qMax(pWidget->width(), 200), qMax(pWidget->height(), 30));
        deletingCase.connectDeleter(pWidget);
        deletingCase.trigger(pWidget);
        QVERIFY(pWidget.isNull());
    }

    void lineEditByteLimitExtremes()
    {
        QList<int> listKept;
        for (const int iMaxLength : {INT_MIN, 0, INT_MAX}) {
            CLineEdit edit;
            edit.setMaxLength(INT_MAX);
            edit.SetMaxLineEditLength(iMaxLength);
            edit.setText(QStringLiteral("x").repeated(100000));
            listKept << edit.text().size();
        }
        QCOMPARE(listKept, (QList<int>{100000, 0, 100000}));
    }

    // Wherever the point, the tip ends up on the 800 x 600 screen, against the
    // edges the point lies beyond.
    void toolTipFarPoints()
    {
        CToolTip::ShowText(QStringLiteral("Storage full on NVR-02"), QPoint(INT_MAX, INT_MIN), nullptr);
        const QRect rectTopRight = CToolTipPrivate::Existing()->frameGeometry();
        QCOMPARE(QPoint(rectTopRight.right(), rectTopRight.top()), QPoint(799, 0));
        CToolTip::HideText();
        CToolTip::ShowText(QStringLiteral("Storage full on NVR-02"), QPoint(INT_MIN, INT_MAX), nullptr);
        const QRect rectBottomLeft = CToolTipPrivate::Existing()->frameGeometry();
        QCOMPARE(QPoint(rectBottomLeft.left(), rectBottomLeft.bottom()), QPoint(0, 599));
    }

    void toolTipHugeText()
    {
        const QString strText = QStringLiteral("Plate unreadable. ").repeated(20000);
        QWidget* pWidget = new QWidget;
        CToolTip::ShowText(strText, QPoint(10, 10), pWidget);
        QCOMPARE(CToolTip::GetText().size(), strText.size());
        delete pWidget;
        QVERIFY(!CToolTip::IsVisible());
        QCOMPARE(CToolTip::GetWidget(), nullptr);
    }

    // Negative margins become 0, huge ones the largest widget size; a picture
    // then has no room left.
    void pictureMarginExtremes()
    {
        CPicLabel mixed(INT_MIN, 10, INT_MAX, -5);
        QCOMPARE(mixed.GetPictureMargins(), QMargins(0, 10, QWIDGETSIZE_MAX, 0));
        CPicLabel negative(INT_MIN, INT_MIN, INT_MIN, INT_MIN);
        QCOMPARE(negative.GetPictureMargins(), QMargins());
        QPixmap pixmap(240, 120);
        pixmap.fill(Qt::darkCyan);
        for (CPicLabel* pLabel : {&mixed, &negative}) {
            pLabel->resize(120, 60);
            pLabel->PutPicture(pixmap);
        }
        QCOMPARE(mixed.PictureRect(), QRect());
        QCOMPARE(negative.PictureRect(), QRect(0, 0, 120, 60));
        // A caption takes its strip from the bottom.
        negative.SetText(QStringLiteral("WJ-23 809"));
        negative.grab();
        QVERIFY(negative.PictureRect().height() < 60);
    }

    // NaN keeps the previous opacity; everything else is clamped to 0..1.
    void iconOpacityExtremes()
    {
        QList<float> listKept;
        for (const float fGiven : {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                                   -std::numeric_limits<float>::max()}) {
            CIconButton button;
            button.SetIconOpacity(0.5f);
            button.SetIconOpacity(fGiven);
            listKept << button.GetIconOpacity();
            button.SetIconOpacity(0.5f);
            QVERIFY(button.setProperty("m_fIconOpacity", fGiven));
            listKept << button.GetIconOpacity();
        }
        QCOMPARE(listKept, (QList<float>{0.5f, 0.5f, 1.0f, 1.0f, 0.0f, 0.0f}));
    }
};

QTEST_MAIN(TestControlsHostile)
#include "tst_controls_hostile.moc"
