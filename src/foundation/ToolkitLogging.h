#ifndef ORVAGUITOOLKIT_FOUNDATION_TOOLKITLOGGING_H
#define ORVAGUITOOLKIT_FOUNDATION_TOOLKITLOGGING_H

#include <QtCore/QLoggingCategory>

namespace OrvaGUIToolkit {

// Category "orva.guitoolkit" of every warning the library logs, so that a
// client can silence or redirect them with QT_LOGGING_RULES or a filter.
// Warnings keep the "CClass::Function: condition" text:
//     qCWarning(lcOrvaGUIToolkit, "CClass::Function: pWidget == NULL");
Q_DECLARE_LOGGING_CATEGORY(lcOrvaGUIToolkit)

} // namespace OrvaGUIToolkit

#endif
