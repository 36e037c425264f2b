#ifndef ORVAGUITOOLKIT_PAGER_SELFDRAWNBUTTON_H
#define ORVAGUITOOLKIT_PAGER_SELFDRAWNBUTTON_H

#include <OrvaGUIToolkit/Button/PushButton.h>

#include <QtCore/QStringList>

#include <memory>

namespace OrvaGUIToolkit {

class CSelfDrawnButtonPrivate;

// One widget that paints a row of text buttons separated by 6-pixel gaps and
// reports which one is current; a left click makes a cell current.
class ORVAGUITOOLKIT_EXPORT CSelfDrawnButton : public CPushButton
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CSelfDrawnButton)

public:
    enum DrawType : int {
        DrawCurrent = 0,     // only the current cell is highlighted
        DrawUpToCurrent = 1, // every cell up to the current one is highlighted
    };
    Q_ENUM(DrawType)

    explicit CSelfDrawnButton(int iShowCount = 1, QWidget* pParent = nullptr,
                              CSelfDrawnButton::DrawType enumType = DrawCurrent);
    ~CSelfDrawnButton() override;

    // Stores the texts and fits the cells and the widget's width to them.
    void SetTextList(const QStringList& listTexts);
    QStringList GetTextList() const;
    // Shows the first iCount cells; resets the current cell to the first.
    void SetCurShowCount(int iCount);
    // Only stores the number of cells shown.
    void SetButtonCount(int iCount);
    int GetShowCount() const;
    void SetCurIndex(int iIndex);
    int GetCurIndex() const;
    QString GetCurSelText() const;
    QString GetButtonText(int iIndex) const;
    void SetDrawType(CSelfDrawnButton::DrawType enumType);
    // The rectangle of cell iIndex, shared by painting and hit-testing.
    QRect CellRect(int iIndex) const;

Q_SIGNALS:
    void SignalCurChanged();

protected:
    CSelfDrawnButton(CSelfDrawnButtonPrivate& dd, QWidget* pParent);
    void paintEvent(QPaintEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;

    const std::unique_ptr<CSelfDrawnButtonPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
