#include <OrvaGUIToolkit/Calendar/DateTimeEdit.h>
#include <OrvaGUIToolkit/Calendar/YearMonthDayEdit.h>
#include <OrvaGUIToolkit/ComboBox/ComboBox.h>
#include <OrvaGUIToolkit/ItemView/HeaderView.h>
#include <OrvaGUIToolkit/ItemView/ImageItemViewDelegate.h>
#include <OrvaGUIToolkit/ItemView/ItemDataRole.h>
#include <OrvaGUIToolkit/ItemView/MoreRightPixmapDelegate.h>
#include <OrvaGUIToolkit/ItemView/TableWidget.h>
#include <OrvaGUIToolkit/ItemView/TreeView.h>
#include <OrvaGUIToolkit/ItemView/TreeViewItem.h>
#include <OrvaGUIToolkit/ItemView/TreeViewModel.h>
#include <OrvaGUIToolkit/ItemView/TreeViewWithRightPixmapDelegate.h>
#include <OrvaGUIToolkit/LineEdit/LineEdit.h>
#include <OrvaGUIToolkit/LineEdit/RegExpValidator.h>

#include <QtGui/QPainter>
#include <QtTest/QtTest>

using namespace OrvaGUIToolkit;

Q_DECLARE_METATYPE(Qt::CheckState)

class TestItemViews : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void itemDataRoleIsRegistered();
    void headerFollowsRows_data();
    void headerFollowsRows();
    void headerClickToggles_data();
    void headerClickToggles();
    void imageRects_data();
    void imageRects();
    void clickSignals_data();
    void clickSignals();
    void plainDelegateReportsNoImage();
    void comboEditor();
    void comboEditorAddsMissingText();
    void lineEditorLimits();
    void editorChosenByRole_data();
    void editorChosenByRole();
    void dateEditorsWriteBack();
    void columnFittingWaitsForTheBurst();
    void imageDelegateSize();

private:
    static QPixmap Square(int iSize)
    {
        QPixmap pixmap(iSize, iSize);
        pixmap.fill(Qt::darkCyan);
        return pixmap;
    }
};

namespace {

// Ten alarms in a table of three columns: "Time", "Camera", "Actions".
void FillAlarms(CTableWidget& table, int iRows)
{
    table.SetHeaderLabels({QStringLiteral("Time"), QStringLiteral("Camera"), QStringLiteral("Actions")});
    for (int iRow = 0; iRow < iRows; ++iRow) {
        table.AddBottomLevelItem();
        table.SetText(iRow, 0, QStringLiteral("08:%1:00").arg(iRow, 2, 10, QLatin1Char('0')));
        table.SetText(iRow, 1, QStringLiteral("Gate %1").arg(iRow));
        table.SetCheckState(iRow, 0, false);
    }
}

void SendRelease(QWidget* pViewport, const QPoint& pos)
{
    QTest::mousePress(pViewport, Qt::LeftButton, Qt::NoModifier, pos);
    QTest::mouseRelease(pViewport, Qt::LeftButton, Qt::NoModifier, pos);
}

QRect CheckBoxRect(QHeaderView* pHeader)
{
    QStyleOptionViewItem option;
    option.initFrom(pHeader);
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.rect = QRect(pHeader->sectionViewportPosition(0), 0, pHeader->sectionSize(0), pHeader->height());
    return pHeader->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, pHeader);
}

} // namespace

void TestItemViews::initTestCase()
{
    qRegisterMetaType<Qt::CheckState>();
}

void TestItemViews::itemDataRoleIsRegistered()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const int iType = QMetaType::fromName("OrvaGUIToolkit::CItemDataRole").id();
#else
    const int iType = QMetaType::type("OrvaGUIToolkit::CItemDataRole");
#endif
    QCOMPARE(iType, qMetaTypeId<CItemDataRole>());
    QCOMPARE(int(Pixmap2Role), 213);
    QCOMPARE(int(ProgressRole), 292);
}

void TestItemViews::headerFollowsRows_data()
{
    QTest::addColumn<int>("checkedRows");
    QTest::addColumn<QVariant>("allRows");
    QTest::addColumn<int>("headerState");
    QTest::newRow("none") << 0 << QVariant() << int(Qt::Unchecked);
    QTest::newRow("some") << 4 << QVariant() << int(Qt::PartiallyChecked);
    QTest::newRow("all") << 12 << QVariant() << int(Qt::Checked);
    QTest::newRow("all selectable") << 10 << QVariant(10) << int(Qt::Checked);
    QTest::newRow("not all selectable") << 9 << QVariant(10) << int(Qt::PartiallyChecked);
}

void TestItemViews::headerFollowsRows()
{
    QFETCH(int, checkedRows);
    QFETCH(QVariant, allRows);
    QFETCH(int, headerState);
    CTableWidget table;
    FillAlarms(table, 12);
    table.SetHeaderCheckState(0, false);
    table.model()->setHeaderData(0, Qt::Horizontal, allRows, Qt::UserRole + 1);
    QSignalSpy spy(&table, &CAbstractItemView::SignalHeaderCheckStateChanged);
    for (int iRow = 0; iRow < checkedRows; ++iRow)
        table.SetCheckState(iRow, 0, true);
    QCOMPARE(table.model()->headerData(0, Qt::Horizontal, Qt::CheckStateRole).toInt(), headerState);
    if (headerState != Qt::Unchecked) {
        QVERIFY(spy.count() >= 1);
        QCOMPARE(int(spy.last().at(0).value<Qt::CheckState>()), headerState);
    }
}

void TestItemViews::headerClickToggles_data()
{
    QTest::addColumn<int>("checkedRows");
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<int>("rowState");
    QTest::newRow("partial to checked") << 3 << true << int(Qt::Checked);
    QTest::newRow("unchecked to checked") << 0 << true << int(Qt::Checked);
    QTest::newRow("checked to unchecked") << 5 << true << int(Qt::Unchecked);
    QTest::newRow("not checkable") << 3 << false << -1;
}

void TestItemViews::headerClickToggles()
{
    QFETCH(int, checkedRows);
    QFETCH(bool, checkable);
    QFETCH(int, rowState);
    CTableWidget table;
    table.resize(400, 300);
    FillAlarms(table, 5);
    table.SetHeaderCheckState(0, false);
    table.SetHeaderCheckable(0, checkable);
    for (int iRow = 0; iRow < checkedRows; ++iRow)
        table.SetCheckState(iRow, 0, true);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    auto* pHeader = qobject_cast<CHeaderView*>(table.header());
    QVERIFY(pHeader);
    QSignalSpy spyClicked(pHeader, &CHeaderView::SignalHeadClicked);
    SendRelease(pHeader->viewport(), CheckBoxRect(pHeader).center());
    if (rowState < 0) {
        QCOMPARE(spyClicked.count(), 0);
        QCOMPARE(table.GetUserDefineData(4, 0, Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        return;
    }
    QCOMPARE(spyClicked.count(), 1);
    QCOMPARE(int(spyClicked.at(0).at(0).value<Qt::CheckState>()), rowState);
    for (int iRow = 0; iRow < 5; ++iRow)
        QCOMPARE(table.GetUserDefineData(iRow, 0, Qt::CheckStateRole).toInt(), rowState);
    QCOMPARE(table.model()->headerData(0, Qt::Horizontal, Qt::CheckStateRole).toInt(), rowState);
}

void TestItemViews::imageRects_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("margin");
    QTest::addColumn<int>("x212");
    QTest::addColumn<int>("x213");
    QTest::addColumn<int>("x214");
    // Cell from x = 100, 200 wide; three images of 16 with 4 between them.
    QTest::newRow("left") << int(Qt::AlignLeft) << 0 << 100 << 120 << 140;
    QTest::newRow("left margin") << int(Qt::AlignLeft) << 6 << 106 << 126 << 146;
    QTest::newRow("right") << int(Qt::AlignRight) << 0 << 240 << 260 << 280;
    QTest::newRow("right margin") << int(Qt::AlignRight) << 6 << 234 << 254 << 274;
}

void TestItemViews::imageRects()
{
    QFETCH(int, alignment);
    QFETCH(int, margin);
    QFETCH(int, x212);
    QFETCH(int, x213);
    QFETCH(int, x214);
    CTableWidget table;
    table.resize(600, 300);
    FillAlarms(table, 1);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    table.SetPixmapLeftMargin(margin);
    for (int iRole : {Pixmap1Role, Pixmap2Role, Pixmap3Role})
        table.SetUserDefineData(0, 2, Square(16), iRole);
    table.SetUserDefineData(0, 2, alignment, PixmapAlignmentRole);
    auto* pDelegate = qobject_cast<CTableDelegate*>(table.itemDelegate());
    QVERIFY(pDelegate);
    QStyleOptionViewItem option;
    option.rect = QRect(100, 0, 200, 30);
    const QModelIndex miIndex = table.GetIndex(0, 2);
    const Qt::Alignment enumAlignment(alignment);
    QCOMPARE(pDelegate->GetItemPixmapRect(Pixmap1Role, option, miIndex, enumAlignment), QRect(x212, 7, 16, 16));
    QCOMPARE(pDelegate->GetItemPixmapRect(Pixmap2Role, option, miIndex, enumAlignment).x(), x213);
    QCOMPARE(pDelegate->GetItemPixmapRect(Pixmap3Role, option, miIndex, enumAlignment).x(), x214);
    QVERIFY(pDelegate->GetItemPixmapRect(MoreRightPixmap1Role, option, miIndex, enumAlignment).isEmpty());
    QCOMPARE(pDelegate->CheckMousePos(QPoint(x213 + 3, 15), option, miIndex), Pixmap2Role);
    QCOMPARE(pDelegate->CheckMousePos(QPoint(x213 - 2, 15), option, miIndex), NoItemRole);
}

void TestItemViews::clickSignals_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("role");
    QTest::newRow("cell without images") << 1 << 30 << int(NoItemRole);
    QTest::newRow("image 212") << 2 << 8 << int(Pixmap1Role);
    QTest::newRow("image 213") << 2 << 28 << int(Pixmap2Role);
    QTest::newRow("between images") << 2 << 18 << int(NoItemRole);
}

void TestItemViews::clickSignals()
{
    QFETCH(int, column);
    QFETCH(int, offset);
    QFETCH(int, role);
    CTableWidget table;
    table.resize(500, 300);
    FillAlarms(table, 3);
    table.SetUserDefineData(1, 2, Square(16), Pixmap1Role);
    table.SetUserDefineData(1, 2, Square(16), Pixmap2Role);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    QSignalSpy spyCell(&table, QOverload<QModelIndex>::of(&CAbstractItemView::SignalClicked));
    QSignalSpy spyImage(&table, QOverload<QModelIndex, CItemDataRole>::of(&CAbstractItemView::SignalClicked));
    const QRect rectCell = table.visualRect(table.GetIndex(1, column));
    SendRelease(table.viewport(), QPoint(rectCell.left() + offset, rectCell.center().y()));
    QCOMPARE(spyCell.count(), 1);
    QCOMPARE(spyCell.at(0).at(0).toModelIndex(), table.GetIndex(1, column));
    QCOMPARE(spyImage.count(), role == NoItemRole ? 0 : 1);
    if (role != NoItemRole)
        QCOMPARE(int(spyImage.at(0).at(1).value<CItemDataRole>()), role);
}

void TestItemViews::plainDelegateReportsNoImage()
{
    CTreeView view;
    CTreeViewModel model;
    model.insertColumns(0, 1);
    model.insertRows(0, 1);
    model.setData(model.index(0, 0), QStringLiteral("Gate"));
    model.setData(model.index(0, 0), Square(16), Pixmap1Role);
    view.setModel(&model);
    view.setItemDelegate(new QStyledItemDelegate(&view));
    view.resize(300, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy spyImage(&view, QOverload<QModelIndex, CItemDataRole>::of(&CAbstractItemView::SignalClicked));
    QSignalSpy spyCell(&view, QOverload<QModelIndex>::of(&CAbstractItemView::SignalClicked));
    const QRect rectCell = view.visualRect(model.index(0, 0));
    SendRelease(view.viewport(), QPoint(rectCell.left() + 4, rectCell.center().y()));
    QCOMPARE(spyCell.count(), 1);
    QCOMPARE(spyImage.count(), 0);
}

void TestItemViews::comboEditor()
{
    CTableWidget table;
    FillAlarms(table, 1);
    table.SetText(0, 1, QStringLiteral("Medium"));
    table.SetUserDefineData(0, 1, QStringList{QStringLiteral("Low"), QStringLiteral("Medium"), QStringLiteral("High")},
                            ComboItemsRole);
    auto* pDelegate = qobject_cast<CTableDelegate*>(table.itemDelegate());
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 120, 24);
    const QModelIndex miIndex = table.GetIndex(0, 1);
    std::unique_ptr<QWidget> pEditor(pDelegate->createEditor(table.viewport(), option, miIndex));
    auto* pCombo = qobject_cast<CComboBox*>(pEditor.get());
    QVERIFY(pCombo);
    QCOMPARE(pCombo->count(), 3);
    QCOMPARE(pCombo->GetCurrentIndex(), 1);
    QCOMPARE(pCombo->size(), QSize(120, 24));
    pCombo->setCurrentIndex(2);
    QSignalSpy spy(&table, &CAbstractItemView::SignalComboBoxTextChanged);
    pDelegate->setModelData(pCombo, table.model(), miIndex);
    QCOMPARE(table.GetText(0, 1), QStringLiteral("High"));
    QCOMPARE(table.GetUserDefineData(0, 1, ComboCurrentIndexRole).toInt(), 2);
    QCOMPARE(spy.count(), 1);
    // Next time the stored index decides, whatever the text.
    table.SetText(0, 1, QStringLiteral("Low"));
    pEditor.reset(pDelegate->createEditor(table.viewport(), option, miIndex));
    QCOMPARE(qobject_cast<CComboBox*>(pEditor.get())->GetCurrentIndex(), 2);
}

void TestItemViews::comboEditorAddsMissingText()
{
    CTableWidget table;
    FillAlarms(table, 1);
    table.SetText(0, 1, QStringLiteral("Critical"));
    table.SetUserDefineData(0, 1, QStringList{QStringLiteral("Low"), QStringLiteral("High")}, ComboItemsRole);
    auto* pDelegate = qobject_cast<CTableDelegate*>(table.itemDelegate());
    std::unique_ptr<QWidget> pEditor(
        pDelegate->createEditor(table.viewport(), QStyleOptionViewItem(), table.GetIndex(0, 1)));
    auto* pCombo = qobject_cast<CComboBox*>(pEditor.get());
    QVERIFY(pCombo);
    QCOMPARE(pCombo->count(), 3);
    QCOMPARE(pCombo->itemText(2), QStringLiteral("Critical"));
    QCOMPARE(pCombo->GetCurrentIndex(), 2);
    QCOMPARE(table.GetUserDefineData(0, 1, ComboItemsRole).toStringList(),
             QStringList({QStringLiteral("Low"), QStringLiteral("High"), QStringLiteral("Critical")}));
}

void TestItemViews::lineEditorLimits()
{
    CTableWidget table;
    FillAlarms(table, 1);
    table.SetMaxLength(0, 1, 8);
    auto* pDelegate = qobject_cast<CTableDelegate*>(table.itemDelegate());
    std::unique_ptr<QWidget> pEditor(
        pDelegate->createEditor(table.viewport(), QStyleOptionViewItem(), table.GetIndex(0, 1)));
    auto* pEdit = qobject_cast<CLineEdit*>(pEditor.get());
    QVERIFY(pEdit);
    QCOMPARE(pEdit->text(), QStringLiteral("Gate 0"));
    auto* pValidator = qobject_cast<const CRegExpValidator*>(pEdit->validator());
    QVERIFY(pValidator);
    QCOMPARE(pValidator->GetMaxLength(), 8);
    pEdit->setText(QStringLiteral("Gate 9"));
    QSignalSpy spy(&table, &CAbstractItemView::SignalEditingFinished);
    pDelegate->setModelData(pEdit, table.model(), table.GetIndex(0, 1));
    QCOMPARE(table.GetText(0, 1), QStringLiteral("Gate 9"));
    QCOMPARE(spy.count(), 1);
    std::unique_ptr<QWidget> pPlain(
        pDelegate->createEditor(table.viewport(), QStyleOptionViewItem(), table.GetIndex(0, 0)));
    QVERIFY(!qobject_cast<QLineEdit*>(pPlain.get())->validator());
}

void TestItemViews::editorChosenByRole_data()
{
    QTest::addColumn<QList<int>>("roles");
    QTest::addColumn<QString>("editorClass");
    QTest::newRow("plain") << QList<int>() << QStringLiteral("OrvaGUIToolkit::CLineEdit");
    QTest::newRow("date") << QList<int>{DateEditRole} << QStringLiteral("OrvaGUIToolkit::CYearMonthDayEdit");
    QTest::newRow("date-time") << QList<int>{DateTimeEditRole} << QStringLiteral("OrvaGUIToolkit::CDateTimeEdit");
    QTest::newRow("date-time before date") << QList<int>{DateEditRole, DateTimeEditRole}
                                           << QStringLiteral("OrvaGUIToolkit::CDateTimeEdit");
    QTest::newRow("combo before all") << QList<int>{DateEditRole, DateTimeEditRole, ComboItemsRole}
                                      << QStringLiteral("OrvaGUIToolkit::CComboBox");
}

void TestItemViews::editorChosenByRole()
{
    QFETCH(QList<int>, roles);
    QFETCH(QString, editorClass);
    CTableWidget table;
    FillAlarms(table, 1);
    const QDateTime dtAlarm(QDate(2026, 11, 30), QTime(8, 15, 0));
    for (int iRole : roles) {
        const QVariant value = iRole == DateEditRole       ? QVariant(dtAlarm.date())
                               : iRole == DateTimeEditRole ? QVariant(dtAlarm)
                                                           : QVariant(QStringList{QStringLiteral("Gate 0")});
        table.SetUserDefineData(0, 1, value, iRole);
    }
    auto* pDelegate = qobject_cast<CTableDelegate*>(table.itemDelegate());
    std::unique_ptr<QWidget> pEditor(
        pDelegate->createEditor(table.viewport(), QStyleOptionViewItem(), table.GetIndex(0, 1)));
    QVERIFY(pEditor);
    QCOMPARE(QString::fromLatin1(pEditor->metaObject()->className()), editorClass);
}

void TestItemViews::dateEditorsWriteBack()
{
    CTableWidget table;
    FillAlarms(table, 2);
    table.SetUserDefineData(0, 0, QDateTime(QDate(2026, 11, 30), QTime(8, 15, 0)), DateTimeEditRole);
    table.SetUserDefineData(1, 0, QDate(2026, 12, 1), DateEditRole);
    auto* pDelegate = qobject_cast<CTableDelegate*>(table.itemDelegate());
    std::unique_ptr<QWidget> pEditor(
        pDelegate->createEditor(table.viewport(), QStyleOptionViewItem(), table.GetIndex(0, 0)));
    auto* pDateTime = qobject_cast<CDateTimeEdit*>(pEditor.get());
    QVERIFY(pDateTime);
    pDelegate->setEditorData(pDateTime, table.GetIndex(0, 0));
    QCOMPARE(pDateTime->dateTime(), QDateTime(QDate(2026, 11, 30), QTime(8, 15, 0)));
    pDateTime->setDateTime(QDateTime(QDate(2026, 12, 2), QTime(9, 30, 0)));
    pDelegate->setModelData(pDateTime, table.model(), table.GetIndex(0, 0));
    QCOMPARE(table.GetUserDefineData(0, 0, DateTimeEditRole).toDateTime(), QDateTime(QDate(2026, 12, 2), QTime(9, 30, 0)));
    QCOMPARE(table.GetText(0, 0), pDateTime->text());

    pEditor.reset(pDelegate->createEditor(table.viewport(), QStyleOptionViewItem(), table.GetIndex(1, 0)));
    auto* pDate = qobject_cast<CYearMonthDayEdit*>(pEditor.get());
    QVERIFY(pDate);
    QCOMPARE(pDate->date(), QDate(2026, 12, 1));
    pDate->setDate(QDate(2026, 12, 5));
    pDelegate->setModelData(pDate, table.model(), table.GetIndex(1, 0));
    QCOMPARE(table.GetUserDefineData(1, 0, DateEditRole).toDate(), QDate(2026, 12, 5));
    QCOMPARE(table.GetText(1, 0), pDate->text());
}

// Thirty rows inserted one by one give one fitting, 50 ms after the last
// (each insertion and text restarts the wait; no event runs in between, so a
// loaded machine cannot let the wait run out).
void TestItemViews::columnFittingWaitsForTheBurst()
{
    CTableWidget table;
    table.resize(600, 400);
    table.SetHeaderLabels({QStringLiteral("Plate"), QStringLiteral("Camera")});
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    table.setColumnWidth(0, 20);
    table.SetColumnResizeToContents(0);
    QSignalSpy spy(table.header(), &QHeaderView::sectionResized);
    QElapsedTimer timer;
    timer.start();
    for (int iRow = 0; iRow < 30; ++iRow) {
        table.AddBottomLevelItem();
        table.SetText(iRow, 0, QStringLiteral("Plate ") + QString(iRow + 1, QLatin1Char('W')));
    }
    const qint64 iBurstEnd = timer.elapsed();
    const auto fittings = [&spy]() {
        return std::count_if(spy.cbegin(), spy.cend(), [](const QList<QVariant>& args) { return args.at(0) == 0; });
    };
    QCOMPARE(fittings(), 0);
    QTRY_COMPARE(fittings(), 1);
    QVERIFY(timer.elapsed() - iBurstEnd >= 40);
    QVERIFY(table.columnWidth(0) > table.fontMetrics().horizontalAdvance(QString(30, QLatin1Char('W'))));
    QTest::qWait(120);
    QCOMPARE(fittings(), 1);
}

void TestItemViews::imageDelegateSize()
{
    CImageItemViewDelegate delegate(96, 54);
    QCOMPARE(delegate.sizeHint(QStyleOptionViewItem(), QModelIndex()), QSize(96, 54));
    QImage image(120, 80, QImage::Format_ARGB32);
    image.fill(Qt::white);
    CTreeViewModel model;
    model.insertColumns(0, 1);
    model.insertRows(0, 1);
    QPixmap picture(10, 10);
    picture.fill(Qt::black);
    model.setData(model.index(0, 0), picture, ImageRole);
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 120, 80);
    option.state = QStyle::State_Selected;
    QPainter painter(&image);
    delegate.paint(&painter, option, model.index(0, 0));
    painter.end();
    // The picture fills 96 x 54 in the middle; the veil tints every pixel blue.
    QVERIFY(qBlue(image.pixel(60, 40)) > qRed(image.pixel(60, 40)));
    QVERIFY(qGray(image.pixel(60, 40)) < 100);
    QVERIFY(qGray(image.pixel(5, 5)) > 100);
    QVERIFY(qBlue(image.pixel(5, 5)) > qRed(image.pixel(5, 5)));
}

QTEST_MAIN(TestItemViews)
#include "tst_itemviews.moc"
