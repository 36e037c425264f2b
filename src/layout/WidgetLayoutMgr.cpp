#include <OrvaGUIToolkit/Layout/WidgetLayoutMgr.h>

#include <OrvaGUIToolkit/Layout/LayoutElementConfig.h>

#include "foundation/ToolkitLogging.h"
#include "layout/XmlDocumentReader.h"

#include <QtCore/QMap>
#include <QtCore/QPointer>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QSpacerItem>
#include <QtWidgets/QWidget>
#include <QtXml/QDomDocument>

#include <algorithm>
#include <climits>
#include <map>
#include <memory>

namespace OrvaGUIToolkit {

namespace {

const QString s_strElementConfig = QStringLiteral("ElementConfig");

// No layout of the video area has more rows or columns than this; items and
// stretches beyond it come from a damaged file and would make the grid
// allocate millions of empty cells.
const int s_iMaxGridSide = 64;
// Stretch factors are small relative weights; larger ones overflow the sums
// inside the grid's geometry calculation.
const int s_iMaxStretch = 9999;

QString FirstText(const QDomElement& element, const QString& strTag)
{
    const QDomElement found = element.elementsByTagName(strTag).item(0).toElement();
    for (QDomNode node = found.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (node.isText())
            return node.nodeValue();
    }
    return QString();
}

struLayoutElementData ReadItem(const QDomElement& element)
{
    struLayoutElementData item;
    item.type = element.attribute(QStringLiteral("type"));
    item.id = element.attribute(QStringLiteral("id")).toInt();
    item.row = element.attribute(QStringLiteral("row")).toInt();
    item.column = element.attribute(QStringLiteral("column")).toInt();
    item.rowSpan = element.attribute(QStringLiteral("rowSpan")).toInt();
    item.columnSpan = element.attribute(QStringLiteral("columnSpan")).toInt();
    return item;
}

// Reads one ElementConfig element. Fields are looked up by tag anywhere
// below it, the first in document order; missing ones read as empty or 0.
void ReadElementConfig(const QDomElement& element, CLayoutElementConfig& config)
{
    config.SetLayoutName(FirstText(element, QStringLiteral("Name")));
    config.SetLayoutSplitType(FirstText(element, QStringLiteral("Type")).toInt());
    config.SetLayoutWndCount(FirstText(element, QStringLiteral("WndSize")).toInt());
    config.SetLayoutRowstretch(FirstText(element, QStringLiteral("RowStretch")));
    config.SetLayoutColumnstretch(FirstText(element, QStringLiteral("ColumnStretch")));
    const QDomElement items = element.elementsByTagName(QStringLiteral("ElementItems")).item(0).toElement();
    for (QDomElement child = items.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
        config.AddElementItem(ReadItem(child));
}

// A span below 1 (a missing attribute reads as 0) covers the item's own cell.
int CellSpan(int iSpan)
{
    return qMax(1, iSpan);
}

// Cells past the grid's side are not placed: the grid would grow to them.
bool IsInsideGrid(const struLayoutElementData& item)
{
    return item.row >= 0 && item.column >= 0 && qint64(item.row) + CellSpan(item.rowSpan) <= s_iMaxGridSide
        && qint64(item.column) + CellSpan(item.columnSpan) <= s_iMaxGridSide;
}

bool CoversColumn(const struLayoutElementData& item, int iColumn)
{
    return item.column <= iColumn && qint64(iColumn) < qint64(item.column) + item.columnSpan;
}

QGridLayout* CreateGrid(QWidget* pParent)
{
    auto* pGrid = new QGridLayout(pParent);
    pGrid->setContentsMargins(0, 0, 0, 0);
    pGrid->setSpacing(0);
    return pGrid;
}

// Empty parts of a stretch text read as 0.
template<typename Setter>
void ApplyStretch(const QString& strStretch, Setter setStretch)
{
    const QStringList listParts = strStretch.split(QLatin1Char(','));
    for (int i = 0; i < listParts.size() && i < s_iMaxGridSide; ++i)
        setStretch(i, qBound(0, listParts.at(i).toInt(), s_iMaxStretch));
}

} // namespace

class CWidgetLayoutMgrPrivate
{
public:
    CLayoutElementConfig* Config(struSplitTypeData::SplitType enumType) const
    {
        const auto it = m_pConfigs.find(enumType);
        return it == m_pConfigs.end() ? nullptr : it->second.get();
    }

    // The last record read for a split type wins.
    void AddConfig(std::unique_ptr<CLayoutElementConfig> pConfig)
    {
        const struSplitTypeData::SplitType enumType = pConfig->GetLayoutSplitType();
        m_pConfigs[enumType] = std::move(pConfig);
    }

    void ReadConfigs(const QDomDocument& document)
    {
        const QDomElement root = document.documentElement();
        for (QDomElement child = root.firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
            if (child.tagName() != s_strElementConfig)
                continue;
            std::unique_ptr<CLayoutElementConfig> pConfig(new CLayoutElementConfig);
            ReadElementConfig(child, *pConfig);
            AddConfig(std::move(pConfig));
        }
    }

    // The first item of the current record whose window is pWidget.
    const struLayoutElementData* ItemOf(const QWidget* pWidget) const
    {
        CLayoutElementConfig* pConfig = Config(m_enumSplitType);
        if (!pWidget || !pConfig)
            return nullptr;
        for (const struLayoutElementData& item : *pConfig->GetElementItems()) {
            if (m_mapWidgets.value(item.id) == pWidget)
                return &item;
        }
        return nullptr;
    }

    // Guarded pointers: a window the client deletes reads as null instead of
    // being laid out again.
    QMap<int, QPointer<QWidget>> m_mapWidgets;
    QList<QPointer<QWidget>> m_listWidgets;
    struSplitTypeData::SplitType m_enumSplitType = 0;
    QPointer<QWidget> m_pParent;
    std::map<struSplitTypeData::SplitType, std::unique_ptr<CLayoutElementConfig>> m_pConfigs;
    bool m_bMaximized = false;
    QString m_strXml;
};

CWidgetLayoutMgr::CWidgetLayoutMgr()
    : d_ptr(new CWidgetLayoutMgrPrivate)
{
}

CWidgetLayoutMgr::~CWidgetLayoutMgr()
{
    Clear();
}

bool CWidgetLayoutMgr::Init(const QStringList& listFiles, QWidget* pParent, QList<QWidget*> listWidgets,
                            SplitType enumType)
{
    Q_D(CWidgetLayoutMgr);
    if (!pParent)
        return false;
    Clear();
    d->m_pParent = pParent;
    for (const QString& strFile : listFiles) {
        if (!Load(strFile)) {
            Clear();
            return false;
        }
    }
    return ResetWidgets(listWidgets, enumType);
}

bool CWidgetLayoutMgr::Init(const QString& strFile, QWidget* pParent, QList<QWidget*> listWidgets,
                            SplitType enumType)
{
    return Init(QStringList(strFile), pParent, listWidgets, enumType);
}

bool CWidgetLayoutMgr::ResetWidgets(QList<QWidget*> listWidgets, SplitType enumType)
{
    Q_D(CWidgetLayoutMgr);
    d->m_enumSplitType = 0;
    d->m_mapWidgets.clear();
    d->m_listWidgets.clear();
    if (!d->m_pParent)
        return false;
    for (QWidget* pWidget : listWidgets)
        AddWidget(pWidget);
    return ReLayout(enumType);
}

void CWidgetLayoutMgr::AddWidget(QWidget* pWidget)
{
    Q_D(CWidgetLayoutMgr);
    d->m_mapWidgets.insert(d->m_mapWidgets.size(), pWidget);
    d->m_listWidgets.append(pWidget);
}

QString CWidgetLayoutMgr::GetXml() const
{
    return d_func()->m_strXml;
}

bool CWidgetLayoutMgr::GetSingleLayoutElementByXml(CLayoutElementConfig& element, const QString& strXml)
{
    QDomDocument document;
    if (!CXmlDocumentReader::ParseText(document, strXml))
        return false;
    const QDomElement first = document.documentElement().firstChildElement();
    if (first.tagName() != s_strElementConfig)
        return false;
    ReadElementConfig(first, element);
    return true;
}

bool CWidgetLayoutMgr::ReDisplay(SplitType enumType, const QString& strXml)
{
    Q_D(CWidgetLayoutMgr);
    if (enumType == d->m_enumSplitType && !d->m_bMaximized) {
        if (!IsCustomSplitType(enumType)) {
            SetXml(QString());
            return true;
        }
        if (strXml == GetXml())
            return true;
    }
    SetXml(strXml);
    return ReLayout(enumType);
}

CWidgetLayoutMgr::SplitType CWidgetLayoutMgr::GetSplitType() const
{
    return d_func()->m_enumSplitType;
}

bool CWidgetLayoutMgr::SwitchDisplay(int iIndexA, int iIndexB)
{
    Q_D(CWidgetLayoutMgr);
    if (!d->m_mapWidgets.contains(iIndexA) || !d->m_mapWidgets.contains(iIndexB))
        return false;
    if (iIndexA == iIndexB)
        return true;
    const QPointer<QWidget> pWidgetA = d->m_mapWidgets.value(iIndexA);
    d->m_mapWidgets[iIndexA] = d->m_mapWidgets.value(iIndexB);
    d->m_mapWidgets[iIndexB] = pWidgetA;
    return ReLayout(d->m_enumSplitType);
}

bool CWidgetLayoutMgr::SwitchDisplay(QWidget* pWidgetA, QWidget* pWidgetB)
{
    return SwitchDisplay(IndexOf(pWidgetA), IndexOf(pWidgetB));
}

void CWidgetLayoutMgr::ResetSwitch()
{
    Q_D(CWidgetLayoutMgr);
    for (int i = 0; i < d->m_listWidgets.size(); ++i)
        d->m_mapWidgets[i] = d->m_listWidgets.at(i);
    ReLayout(d->m_enumSplitType);
}

void CWidgetLayoutMgr::ShowMaximized(QWidget* pWidget)
{
    Q_D(CWidgetLayoutMgr);
    if (!CheckWidgetValid(pWidget) || d->m_enumSplitType == 1 || !d->m_pParent)
        return;
    delete d->m_pParent->layout();
    SetHideExWidget(pWidget);
    CreateGrid(d->m_pParent)->addWidget(pWidget, 0, 0, 1, 1);
    pWidget->show();
    d->m_bMaximized = true;
}

void CWidgetLayoutMgr::ShowMaximized(int iIndex)
{
    if (QWidget* pWidget = GetWidget(iIndex))
        ShowMaximized(pWidget);
}

bool CWidgetLayoutMgr::Maximized(QWidget* pWidget) const
{
    return d_func()->m_bMaximized && pWidget && pWidget->isVisible();
}

void CWidgetLayoutMgr::ShowNormal()
{
    Q_D(CWidgetLayoutMgr);
    if (d->m_enumSplitType == 1)
        return;
    ReDisplay(d->m_enumSplitType, GetXml());
    d->m_bMaximized = false;
}

QWidget* CWidgetLayoutMgr::GetWidget(int iIndex) const
{
    return d_func()->m_mapWidgets.value(iIndex);
}

int CWidgetLayoutMgr::IndexOf(QWidget* pWidget) const
{
    Q_D(const CWidgetLayoutMgr);
    for (auto it = d->m_mapWidgets.cbegin(); it != d->m_mapWidgets.cend(); ++it) {
        if (it.value() == pWidget)
            return it.key();
    }
    return 0;
}

void CWidgetLayoutMgr::GetAllWidgets(QList<QWidget*>& listWidgets)
{
    listWidgets.clear();
    for (const QPointer<QWidget>& pWidget : qAsConst(d_func()->m_mapWidgets)) {
        if (pWidget)
            listWidgets.append(pWidget);
    }
}

void CWidgetLayoutMgr::GetLayoutWidgets(QList<QWidget*>& listWidgets)
{
    Q_D(CWidgetLayoutMgr);
    listWidgets.clear();
    CLayoutElementConfig* pElementConfig = d->Config(d->m_enumSplitType);
    if (!pElementConfig) {
        qCWarning(lcOrvaGUIToolkit, "CWidgetLayoutMgr::GetLayoutWidgets: pElementConfig == NULL");
        return;
    }
    const int iCount = qMin(pElementConfig->GetLayoutWndCount(), d->m_listWidgets.size());
    for (int i = 0; i < iCount; ++i)
        listWidgets.append(d->m_listWidgets.at(i));
}

QWidget* CWidgetLayoutMgr::GetWidget(QWidget* pWidget, Direction enumDirection) const
{
    Q_D(const CWidgetLayoutMgr);
    const struLayoutElementData* pItem = d->ItemOf(pWidget);
    if (!pItem)
        return nullptr;
    const QVector<struLayoutElementData>& vecItems = *d->Config(d->m_enumSplitType)->GetElementItems();
    const qint64 iLast = vecItems.size() - 1;
    qint64 iResult = pItem->id;
    switch (enumDirection) {
    case Previous:
        iResult = pItem->id == 0 ? iLast : qint64(pItem->id) - 1;
        break;
    case Next:
        iResult = pItem->id == iLast ? 0 : qint64(pItem->id) + 1;
        break;
    case Up:
    case Down:
        for (const struLayoutElementData& item : vecItems) {
            const bool bAdjacent = enumDirection == Up ? qint64(item.row) + item.rowSpan == pItem->row
                                                       : item.row == qint64(pItem->row) + pItem->rowSpan;
            if (bAdjacent && CoversColumn(item, pItem->column)) {
                iResult = item.id;
                break;
            }
        }
        break;
    }
    if (iResult < INT_MIN || iResult > INT_MAX)
        return nullptr;
    return GetWidget(static_cast<int>(iResult));
}

void CWidgetLayoutMgr::GetWidgetSpan(QWidget* pWidget, int& iRowSpan, int& iColumnSpan)
{
    iRowSpan = -1;
    iColumnSpan = -1;
    if (const struLayoutElementData* pItem = d_func()->ItemOf(pWidget)) {
        iRowSpan = pItem->rowSpan;
        iColumnSpan = pItem->columnSpan;
    }
}

void CWidgetLayoutMgr::GetWidgetSpanByIndex(SplitType enumType, int iId, int& iRowSpan, int& iColumnSpan)
{
    iRowSpan = -1;
    iColumnSpan = -1;
    CLayoutElementConfig* pConfig = d_func()->Config(enumType);
    if (!pConfig)
        return;
    for (const struLayoutElementData& item : *pConfig->GetElementItems()) {
        if (item.id == iId) {
            iRowSpan = item.rowSpan;
            iColumnSpan = item.columnSpan;
            return;
        }
    }
}

int CWidgetLayoutMgr::GetWndCountByType(SplitType enumType)
{
    CLayoutElementConfig* pConfig = d_func()->Config(enumType);
    return pConfig ? pConfig->GetLayoutWndCount() : 0;
}

int CWidgetLayoutMgr::GetVirtualWndCountByType(SplitType enumType)
{
    CLayoutElementConfig* pConfig = d_func()->Config(enumType);
    return pConfig ? pConfig->GetLayoutVirtualWndCount() : 0;
}

CWidgetLayoutMgr::SplitType CWidgetLayoutMgr::GetSuitableLayoutType(int iMin, int iMax)
{
    QVector<SplitType> vecCandidates;
    for (const auto& config : d_func()->m_pConfigs)
        vecCandidates.append(config.first);
    return GetSuitableLayoutType(iMin, iMax, vecCandidates);
}

CWidgetLayoutMgr::SplitType CWidgetLayoutMgr::GetSuitableLayoutType(int iMin, int iMax,
                                                                    QVector<SplitType> vecCandidates)
{
    if (iMax < iMin)
        return 0;
    SplitType enumBest = 0;
    qint64 iBestGap = qint64(iMax) - iMin + 1;
    for (SplitType enumType : qAsConst(vecCandidates)) {
        const int iCount = GetWndCountByType(enumType);
        if (iCount >= iMin && iCount <= iMax && qint64(iCount) - iMin < iBestGap) {
            enumBest = enumType;
            iBestGap = qint64(iCount) - iMin;
        }
    }
    return enumBest;
}

bool CWidgetLayoutMgr::SetXml(const QString& strXml)
{
    Q_D(CWidgetLayoutMgr);
    d->m_strXml = strXml;
    QDomDocument document;
    if (strXml.isEmpty() || !CXmlDocumentReader::ParseText(document, strXml))
        return false;
    d->ReadConfigs(document);
    return true;
}

bool CWidgetLayoutMgr::Load(const QString& strPath)
{
    QDomDocument document;
    if (CXmlDocumentReader::ParseFile(document, strPath) == CXmlDocumentReader::FileResult::NotOpened)
        return false;
    d_func()->ReadConfigs(document);
    return true;
}

bool CWidgetLayoutMgr::ReLayout(SplitType enumType)
{
    Q_D(CWidgetLayoutMgr);
    CLayoutElementConfig* pConfig = d->Config(enumType);
    if (!pConfig || !d->m_pParent) {
        if (IsCustomSplitType(enumType))
            d->m_enumSplitType = enumType;
        return false;
    }
    d->m_enumSplitType = enumType;
    delete d->m_pParent->layout();
    SetHideByWndCount(pConfig->GetLayoutWndCount());
    QGridLayout* pGrid = CreateGrid(d->m_pParent);
    for (const struLayoutElementData& item : *pConfig->GetElementItems()) {
        const bool bSpacer = item.type == QLatin1String("QSpacerItem");
        if (!bSpacer && item.type != QLatin1String("QWidget"))
            continue;
        QWidget* pWidget = bSpacer ? nullptr : GetWidget(item.id);
        if (!bSpacer && !pWidget)
            break;
        const bool bPlaced = IsInsideGrid(item);
        const int iRowSpan = CellSpan(item.rowSpan);
        const int iColumnSpan = CellSpan(item.columnSpan);
        if (bSpacer) {
            if (bPlaced)
                pGrid->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), item.row,
                               item.column, iRowSpan, iColumnSpan);
            continue;
        }
        if (bPlaced)
            pGrid->addWidget(pWidget, item.row, item.column, iRowSpan, iColumnSpan, Qt::Alignment());
        // A widget the record names is shown, placed or not.
        pWidget->show();
    }
    ApplyStretch(pConfig->GetLayoutRowstretch(), [pGrid](int i, int iStretch) { pGrid->setRowStretch(i, iStretch); });
    ApplyStretch(pConfig->GetLayoutColumnstretch(),
                 [pGrid](int i, int iStretch) { pGrid->setColumnStretch(i, iStretch); });
    d->m_bMaximized = false;
    return true;
}

void CWidgetLayoutMgr::SetHideByWndCount(int iCount)
{
    Q_D(CWidgetLayoutMgr);
    for (auto it = d->m_mapWidgets.cbegin(); it != d->m_mapWidgets.cend(); ++it) {
        QWidget* pWidget = it.value();
        if (!pWidget)
            continue;
        pWidget->setVisible(it.key() < iCount && pWidget->parentWidget());
    }
}

void CWidgetLayoutMgr::SetHideExWidget(QWidget* pWidget)
{
    Q_D(CWidgetLayoutMgr);
    pWidget->show();
    for (const QPointer<QWidget>& pOther : qAsConst(d->m_mapWidgets)) {
        if (pOther && pOther != pWidget)
            pOther->hide();
    }
}

// Compared by address only: the widget may already be deleted, and a guarded
// pointer must not be made from it.
bool CWidgetLayoutMgr::CheckWidgetValid(QWidget* pWidget) const
{
    const QList<QPointer<QWidget>>& listWidgets = d_func()->m_listWidgets;
    return pWidget && std::any_of(listWidgets.cbegin(), listWidgets.cend(),
                                  [pWidget](const QPointer<QWidget>& pListed) { return pListed.data() == pWidget; });
}

bool CWidgetLayoutMgr::IsCustomSplitType(const SplitType& enumType)
{
    return enumType >= 201 && enumType <= 205;
}

void CWidgetLayoutMgr::Clear()
{
    Q_D(CWidgetLayoutMgr);
    d->m_pConfigs.clear();
    d->m_mapWidgets.clear();
    d->m_listWidgets.clear();
    d->m_enumSplitType = 0;
    d->m_pParent = nullptr;
}

} // namespace OrvaGUIToolkit
