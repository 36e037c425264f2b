#include <OrvaGUIToolkit/OrvaGUIToolkit.h>

#include <QtCore/QRegularExpression>
#include <QtGui/QPainter>
#include <QtGui/QStandardItemModel>
#include <QtTest/QtTest>

#include <climits>
#include <limits>

using namespace OrvaGUIToolkit;

Q_DECLARE_METATYPE(Qt::CheckState)

namespace {

QPixmap Square()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::darkCyan);
    return pixmap;
}

// Alarms in a table of three columns: "Time", "Camera", "Actions".
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

void Show(QWidget& widget, int iWidth = 400, int iHeight = 300)
{
    widget.resize(iWidth, iHeight);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
}

void SendRelease(QWidget* pViewport, const QPoint& pos)
{
    QTest::mousePress(pViewport, Qt::LeftButton, Qt::NoModifier, pos);
    QTest::mouseRelease(pViewport, Qt::LeftButton, Qt::NoModifier, pos);
}

QPoint HeaderCheckBox(QHeaderView* pHeader)
{
    QStyleOptionViewItem option;
    option.initFrom(pHeader);
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.rect = QRect(pHeader->sectionViewportPosition(0), 0, pHeader->sectionSize(0), pHeader->height());
    return pHeader->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, pHeader).center();
}

CTableDelegate* Delegate(const QAbstractItemView& view)
{
    return qobject_cast<CTableDelegate*>(view.itemDelegate());
}

std::unique_ptr<QWidget> Editor(CTableWidget& table, int iRow, int iColumn,
                                const QStyleOptionViewItem& option = QStyleOptionViewItem())
{
    return std::unique_ptr<QWidget>(Delegate(table)->createEditor(table.viewport(), option, table.GetIndex(iRow, iColumn)));
}

const QRegularExpression s_reAnyToolkitWarning(QStringLiteral("^C[A-Za-z]+::[A-Za-z]+: .+"));

void IgnoreToolkitWarnings(int iCount)
{
    for (int i = 0; i < iCount; ++i)
        QTest::ignoreMessage(QtWarningMsg, s_reAnyToolkitWarning);
}

} // namespace

class TestItemViews : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // No meta-type registration here: the views register the check state
    // their signals carry, so that a client's signal spy can read it.
    void headerFollowsRows_data()
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

    void headerFollowsRows()
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
        if (headerState != Qt::Unchecked)
            QCOMPARE(int(spy.last().at(0).value<Qt::CheckState>()), headerState);
    }

    void headerClickToggles_data()
    {
        QTest::addColumn<int>("checkedRows");
        QTest::addColumn<bool>("checkable");
        QTest::addColumn<int>("rowState");
        QTest::newRow("partial to checked") << 3 << true << int(Qt::Checked);
        QTest::newRow("unchecked to checked") << 0 << true << int(Qt::Checked);
        QTest::newRow("checked to unchecked") << 5 << true << int(Qt::Unchecked);
        QTest::newRow("not checkable") << 3 << false << -1;
    }

    void headerClickToggles()
    {
        QFETCH(int, checkedRows);
        QFETCH(bool, checkable);
        QFETCH(int, rowState);
        CTableWidget table;
        FillAlarms(table, 5);
        table.SetHeaderCheckState(0, false);
        table.SetHeaderCheckable(0, checkable);
        for (int iRow = 0; iRow < checkedRows; ++iRow)
            table.SetCheckState(iRow, 0, true);
        Show(table);
        auto* pHeader = qobject_cast<CHeaderView*>(table.header());
        QVERIFY(pHeader);
        QSignalSpy spyClicked(pHeader, &CHeaderView::SignalHeadClicked);
        SendRelease(pHeader->viewport(), HeaderCheckBox(pHeader));
        QCOMPARE(spyClicked.count(), rowState < 0 ? 0 : 1);
        QVector<int> vecStates;
        for (int iRow = 0; iRow < 5; ++iRow)
            vecStates << table.GetUserDefineData(iRow, 0, Qt::CheckStateRole).toInt();
        if (rowState < 0) {
            QCOMPARE(vecStates, (QVector<int>{2, 2, 2, 0, 0}));
            return;
        }
        QCOMPARE(int(spyClicked.at(0).at(0).value<Qt::CheckState>()), rowState);
        QCOMPARE(vecStates, QVector<int>(5, rowState));
        QCOMPARE(table.model()->headerData(0, Qt::Horizontal, Qt::CheckStateRole).toInt(), rowState);
    }

    void imageRects_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<int>("x212");
        QTest::addColumn<int>("x213");
        // Cell from x = 100, 200 wide, margin 6; three images of 16 with 4 between them.
        QTest::newRow("left") << int(Qt::AlignLeft) << 106 << 126;
        QTest::newRow("right") << int(Qt::AlignRight) << 234 << 254;
    }

    void imageRects()
    {
        QFETCH(int, alignment);
        QFETCH(int, x212);
        QFETCH(int, x213);
        CTableWidget table;
        FillAlarms(table, 1);
        Show(table, 600);
        table.SetPixmapLeftMargin(6);
        for (int iRole : {Pixmap1Role, Pixmap2Role, Pixmap3Role})
            table.SetUserDefineData(0, 2, Square(), iRole);
        table.SetUserDefineData(0, 2, alignment, PixmapAlignmentRole);
        CTableDelegate* pDelegate = Delegate(table);
        QStyleOptionViewItem option;
        option.rect = QRect(100, 0, 200, 30);
        const QModelIndex miIndex = table.GetIndex(0, 2);
        const Qt::Alignment enumAlignment(alignment);
        QCOMPARE(pDelegate->GetItemPixmapRect(Pixmap1Role, option, miIndex, enumAlignment), QRect(x212, 7, 16, 16));
        QCOMPARE(pDelegate->GetItemPixmapRect(Pixmap2Role, option, miIndex, enumAlignment).x(), x213);
        QVERIFY(pDelegate->GetItemPixmapRect(MoreRightPixmap1Role, option, miIndex, enumAlignment).isEmpty());
        QCOMPARE(pDelegate->CheckMousePos(QPoint(x213 + 3, 15), option, miIndex), Pixmap2Role);
        QCOMPARE(pDelegate->CheckMousePos(QPoint(x213 - 2, 15), option, miIndex), NoItemRole);
    }

    // A click on a cell reports the cell; on an image, the image's role as well.
    void clickSignals()
    {
        CTableWidget table;
        FillAlarms(table, 3);
        table.SetUserDefineData(1, 2, Square(), Pixmap1Role);
        table.SetUserDefineData(1, 2, Square(), Pixmap2Role);
        Show(table, 500);
        QSignalSpy spyCell(&table, QOverload<QModelIndex>::of(&CAbstractItemView::SignalClicked));
        QSignalSpy spyImage(&table, QOverload<QModelIndex, CItemDataRole>::of(&CAbstractItemView::SignalClicked));
        for (int iColumn : {1, 2}) {
            const QRect rectCell = table.visualRect(table.GetIndex(1, iColumn));
            SendRelease(table.viewport(), QPoint(rectCell.left() + 28, rectCell.center().y()));
            QCOMPARE(spyCell.last().at(0).toModelIndex(), table.GetIndex(1, iColumn));
        }
        QCOMPARE(spyCell.count(), 2);
        QCOMPARE(spyImage.count(), 1);
        QCOMPARE(int(spyImage.at(0).at(1).value<CItemDataRole>()), int(Pixmap2Role));
    }

    void comboEditor()
    {
        CTableWidget table;
        FillAlarms(table, 2);
        const QStringList listLevels{QStringLiteral("Low"), QStringLiteral("Medium"), QStringLiteral("High")};
        table.SetText(0, 1, QStringLiteral("Medium"));
        table.SetUserDefineData(0, 1, listLevels, ComboItemsRole);
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 120, 24);
        std::unique_ptr<QWidget> pEditor = Editor(table, 0, 1, option);
        auto* pCombo = qobject_cast<CComboBox*>(pEditor.get());
        QVERIFY(pCombo);
        QCOMPARE(pCombo->count(), 3);
        QCOMPARE(pCombo->GetCurrentIndex(), 1);
        QCOMPARE(pCombo->size(), QSize(120, 24));
        pCombo->setCurrentIndex(2);
        QSignalSpy spy(&table, &CAbstractItemView::SignalComboBoxTextChanged);
        Delegate(table)->setModelData(pCombo, table.model(), table.GetIndex(0, 1));
        QCOMPARE(table.GetText(0, 1), QStringLiteral("High"));
        QCOMPARE(table.GetUserDefineData(0, 1, ComboCurrentIndexRole).toInt(), 2);
        QCOMPARE(spy.count(), 1);
        // Next time the stored index decides, whatever the text.
        table.SetText(0, 1, QStringLiteral("Low"));
        QCOMPARE(qobject_cast<CComboBox*>(Editor(table, 0, 1).get())->GetCurrentIndex(), 2);

        // A text missing from the list joins it and is chosen.
        table.SetText(1, 1, QStringLiteral("Critical"));
        table.SetUserDefineData(1, 1, QStringList{QStringLiteral("Low")}, ComboItemsRole);
        QCOMPARE(qobject_cast<CComboBox*>(Editor(table, 1, 1).get())->GetCurrentIndex(), 1);
        QCOMPARE(table.GetUserDefineData(1, 1, ComboItemsRole).toStringList(), (QStringList{"Low", "Critical"}));
    }

    void editorKinds()
    {
        CTableWidget table;
        FillAlarms(table, 1);
        table.SetMaxLength(0, 1, 8);
        std::unique_ptr<QWidget> pEditor = Editor(table, 0, 1);
        auto* pEdit = qobject_cast<CLineEdit*>(pEditor.get());
        QVERIFY(pEdit);
        QCOMPARE(pEdit->text(), QStringLiteral("Gate 0"));
        auto* pValidator = qobject_cast<const CRegExpValidator*>(pEdit->validator());
        QVERIFY(pValidator && pValidator->GetMaxLength() == 8);
        pEdit->setText(QStringLiteral("Gate 9"));
        QSignalSpy spy(&table, &CAbstractItemView::SignalEditingFinished);
        Delegate(table)->setModelData(pEdit, table.model(), table.GetIndex(0, 1));
        QCOMPARE(table.GetText(0, 1), QStringLiteral("Gate 9"));
        QCOMPARE(spy.count(), 1);
        QVERIFY(!qobject_cast<QLineEdit*>(Editor(table, 0, 0).get())->validator());

        // A combo list wins over dates, a date-time over a date.
        const QDateTime dtAlarm(QDate(2026, 11, 30), QTime(8, 15, 0));
        table.SetUserDefineData(0, 1, dtAlarm.date(), DateEditRole);
        table.SetUserDefineData(0, 1, dtAlarm, DateTimeEditRole);
        QVERIFY(qobject_cast<CDateTimeEdit*>(Editor(table, 0, 1).get()));
        table.SetUserDefineData(0, 1, QStringList{QStringLiteral("Gate 0")}, ComboItemsRole);
        QVERIFY(qobject_cast<CComboBox*>(Editor(table, 0, 1).get()));
    }

    void dateEditorsWriteBack()
    {
        CTableWidget table;
        FillAlarms(table, 2);
        table.SetUserDefineData(0, 0, QDateTime(QDate(2026, 11, 30), QTime(8, 15, 0)), DateTimeEditRole);
        table.SetUserDefineData(1, 0, QDate(2026, 12, 1), DateEditRole);
        std::unique_ptr<QWidget> pEditor = Editor(table, 0, 0);
        auto* pDateTime = qobject_cast<CDateTimeEdit*>(pEditor.get());
        QVERIFY(pDateTime);
        Delegate(table)->setEditorData(pDateTime, table.GetIndex(0, 0));
        QCOMPARE(pDateTime->dateTime(), QDateTime(QDate(2026, 11, 30), QTime(8, 15, 0)));
        pDateTime->setDateTime(QDateTime(QDate(2026, 12, 2), QTime(9, 30, 0)));
        Delegate(table)->setModelData(pDateTime, table.model(), table.GetIndex(0, 0));
        QCOMPARE(table.GetUserDefineData(0, 0, DateTimeEditRole).toDateTime(), QDateTime(QDate(2026, 12, 2), QTime(9, 30, 0)));
        QCOMPARE(table.GetText(0, 0), pDateTime->text());

        pEditor = Editor(table, 1, 0);
        auto* pDate = qobject_cast<CYearMonthDayEdit*>(pEditor.get());
        QVERIFY(pDate);
        QCOMPARE(pDate->date(), QDate(2026, 12, 1));
        pDate->setDate(QDate(2026, 12, 5));
        Delegate(table)->setModelData(pDate, table.model(), table.GetIndex(1, 0));
        QCOMPARE(table.GetUserDefineData(1, 0, DateEditRole).toDate(), QDate(2026, 12, 5));
        QCOMPARE(table.GetText(1, 0), pDate->text());
    }

    // Thirty rows inserted one by one give one fitting, 50 ms after the last
    // (each insertion and text restarts the wait; no event runs in between, so a
    // loaded machine cannot let the wait run out).
    void columnFittingWaitsForTheBurst()
    {
        CTableWidget table;
        table.SetHeaderLabels({QStringLiteral("Plate"), QStringLiteral("Camera")});
        Show(table, 600, 400);
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

    // The picture fills the delegate's size in the middle of the cell; selection
    // veils the whole cell in blue.
    void imageDelegatePaintsVeiledPicture()
    {
        CImageItemViewDelegate delegate(96, 54);
        QStandardItemModel model(1, 1);
        QPixmap picture(10, 10);
        picture.fill(Qt::black);
        model.setData(model.index(0, 0), picture, ImageRole);
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 120, 80);
        option.state = QStyle::State_Selected;
        QImage image(120, 80, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        delegate.paint(&painter, option, model.index(0, 0));
        painter.end();
        const QRgb rgbPicture = image.pixel(60, 40);
        const QRgb rgbMargin = image.pixel(5, 5);
        QVERIFY(qBlue(rgbPicture) > qRed(rgbPicture) && qGray(rgbPicture) < 100);
        QVERIFY(qBlue(rgbMargin) > qRed(rgbMargin) && qGray(rgbMargin) > 100);
    }

    // Out-of-range rows and columns of every kind are refused without effect.
    void modelExtremes()
    {
        CTreeViewModel model;
        model.insertColumns(0, 2);
        model.insertRows(0, 3);
        for (const QPoint& pt : {QPoint(INT_MIN, INT_MIN), QPoint(3, 0), QPoint(0, INT_MAX)}) {
            // A row that exists takes any column; a node refuses to grow that far.
            const bool bRowExists = pt.x() == 0;
            QCOMPARE(model.index(pt.x(), pt.y()).isValid(), bRowExists);
            IgnoreToolkitWarnings(bRowExists ? 1 : 0);
            QVERIFY(!model.setData(model.index(pt.x(), pt.y()), 1));
            QVERIFY(!model.index(pt.x(), pt.y()).data().isValid());
            QVERIFY(!model.headerData(pt.y(), Qt::Horizontal, INT_MIN).isValid());
            QVERIFY(!model.GetItem(model.index(0, 0))->Child(pt.x()));
            IgnoreToolkitWarnings(4);
            QVERIFY(!model.insertRows(pt.x(), INT_MAX));
            QVERIFY(!model.removeRows(pt.x(), INT_MAX));
            QVERIFY(!model.insertColumns(pt.y(), INT_MAX));
            QVERIFY(!model.removeColumns(pt.y(), INT_MAX));
        }
        IgnoreToolkitWarnings(1);
        QVERIFY(!model.setHeaderData(INT_MAX, Qt::Horizontal, QStringLiteral("x")));
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.columnCount(), 2);
        CTableWidget table;
        IgnoreToolkitWarnings(2);
        table.SetColumnCount(INT_MAX);
        QCOMPARE(table.model()->columnCount(), 0);
        QVERIFY(!table.SetText(0, INT_MAX, QStringLiteral("x")));
        QCOMPARE(table.InsertItem(INT_MIN), -1);
    }

    void itemInsertedUnderItself()
    {
        CTreeViewModel model;
        model.insertColumns(0, 1);
        auto* pArea = new CTreeViewItem;
        auto* pDevice = new CTreeViewItem;
        QVERIFY(model.insertRow(pArea, 0));
        QVERIFY(model.insertRow(pDevice, 0, model.index(0, 0)));
        QTest::ignoreMessage(QtWarningMsg, "CTreeViewItem::InsertChild: pItem is this item or one of its ancestors");
        QVERIFY(!pDevice->InsertChild(0, pArea));
        auto* pOther = new CTreeViewItem;
        QVERIFY(model.insertRow(pOther, 1));
        QTest::ignoreMessage(QtWarningMsg, "CTreeViewItem::InsertChild: pItem already has a holder");
        QVERIFY(!pDevice->InsertChild(0, pOther));
        QTest::ignoreMessage(QtWarningMsg, "CTreeViewItem::InsertChild: pItem == NULL");
        QVERIFY(!pDevice->InsertChild(0, nullptr));
        QTest::ignoreMessage(QtWarningMsg, "CTreeViewModel::insertRow: pItem is this item or one of its ancestors");
        QVERIFY(!model.insertRow(pArea, 0, model.index(0, 0, model.index(0, 0))));
        QCOMPARE(pDevice->ChildCount(), 0);

        // One item listed twice would be owned, and deleted, twice.
        auto* pTwice = new CTreeViewItem;
        QTest::ignoreMessage(QtWarningMsg, "CTreeViewModel::insertRows: an item is listed twice");
        QVERIFY(!model.insertRows(0, {pTwice, pTwice}));
        QVERIFY(model.insertRows(0, {pTwice}));
        QTest::ignoreMessage(QtWarningMsg, "CTreeViewModel::insertRows: pItem already has a holder");
        QVERIFY(!model.insertRows(1, {pTwice}));
        QCOMPARE(model.rowCount(), 3);
    }

    // A slot of the model removes the rows being checked; the view must neither
    // crash nor touch removed nodes.
    void removingRowsWhileCheckPropagates()
    {
        CTreeViewModel model;
        model.insertColumns(0, 1);
        model.insertRows(0, 2);
        for (int iDevice = 0; iDevice < 2; ++iDevice) {
            model.GetItem(model.index(iDevice, 0))->SetCheckBoxState(0, false);
            model.insertRows(0, 4, model.index(iDevice, 0));
            for (int iChannel = 0; iChannel < 4; ++iChannel)
                model.GetItem(model.index(iChannel, 0, model.index(iDevice, 0)))->SetCheckBoxState(0, false);
        }
        CTreeView view;
        view.setModel(&model);
        int iRemovals = 0;
        connect(&model, &QAbstractItemModel::dataChanged, &model, [&](const QModelIndex& miIndex) {
            if (miIndex.parent().isValid() && miIndex.row() == 1 && iRemovals++ < 3)
                model.removeRows(0, model.rowCount(miIndex.parent()), miIndex.parent());
        });
        model.setData(model.index(0, 0), Qt::Checked, Qt::CheckStateRole);
        QCOMPARE(model.rowCount(model.index(0, 0)), 0);
        model.setData(model.index(1, 0), Qt::Checked, Qt::CheckStateRole);
        model.removeRows(0, 2);
        QCOMPARE(model.rowCount(), 0);
    }

    // A tree view without a model, then with a delegate that knows no images.
    void viewsWithoutModel()
    {
        CTreeView view;
        view.setModel(nullptr);
        view.ExpandAll(QModelIndex());
        CTreeView::ExpandState enumState = CTreeView::PartlyExpanded;
        QVERIFY(!view.GetExpandState(enumState, QModelIndex()));
        QCOMPARE(enumState, CTreeView::PartlyExpanded);
        view.SetColumnResizeToContents(3);
        Show(view, 300, 200);
        QSignalSpy spyCell(&view, QOverload<QModelIndex>::of(&CAbstractItemView::SignalClicked));
        QSignalSpy spyImage(&view, QOverload<QModelIndex, CItemDataRole>::of(&CAbstractItemView::SignalClicked));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QCOMPARE(spyCell.count(), 1);
        QVERIFY(!spyCell.at(0).at(0).toModelIndex().isValid());
        QTest::qWait(80); // the deferred column fitting runs without a model
        auto* pHeader = qobject_cast<CHeaderView*>(view.header());
        QVERIFY(pHeader);
        pHeader->OnUpdateCheckState();

        CTreeViewModel model;
        model.insertColumns(0, 1);
        model.insertRows(0, 1);
        model.setData(model.index(0, 0), QStringLiteral("Gate"));
        model.setData(model.index(0, 0), Square(), Pixmap1Role);
        view.setModel(&model);
        view.setItemDelegate(new QStyledItemDelegate(&view));
        const QRect rectCell = view.visualRect(model.index(0, 0));
        SendRelease(view.viewport(), QPoint(rectCell.left() + 4, rectCell.center().y()));
        QCOMPARE(spyCell.count(), 2);
        QCOMPARE(spyImage.count(), 0);
    }

    void oddCellValues_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<QVariant>("value");
        const double dNaN = std::numeric_limits<double>::quiet_NaN();
        const double dInf = std::numeric_limits<double>::infinity();
        QTest::newRow("progress NaN") << int(ProgressRole) << QVariant(dNaN);
        QTest::newRow("combo index INT_MAX") << int(ComboCurrentIndexRole) << QVariant(INT_MAX);
        QTest::newRow("image of wrong type") << int(Pixmap2Role) << QVariant(QStringLiteral("not a pixmap"));
        QTest::newRow("invalid date-time") << int(DateTimeEditRole) << QVariant(QDateTime(QDate(2026, 2, 30), QTime()));
    }

    // Whatever a cell holds, painting, hit tests and editors keep working.
    void oddCellValues()
    {
        QFETCH(int, role);
        QFETCH(QVariant, value);
        CTableWidget table;
        FillAlarms(table, 3);
        table.SetUserDefineData(1, 1, value, role);
        table.SetUserDefineData(1, 1, Square(), Pixmap1Role);
        Show(table, 400, 200);
        QVERIFY(!table.grab().isNull());
        auto* pDelegate = Delegate(table);
        QStyleOptionViewItem option;
        option.rect = table.visualRect(table.GetIndex(1, 1));
        const QModelIndex miCell = table.GetIndex(1, 1);
        pDelegate->CheckMousePos(option.rect.center(), option, miCell);
        std::unique_ptr<QWidget> pEditor(pDelegate->createEditor(table.viewport(), option, miCell));
        QVERIFY(pEditor);
        pDelegate->setEditorData(pEditor.get(), miCell);
        pDelegate->updateEditorGeometry(pEditor.get(), option, miCell);
        pDelegate->setModelData(pEditor.get(), table.model(), miCell);
        QVERIFY(table.GetIndex(1, 1).isValid());
    }

    // Each signal the views emit from their own handlers, with a slot that
    // deletes the control the signal came from.
    void deletingSlots_data()
    {
        QTest::addColumn<int>("iCase");
        int iCase = 0;
        for (const char* pszName : {"SignalClicked(index)", "SignalClicked(index, role)", "SignalHeadClicked",
                                    "SignalHeaderCheckStateChanged", "SignalComboBoxTextChanged", "SignalEditingFinished"})
            QTest::newRow(pszName) << iCase++;
    }

    void deletingSlots()
    {
        QFETCH(int, iCase);
        QPointer<CTableWidget> pTable = new CTableWidget;
        FillAlarms(*pTable, 3);
        pTable->SetHeaderCheckState(0, false);
        pTable->SetHeaderCheckable(0, true);
        pTable->SetUserDefineData(1, 2, Square(), Pixmap1Role);
        pTable->SetUserDefineData(0, 1, QStringList{QStringLiteral("Low"), QStringLiteral("High")}, ComboItemsRole);
        Show(*pTable, 400, 200);
        const auto deleteTable = [pTable] { delete pTable.data(); };
        auto* pHeader = qobject_cast<CHeaderView*>(pTable->header());
        const QRect rectImage = pTable->visualRect(pTable->GetIndex(1, 2));
        CTableDelegate* pDelegate = Delegate(*pTable);
        std::unique_ptr<QWidget> pCombo(pDelegate->createEditor(nullptr, QStyleOptionViewItem(), pTable->GetIndex(0, 1)));
        QLineEdit edit(QStringLiteral("Cam 9"));
        switch (iCase) {
        case 0:
            connect(pTable, QOverload<QModelIndex>::of(&CAbstractItemView::SignalClicked), deleteTable);
            QTest::mouseClick(pTable->viewport(), Qt::LeftButton, Qt::NoModifier, rectImage.center());
            break;
        case 1:
            connect(pTable, QOverload<QModelIndex, CItemDataRole>::of(&CAbstractItemView::SignalClicked), deleteTable);
            QTest::mouseClick(pTable->viewport(), Qt::LeftButton, Qt::NoModifier, rectImage.topLeft() + QPoint(8, 8));
            break;
        case 2:
        case 3:
            if (iCase == 2)
                connect(pHeader, &CHeaderView::SignalHeadClicked, deleteTable);
            else
                connect(pTable, &CAbstractItemView::SignalHeaderCheckStateChanged, deleteTable);
            QTest::mouseClick(pHeader->viewport(), Qt::LeftButton, Qt::NoModifier, HeaderCheckBox(pHeader));
            break;
        case 4:
            connect(pTable, &CAbstractItemView::SignalComboBoxTextChanged, deleteTable);
            pDelegate->setModelData(pCombo.get(), pTable->model(), pTable->GetIndex(0, 1));
            break;
        case 5:
            connect(pTable, &CAbstractItemView::SignalEditingFinished, deleteTable);
            pDelegate->setModelData(&edit, pTable->model(), pTable->GetIndex(0, 0));
            break;
        }
        QVERIFY(pTable.isNull());
    }
};

QTEST_MAIN(TestItemViews)
#include "tst_itemviews.moc"
