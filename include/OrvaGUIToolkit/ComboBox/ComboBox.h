#ifndef ORVAGUITOOLKIT_COMBOBOX_COMBOBOX_H
#define ORVAGUITOOLKIT_COMBOBOX_COMBOBOX_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtGui/QColor>
#include <QtWidgets/QComboBox>

#include <memory>

namespace OrvaGUIToolkit {

class CComboBoxPrivate;
class CMultiPairData;

// The toolkit's combo box: items with icon, text and data, a flat drop-down
// arrow in a style-sheet colour, and a list whose rows are tall enough to
// pick with the mouse.
class ORVAGUITOOLKIT_EXPORT CComboBox : public QComboBox
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CComboBox)
    Q_PROPERTY(QColor m_colorArrow READ GetArrowColor WRITE SetArrowColor)

public:
    explicit CComboBox(QWidget* pParent = nullptr);
    ~CComboBox() override;

    // One item per string.
    void AddItems(const QStringList& listTexts);
    // One item per entry: the entry's key 0 gives the text, key 1 the icon and
    // iDataKey the item's data.
    void AddItems(const QList<CMultiPairData>& listItems, int iDataKey);
    int GetCurrentIndex() const;

    QColor GetArrowColor() const;
    void SetArrowColor(const QColor& color);

protected:
    CComboBox(CComboBoxPrivate& dd, QWidget* pParent);
    void paintEvent(QPaintEvent* pEvent) override;

    const std::unique_ptr<CComboBoxPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
