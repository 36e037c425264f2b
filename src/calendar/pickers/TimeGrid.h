#ifndef ORVAGUITOOLKIT_CALENDAR_PICKERS_TIMEGRID_H
#define ORVAGUITOOLKIT_CALENDAR_PICKERS_TIMEGRID_H

#include <QtCore/QSize>
#include <QtCore/QString>
#include <QtWidgets/QTableWidget>

QT_BEGIN_NAMESPACE
class QFrame;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

// The form shared by the hour and minute grids: a frame of a fixed size filled
// by a table whose cells hold 0, iStep, 2 * iStep ... in reading order. The
// cells are picked, never edited, and the table never scrolls.
struct struTimeGridForm
{
    QString strFormName;
    QSize sizeFixed;
    int iRows = 0;
    int iColumns = 0;
    int iStep = 1;
};

// The table of a grid. It reports a pressed cell once its own handling of
// the press is over, so that a slot may delete the grid.
class CTimeGridTable : public QTableWidget
{
    Q_OBJECT

public:
    CTimeGridTable(int iRows, int iColumns, QWidget* pParent);

Q_SIGNALS:
    void SignalCellPressed(QTableWidgetItem* pItem);

protected:
    void mousePressEvent(QMouseEvent* pEvent) override;
};

CTimeGridTable* SetupTimeGrid(QFrame* pFrame, const struTimeGridForm& form);

// The state the hour and minute pop-ups share: the grid they show.
class CTimeGridPopupPrivate
{
public:
    virtual ~CTimeGridPopupPrivate();

    CTimeGridTable* m_pTableWidget = nullptr;
};

// Clears the selection and makes current the first cell whose text is
// strValue; with no such cell nothing is current.
void SetCurrentTimeCell(QTableWidget* pTable, const QString& strValue);

} // namespace OrvaGUIToolkit

#endif
