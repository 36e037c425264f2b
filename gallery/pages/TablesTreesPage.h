#ifndef ORVAGALLERY_TABLESTREESPAGE_H
#define ORVAGALLERY_TABLESTREESPAGE_H

#include <OrvaGUIToolkit/ItemView/ItemDataRole.h>

#include <QtCore/QModelIndex>
#include <QtWidgets/QWidget>

QT_BEGIN_NAMESPACE
class QLabel;
class QLineEdit;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {
class CLabel;
class CStandardItemModel;
class CTableWidget;
class CTreeView;
class CTreeViewModel;
}

// The lists of the client side by side: the camera tree of a site (areas,
// recorders, channels) whose check boxes propagate and whose header counts
// the areas chosen; the alarm table with a check per alarm, a date-time, a
// level picked from a combo box, the export progress and play, download and
// delete buttons whose clicks are logged; and the vehicle search results,
// whose rows turn red where the plate or camera holds the typed word.
class TablesTreesPage : public QWidget
{
    Q_OBJECT

public:
    explicit TablesTreesPage(QWidget* pParent = nullptr);

private Q_SLOTS:
    void OnTreeChecksChanged();
    void OnAlarmClicked(const QModelIndex& miIndex, OrvaGUIToolkit::CItemDataRole enumRole);
    void OnSearchTextChanged(const QString& strText);

private:
    QWidget* CreateTreeBox();
    QWidget* CreateAlarmBox();
    QWidget* CreateSearchBox();
    void FillTree();
    void FillAlarms();
    void FillSearchResults();
    void Log(const QString& strText);

    OrvaGUIToolkit::CTreeView* m_pTree = nullptr;
    OrvaGUIToolkit::CTreeViewModel* m_pTreeModel = nullptr;
    QLabel* m_pTreeSummary = nullptr;
    OrvaGUIToolkit::CTableWidget* m_pAlarms = nullptr;
    OrvaGUIToolkit::CStandardItemModel* m_pResults = nullptr;
    QLineEdit* m_pSearch = nullptr;
    OrvaGUIToolkit::CLabel* m_pLogLine = nullptr;
};

#endif
