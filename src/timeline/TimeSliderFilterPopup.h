#ifndef ORVAGUITOOLKIT_TIMESLIDERFILTERPOPUP_H
#define ORVAGUITOOLKIT_TIMESLIDERFILTERPOPUP_H

#include <QtCore/QList>
#include <QtCore/QMap>
#include <QtWidgets/QFrame>

QT_BEGIN_NAMESPACE
class QFormLayout;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CCheckBox;
class CPushButton;

// The pop-up in which the user chooses the record levels a multi-track
// timeline shows: an "All" box, one box per level, "OK" and "Cancel". Only
// "OK" confirms a choice (SignalFilter()); "Cancel" or a press outside
// restores the boxes to the last confirmed levels.
class CTimeSliderFilterPopup : public QFrame
{
    Q_OBJECT

public:
    explicit CTimeSliderFilterPopup(QWidget* pParent = nullptr);
    ~CTimeSliderFilterPopup() override;

    // Appends a checked row for the level; nothing when the level is present.
    void AddLevel(const QIcon& icon, const QString& strText, int iLevel);
    // Stores the confirmed levels and checks exactly their boxes.
    void SetFilteredLevels(const QList<int>& listLevels);
    QList<int> GetFilteredLevels() const;
    // Removes every level row.
    void ClearLevels();
    // The levels in the order they were added.
    QList<int> GetLevels() const;
    CCheckBox* GetAllBox() const;
    // Null for an unknown level.
    CCheckBox* GetLevelBox(int iLevel) const;

public Q_SLOTS:
    void OnClickOkBtn();
    void OnClickCancelBtn();
    // The "All" box: every level box follows it.
    void OnStateChanged(int iState);
    // A level box: "All" shows whether all, none or some are checked.
    void OnFilterStateChanged();

Q_SIGNALS:
    void SignalFilter(QList<int> listFiltered);

protected:
    void mousePressEvent(QMouseEvent* pEvent) override;

private:
    QFormLayout* m_pForm;
    CCheckBox* m_pAllBox;
    CPushButton* m_pOkBtn;
    CPushButton* m_pCancelBtn;
    QList<int> m_listLevels;
    QMap<int, CCheckBox*> m_mapBoxes;
    QList<int> m_listConfirmed;
};

} // namespace OrvaGUIToolkit

#endif
