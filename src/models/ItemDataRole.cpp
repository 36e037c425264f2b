#include <OrvaGUIToolkit/ItemView/ItemDataRole.h>

#include <QtCore/QCoreApplication>

namespace {

// Registered when the application object exists, so that the role travels in
// queued signals and in invokable calls of the delegates by its full name.
void RegisterItemDataRole()
{
    qRegisterMetaType<OrvaGUIToolkit::CItemDataRole>("OrvaGUIToolkit::CItemDataRole");
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(RegisterItemDataRole)
