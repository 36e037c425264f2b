#ifndef ORVAGUITOOLKIT_CONTROLS_FILTERLINEEDITPRIVATE_H
#define ORVAGUITOOLKIT_CONTROLS_FILTERLINEEDITPRIVATE_H

#include <OrvaGUIToolkit/LineEdit/FilterLineEdit.h>

#include "controls/FancyLineEditPrivate.h"

namespace OrvaGUIToolkit {

class CFilterLineEditPrivate : public CFancyLineEditPrivate
{
    Q_DECLARE_PUBLIC(CFilterLineEdit)

public:
    // The warning that goes with the ten default forbidden characters.
    static QString DefaultWarning();

    // Takes a new filter text, or returns the field to the last one when
    // validation refuses the text.
    void OnCheckFilter(const QString& strText);

    QString m_strLastFilter;
    QRegExp m_regExp;
    QString m_strWarning;
    bool m_bValidate = false;
};

} // namespace OrvaGUIToolkit

#endif
