#ifndef ORVAGUITOOLKIT_SCHEDULE_RADIOEDITCOMB_H
#define ORVAGUITOOLKIT_SCHEDULE_RADIOEDITCOMB_H

#include <QtWidgets/QWidget>

QT_BEGIN_NAMESPACE
class QLineEdit;
class QRadioButton;
class QValidator;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

// A radio choice with a name beside it: a template entry of the schedule
// editor. Fixed entries only show their name; renamable ones let the user
// edit it while the entry is editable.
class CRadioEditComb : public QWidget
{
    Q_OBJECT

public:
    enum ShowOption {
        FixedName = 1,      // the name is a caption
        EditableName = 2    // the name can be renamed while editable
    };

    explicit CRadioEditComb(QWidget* pParent = nullptr);

    void SetId(int iId);
    int GetId() const;
    void SetText(const QString& strText);
    QString GetText() const;
    void SetSelected(bool bSelected, bool bEditable);
    bool IsSelected() const;
    bool IsEditable() const;
    void SetShowOption(ShowOption enumOption);
    ShowOption GetShowOption() const;
    void SetValidator(const QValidator* pValidator);
    // Explains a refused name at the entry.
    void ShowTooltip(const QString& strText);
    void SetFocus();
    QRadioButton* GetRadioButton() const;
    QLineEdit* GetLineEdit() const;

Q_SIGNALS:
    void SignalSelected(int iId);

private Q_SLOTS:
    void OnRadioClicked();

private:
    void UpdateEditState();

    QRadioButton* m_pRadio = nullptr;
    QLineEdit* m_pEdit = nullptr;
    int m_iId = 0;
    bool m_bEditable = false;
    ShowOption m_enumOption = FixedName;
};

} // namespace OrvaGUIToolkit

#endif
