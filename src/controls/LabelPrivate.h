#ifndef ORVAGUITOOLKIT_CONTROLS_LABELPRIVATE_H
#define ORVAGUITOOLKIT_CONTROLS_LABELPRIVATE_H

#include <OrvaGUIToolkit/Label/Label.h>

namespace OrvaGUIToolkit {

class CLabelPrivate
{
    Q_DECLARE_PUBLIC(CLabel)

public:
    virtual ~CLabelPrivate() = default;

    // Shows the text followed by the punctuation.
    void ShowText();

    CLabel* q_ptr = nullptr;
    // The text without its punctuation.
    QString m_strText;
    // Appended when shown, typically a colon.
    QString m_strPunctuation;
};

} // namespace OrvaGUIToolkit

#endif
