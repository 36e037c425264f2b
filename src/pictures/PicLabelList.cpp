#include "pictures/PicLabelListPrivate.h"

#include "foundation/EventPosition.h"
#include "foundation/ToolkitLogging.h"
#include "pictures/list/PictureCache.h"

#include <OrvaGUIToolkit/Picture/PicDataModel.h>
#include <OrvaGUIToolkit/Picture/PicLabel.h>

#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QSpacerItem>

namespace OrvaGUIToolkit {

namespace {

// Picture sizes beyond any widget's size only ever fail the fit tests;
// keeping them in the widget range keeps the arithmetic in int.
int ClampSize(unsigned uSize)
{
    return int(qMin<unsigned>(uSize, QWIDGETSIZE_MAX));
}

// The mouse position in the list, kept within the widget size range on both
// sides so that band rectangles from any event stay within int arithmetic.
QPoint BandPoint(const QMouseEvent* pEvent)
{
    const QPoint point = EventPos(pEvent);
    return QPoint(qBound(-QWIDGETSIZE_MAX, point.x(), QWIDGETSIZE_MAX),
                  qBound(-QWIDGETSIZE_MAX, point.y(), QWIDGETSIZE_MAX));
}

} // namespace

unsigned CPicLabelListPrivate::NextLsh()
{
    return ++m_uLastLsh;
}

struPicRecord* CPicLabelListPrivate::Record(unsigned uLsh)
{
    for (struPicRecord& record : m_listRecords) {
        if (record.uLsh == uLsh)
            return &record;
    }
    return nullptr;
}

void CPicLabelListPrivate::LogMissing(unsigned uLsh) const
{
    qCDebug(lcOrvaGUIToolkit) << "PicLsh" << uLsh << "is not existed.";
}

bool CPicLabelListPrivate::RemoveRecord(unsigned uLsh)
{
    Q_Q(CPicLabelList);
    const int iIndex = q->IsContain(uLsh);
    if (iIndex < 0) {
        LogMissing(uLsh);
        return false;
    }
    m_listRecords.removeAt(iIndex);
    if (m_pModel)
        m_pModel->DelItem(uLsh);
    return true;
}

void CPicLabelListPrivate::CountChanged()
{
    Q_Q(CPicLabelList);
    m_uPicCount = unsigned(m_listRecords.size());
    q->DoPaging();
}

CPicBaseLabel* CPicLabelListPrivate::CreateLabel(const struPicRecord& record)
{
    Q_Q(CPicLabelList);
    CPicLabel* pLabel = m_bAutoMargin
                            ? new CPicLabel(q)
                            : new CPicLabel(m_iMarginLeft, m_iMarginTop, m_iMarginRight, m_iMarginBottom, q);
    // The list's selection colour is invalid until the client sets one; the
    // label keeps its own then, so that a selection stays visible.
    if (m_colorLabelSelected.isValid() && m_colorLabelSelected != pLabel->GetSelectedColor())
        pLabel->SetSelectedColor(m_colorLabelSelected);
    if (!m_pmLabelBackground.isNull())
        pLabel->SetBackground(m_pmLabelBackground);
    m_listShownLabels.append(pLabel);
    QObject::connect(pLabel, &CPicBaseLabel::SignalDoubleClicked, q, &CPicLabelList::SignalLabelDbClicked);
    QObject::connect(pLabel, &CPicBaseLabel::SignalPicLabelClicked, q, &CPicLabelList::SignalLabelClicked);

    pLabel->setFixedSize(ClampSize(m_uPicWidth), ClampSize(m_uPicHeight));
    ShowRecordPicture(pLabel, record);
    pLabel->SetTips(record.strTips);
    pLabel->SetText(record.strText);
    // A label added to a list on show would only appear (and be laid out)
    // once the event loop ran.
    pLabel->show();
    return pLabel;
}

void CPicLabelListPrivate::ShowRecordPicture(CPicBaseLabel* pLabel, const struPicRecord& record) const
{
    pLabel->SetPicLsh(record.uLsh);
    if (record.bPixmapGiven && record.pPixmap)
        pLabel->SetPicture(record.uLsh, *record.pPixmap);
    else
        pLabel->LoadPicture(record.strPath);
}

void CPicLabelListPrivate::BuildPage(const struPicPagingGroup& group)
{
    Q_Q(CPicLabelList);
    m_pGridLayout = new QGridLayout;
    m_pGridLayout->setSpacing(m_iGap);
    // A column takes picture width + gap of the list's width: the gap goes
    // before the first column and row, none after the last.
    m_pGridLayout->setContentsMargins(m_iGap, m_iGap, 0, 0);
    const int iColumns = qMax(1, group.iColumns);
    for (int i = 0; i < group.listLsh.size(); ++i) {
        const struPicRecord* pRecord = Record(group.listLsh.at(i));
        if (!pRecord)
            continue;
        CPicBaseLabel* pLabel = CreateLabel(*pRecord);
        const int iRow = i / iColumns;
        const int iColumn = i % iColumns;
        m_pGridLayout->addWidget(pLabel, iRow, iColumn, Qt::AlignLeft | Qt::AlignTop);
        if (iColumn == iColumns - 1 || i == group.listLsh.size() - 1)
            m_pGridLayout->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum), iRow,
                                   iColumn + 1);
    }
    m_pGridLayout->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                           m_pGridLayout->rowCount(), 0);
    q->setLayout(m_pGridLayout);
}

bool CPicLabelListPrivate::PageInWidgetRange(const struPicPagingGroup& group) const
{
    const qint64 iColumns = qMax(1, group.iColumns);
    const qint64 iRows = qMax<qint64>(1, (qint64(group.listLsh.size()) + iColumns - 1) / iColumns);
    const qint64 iWidth = iColumns * (qint64(ClampSize(m_uPicWidth)) + m_iGap) + m_iGap;
    const qint64 iHeight = iRows * (qint64(ClampSize(m_uPicHeight)) + m_iGap) + m_iGap;
    return iWidth <= QWIDGETSIZE_MAX && iHeight <= QWIDGETSIZE_MAX;
}

QList<CPicBaseLabel*> CPicLabelListPrivate::SelectedLabels() const
{
    QList<CPicBaseLabel*> listSelected;
    for (CPicBaseLabel* pLabel : m_listShownLabels) {
        if (pLabel->IsSelected())
            listSelected.append(pLabel);
    }
    return listSelected;
}

CPicBaseLabel* CPicLabelListPrivate::LabelAt(const QPoint& point) const
{
    for (CPicBaseLabel* pLabel : m_listShownLabels) {
        if (pLabel->geometry().contains(point))
            return pLabel;
    }
    return nullptr;
}

CPicLabelList::CPicLabelList(unsigned uWidth, unsigned uHeight, QWidget* pParent)
    : CPicLabelList(*new CPicLabelListPrivate, uWidth, uHeight, pParent)
{
}

CPicLabelList::CPicLabelList(CPicLabelListPrivate& dd, unsigned uWidth, unsigned uHeight, QWidget* pParent)
    : QFrame(pParent)
    , d_ptr(&dd)
{
    Q_D(CPicLabelList);
    d->q_ptr = this;
    d->m_uPicWidth = uWidth;
    d->m_uPicHeight = uHeight;
    setObjectName(QStringLiteral("CPicLabelList"));
}

CPicLabelList::~CPicLabelList() = default;

unsigned CPicLabelList::AddPic(const QString& strPath)
{
    Q_D(CPicLabelList);
    if (!strPath.isEmpty()) {
        const int iIndex = IsContain(strPath);
        if (iIndex >= 0)
            return d->m_listRecords.at(iIndex).uLsh;
    }
    return InsertPic(d->m_listRecords.size(), strPath);
}

QList<unsigned> CPicLabelList::AddPics(const QList<QString>& listPaths)
{
    Q_D(CPicLabelList);
    QList<unsigned> listLsh;
    listLsh.reserve(listPaths.size());
    d->m_listRecords.reserve(d->m_listRecords.size() + listPaths.size());
    for (const QString& strPath : listPaths) {
        struPicRecord record;
        record.uLsh = d->NextLsh();
        record.strPath = strPath;
        d->m_listRecords.append(record);
        if (d->m_pModel)
            d->m_pModel->AddItem(record.uLsh, QVariant());
        listLsh.append(record.uLsh);
    }
    d->CountChanged();
    return listLsh;
}

unsigned CPicLabelList::InsertPic(int iIndex, const QString& strPath)
{
    Q_D(CPicLabelList);
    if (iIndex < 0)
        return InvalidLsh;
    if (!strPath.isEmpty() && iIndex < d->m_listRecords.size() && d->m_listRecords.at(iIndex).strPath == strPath)
        return d->m_listRecords.at(iIndex).uLsh;
    struPicRecord record;
    record.uLsh = d->NextLsh();
    record.strPath = strPath;
    d->m_listRecords.insert(qMin(iIndex, int(d->m_listRecords.size())), record);
    if (d->m_pModel)
        d->m_pModel->AddItem(record.uLsh, QVariant());
    d->CountChanged();
    return record.uLsh;
}

unsigned CPicLabelList::AddPixmap(const QPixmap& pixmap)
{
    Q_D(CPicLabelList);
    struPicRecord record;
    record.uLsh = d->NextLsh();
    record.pPixmap = std::make_shared<QPixmap>(pixmap);
    record.bPixmapGiven = true;
    d->m_listRecords.append(record);
    if (d->m_pModel)
        d->m_pModel->AddItem(record.uLsh, QVariant());
    d->CountChanged();
    return record.uLsh;
}

bool CPicLabelList::UpdatePic(unsigned uLsh, const QString& strPath)
{
    Q_D(CPicLabelList);
    struPicRecord* pRecord = d->Record(uLsh);
    if (!pRecord) {
        d->LogMissing(uLsh);
        return false;
    }
    pRecord->strPath = strPath;
    pRecord->bPixmapGiven = false;
    pRecord->pPixmap.reset();
    return true;
}

void CPicLabelList::SetPicText(unsigned uLsh, const QString& strText)
{
    Q_D(CPicLabelList);
    struPicRecord* pRecord = d->Record(uLsh);
    if (pRecord)
        pRecord->strText = strText;
    else
        d->LogMissing(uLsh);
}

void CPicLabelList::SetLabelTips(const QList<QString>& listTips)
{
    Q_D(CPicLabelList);
    const int iCount = qMin(listTips.size(), d->m_listRecords.size());
    for (int i = 0; i < iCount; ++i)
        d->m_listRecords[i].strTips = listTips.at(i);
    for (CPicBaseLabel* pLabel : d->m_listShownLabels) {
        if (const struPicRecord* pRecord = d->Record(pLabel->GetPicLsh()))
            pLabel->SetTips(pRecord->strTips);
    }
}

bool CPicLabelList::DelPics(unsigned uLsh)
{
    Q_D(CPicLabelList);
    if (!d->RemoveRecord(uLsh))
        return false;
    ClearAllPics();
    d->CountChanged();
    return true;
}

bool CPicLabelList::DelPics(QList<unsigned> listLsh)
{
    Q_D(CPicLabelList);
    if (listLsh.isEmpty())
        return true;
    for (unsigned uLsh : listLsh)
        d->RemoveRecord(uLsh);
    ClearAllPics();
    d->CountChanged();
    return true;
}

bool CPicLabelList::DelAllPics()
{
    Q_D(CPicLabelList);
    d->m_listRecords.clear();
    if (d->m_pModel)
        d->m_pModel->ClearAll();
    ClearAllPics();
    d->CountChanged();
    return true;
}

void CPicLabelList::ClearAllPics()
{
    Q_D(CPicLabelList);
    const QList<CPicBaseLabel*> listLabels = d->m_listShownLabels;
    d->m_listShownLabels.clear();
    d->m_listSelectedLabels.clear();
    d->m_pAnchorLabel = nullptr;
    for (CPicBaseLabel* pLabel : listLabels) {
        if (const struPicRecord* pRecord = d->Record(pLabel->GetPicLsh()))
            CPictureCache::Release(pRecord->strPath, pLabel->DecodeSize());
        delete pLabel;
    }
    delete d->m_pGridLayout;
    d->m_pGridLayout = nullptr;
}

int CPicLabelList::IsContain(unsigned uLsh) const
{
    Q_D(const CPicLabelList);
    for (int i = 0; i < d->m_listRecords.size(); ++i) {
        if (d->m_listRecords.at(i).uLsh == uLsh)
            return i;
    }
    return -1;
}

int CPicLabelList::IsContain(const QString& strPath) const
{
    Q_D(const CPicLabelList);
    for (int i = 0; i < d->m_listRecords.size(); ++i) {
        if (d->m_listRecords.at(i).strPath == strPath)
            return i;
    }
    return -1;
}

unsigned CPicLabelList::GetFirstPicLsh() const
{
    Q_D(const CPicLabelList);
    return d->m_listRecords.isEmpty() ? InvalidLsh : d->m_listRecords.first().uLsh;
}

unsigned CPicLabelList::GetNextPicLsh(unsigned uLsh) const
{
    Q_D(const CPicLabelList);
    const int iIndex = IsContain(uLsh);
    if (iIndex < 0 || iIndex + 1 >= d->m_listRecords.size())
        return InvalidLsh;
    return d->m_listRecords.at(iIndex + 1).uLsh;
}

unsigned CPicLabelList::GetPictureCount() const
{
    Q_D(const CPicLabelList);
    return d->m_uPicCount;
}

CPicBaseLabel* CPicLabelList::GetPicLabel(unsigned uLsh) const
{
    Q_D(const CPicLabelList);
    for (CPicBaseLabel* pLabel : d->m_listShownLabels) {
        if (pLabel->GetPicLsh() == uLsh)
            return pLabel;
    }
    return nullptr;
}

void CPicLabelList::GetPicLabels(QList<CPicBaseLabel*>* pListLabels) const
{
    Q_D(const CPicLabelList);
    if (!pListLabels) {
        qCWarning(lcOrvaGUIToolkit, "CPicLabelList::GetPicLabels: pListLabels == NULL");
        return;
    }
    *pListLabels = d->m_listShownLabels;
}

void CPicLabelList::DoPaging()
{
    Q_D(CPicLabelList);
    if (d->m_uPicCount == 0) {
        Q_EMIT SignalSetPageInfo(0, 0);
        return;
    }
    const qint64 iWidth = width();
    const qint64 iCellWidth = qint64(d->m_uPicWidth) + d->m_iGap;
    const qint64 iCellHeight = qint64(d->m_uPicHeight) + d->m_iGap;
    // A picture of no size and no gap would take no room at all.
    if (iCellWidth <= 0 || iCellHeight <= 0) {
        qCWarning(lcOrvaGUIToolkit, "CPicLabelList::DoPaging: picture size + gap == 0");
        return;
    }
    if (qint64(d->m_uPicWidth) + 2 * d->m_iGap > iWidth)
        return;
    const int iColumns = int(iWidth / iCellWidth);
    const int iCount = d->m_listRecords.size();
    const int iRows = (iCount + iColumns - 1) / iColumns;

    int iRowsPerPage = iRows;
    if (d->m_enumShowMode == SinglePage) {
        const qint64 iNeeded = qMin<qint64>(iCellHeight * iRows, QWIDGETSIZE_MAX);
        if (height() < iNeeded)
            setFixedHeight(int(iNeeded));
    } else {
        const qint64 iHeight = height();
        if (iCellHeight > iHeight)
            return;
        iRowsPerPage = int(iHeight / iCellHeight);
    }

    // Every page but the last is full; the last takes the rest.
    d->m_listGroups.clear();
    const int iPerPage = int(qMin<qint64>(qint64(iRowsPerPage) * iColumns, iCount));
    for (int iFirst = 0; iFirst < iCount; iFirst += iPerPage) {
        struPicPagingGroup group;
        group.uPage = unsigned(d->m_listGroups.size() + 1);
        group.iHSpacing = d->m_iGap;
        group.iVSpacing = d->m_iGap;
        group.iCount = qMin(iPerPage, iCount - iFirst);
        group.iColumns = iColumns;
        group.iRows = (group.iCount + iColumns - 1) / iColumns;
        group.listLsh.reserve(group.iCount);
        for (int i = iFirst; i < iFirst + group.iCount; ++i)
            group.listLsh.append(d->m_listRecords.at(i).uLsh);
        d->m_listGroups.append(group);
    }
    d->m_uTotalPages = unsigned(d->m_listGroups.size());
    if (d->m_enumShowMode == SinglePage) {
        d->m_uCurrentPage = 1;
        return;
    }
    d->m_uCurrentPage = qMin(d->m_uCurrentPage, d->m_uTotalPages);
    Q_EMIT SignalSetPageInfo(d->m_uTotalPages, d->m_uCurrentPage);
}

bool CPicLabelList::ShowPage(unsigned uPage)
{
    Q_D(CPicLabelList);
    // The page is built from the last paging run's groups at the current
    // picture size, also when the pictures no longer fit the list; only a page
    // larger than any widget can be is refused.
    if (uPage < 1 || uPage > d->m_uTotalPages || int(uPage) > d->m_listGroups.size()
        || !d->PageInWidgetRange(d->m_listGroups.at(int(uPage) - 1)))
        return false;
    ClearAllPics();
    d->m_uCurrentPage = uPage;
    d->BuildPage(d->m_listGroups.at(int(uPage) - 1));
    return false;
}

void CPicLabelList::OnShowPage(unsigned uPage)
{
    ShowPage(uPage);
}

void CPicLabelList::RefreshCurrentPage()
{
    Q_D(CPicLabelList);
    DoPaging();
    ShowPage(d->m_uCurrentPage);
}

void CPicLabelList::SetShowMode(ShowMode enumMode)
{
    Q_D(CPicLabelList);
    d->m_enumShowMode = enumMode == SinglePage ? SinglePage : Paged;
}

CPicLabelList::ShowMode CPicLabelList::GetShowMode() const
{
    Q_D(const CPicLabelList);
    return d->m_enumShowMode;
}

unsigned CPicLabelList::GetTotalPageNum() const
{
    Q_D(const CPicLabelList);
    return d->m_uTotalPages;
}

unsigned CPicLabelList::GetCurrentPage() const
{
    Q_D(const CPicLabelList);
    return d->m_uCurrentPage;
}

void CPicLabelList::SetPicSelected(unsigned uLsh, bool bSelected)
{
    Q_D(CPicLabelList);
    CPicBaseLabel* pLabel = GetPicLabel(uLsh);
    if (!pLabel)
        return;
    pLabel->SetSelected(bSelected);
    d->m_listSelectedLabels.removeAll(pLabel);
    if (bSelected)
        d->m_listSelectedLabels.append(pLabel);
}

void CPicLabelList::SelectAllPics()
{
    Q_D(CPicLabelList);
    for (CPicBaseLabel* pLabel : d->m_listShownLabels)
        pLabel->SetSelected(true);
    d->m_listSelectedLabels = d->m_listShownLabels;
}

void CPicLabelList::SetNoSelectedPic()
{
    Q_D(CPicLabelList);
    for (CPicBaseLabel* pLabel : d->m_listShownLabels)
        pLabel->SetSelected(false);
    d->m_listSelectedLabels.clear();
}

QList<unsigned> CPicLabelList::GetSelectedPics(CPicDataModel* pModel) const
{
    Q_D(const CPicLabelList);
    QList<unsigned> listLsh;
    for (const CPicBaseLabel* pLabel : d->SelectedLabels())
        listLsh.append(pLabel->GetPicLsh());
    if (pModel) {
        pModel->ClearAll();
        for (unsigned uLsh : listLsh)
            pModel->AddItem(uLsh, d->m_pModel && d->m_pModel != pModel ? d->m_pModel->GetItem(uLsh) : QVariant());
    }
    return listLsh;
}

int CPicLabelList::GetSelectedPicCount() const
{
    Q_D(const CPicLabelList);
    return d->SelectedLabels().size();
}

void CPicLabelList::SetPictureSize(unsigned uWidth, unsigned uHeight)
{
    Q_D(CPicLabelList);
    d->m_uPicWidth = uWidth;
    d->m_uPicHeight = uHeight;
    RefreshCurrentPage();
}

void CPicLabelList::SetPictureMargin(int iLeft, int iTop, int iRight, int iBottom)
{
    Q_D(CPicLabelList);
    d->m_iMarginLeft = iLeft;
    d->m_iMarginTop = iTop;
    d->m_iMarginRight = iRight;
    d->m_iMarginBottom = iBottom;
    d->m_bAutoMargin = false;
    RefreshCurrentPage();
}

void CPicLabelList::SetPicLabelGap(int iGap)
{
    Q_D(CPicLabelList);
    // A negative spacing means the style's spacing to a layout; the paging
    // arithmetic needs a real one.
    d->m_iGap = qBound(0, iGap, QWIDGETSIZE_MAX);
    RefreshCurrentPage();
}

int CPicLabelList::GetPicLabelGap() const
{
    Q_D(const CPicLabelList);
    return d->m_iGap;
}

void CPicLabelList::SetPicLabelBackground(const QPixmap& pixmap)
{
    Q_D(CPicLabelList);
    d->m_pmLabelBackground = pixmap;
}

void CPicLabelList::SetPicLabelBroadColor(const QColor& color)
{
    Q_D(CPicLabelList);
    d->m_colorLabelSelected = color;
}

void CPicLabelList::SetBoxSelColor(const QColor& color)
{
    Q_D(CPicLabelList);
    d->m_colorBoxSel = color;
    update();
}

QColor CPicLabelList::GetBoxSelColor() const
{
    Q_D(const CPicLabelList);
    return d->m_colorBoxSel;
}

void CPicLabelList::SetModel(CPicDataModel* pModel)
{
    Q_D(CPicLabelList);
    d->m_pModel = pModel;
}

void CPicLabelList::mousePressEvent(QMouseEvent* pEvent)
{
    Q_D(CPicLabelList);
    const bool bCtrl = pEvent->modifiers() == Qt::ControlModifier;
    d->m_enumDrag = bCtrl ? CPicLabelListPrivate::DragState::ToggleBand : CPicLabelListPrivate::DragState::Band;
    d->m_ptPress = BandPoint(pEvent);
    d->m_ptCurrent = d->m_ptPress;
    d->m_pAnchorLabel = d->LabelAt(d->m_ptPress);
    if (d->m_pAnchorLabel) {
        if (bCtrl) {
            d->m_pAnchorLabel->SetSelected(!d->m_pAnchorLabel->IsSelected());
        } else {
            for (CPicBaseLabel* pLabel : d->m_listShownLabels)
                pLabel->SetSelected(false);
            d->m_pAnchorLabel->SetSelected(true);
        }
    }
    QFrame::mousePressEvent(pEvent);
}

void CPicLabelList::mouseMoveEvent(QMouseEvent* pEvent)
{
    Q_D(CPicLabelList);
    if (d->m_enumDrag == CPicLabelListPrivate::DragState::None) {
        QFrame::mouseMoveEvent(pEvent);
        return;
    }
    const bool bToggle = d->m_enumDrag == CPicLabelListPrivate::DragState::ToggleBand;
    const QPoint point = BandPoint(pEvent);
    const QRect rectBand = QRect(d->m_ptPress, point).normalized();
    for (CPicBaseLabel* pLabel : d->m_listShownLabels) {
        if (pLabel == d->m_pAnchorLabel)
            continue;
        const bool bHit = pLabel->geometry().intersects(rectBand);
        const bool bInvert = bToggle && d->m_listSelectedLabels.contains(pLabel);
        pLabel->SetSelected(bInvert ? !bHit : bHit);
    }
    d->m_ptCurrent = QPoint(qBound(0, point.x(), qMax(0, width() - 2)), qBound(0, point.y(), qMax(0, height() - 2)));
    update();
}

void CPicLabelList::mouseReleaseEvent(QMouseEvent* pEvent)
{
    Q_D(CPicLabelList);
    if (d->m_enumDrag == CPicLabelListPrivate::DragState::None) {
        QFrame::mouseReleaseEvent(pEvent);
        return;
    }
    d->m_enumDrag = CPicLabelListPrivate::DragState::None;
    update();
    const QList<CPicBaseLabel*> listSelected = d->SelectedLabels();
    if (listSelected == d->m_listSelectedLabels)
        return;
    d->m_listSelectedLabels = listSelected;
    // Last: a slot may delete the list.
    Q_EMIT SignalPicSelectChanged();
}

void CPicLabelList::paintEvent(QPaintEvent* pEvent)
{
    Q_D(CPicLabelList);
    QFrame::paintEvent(pEvent);
    if (d->m_enumDrag == CPicLabelListPrivate::DragState::None)
        return;
    QPainter painter(this);
    painter.setPen(QPen(d->m_colorBoxSel, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // A polyline through the corners puts the outline on the press and current
    // points themselves; drawRect would widen it by the pen.
    const QRect band = QRect(d->m_ptPress, d->m_ptCurrent).normalized();
    const QPoint points[] = {band.topLeft(), band.topRight(), band.bottomRight(), band.bottomLeft(), band.topLeft()};
    painter.drawPolyline(points, 5);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Picture/moc_PicLabelList.cpp"
