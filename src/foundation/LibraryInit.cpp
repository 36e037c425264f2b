#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

#include <QTextCodec>

namespace {

// Runs when the library is loaded: the process-wide codec and locale start as
// the system's, before the client has a chance to replace them.
void InitProcessDefaults()
{
    OrvaGUIToolkit::InitGuiTextCodec(QTextCodec::codecForLocale());
    OrvaGUIToolkit::InitGuiLocale(QLocale::system());
}

} // namespace

Q_CONSTRUCTOR_FUNCTION(InitProcessDefaults)
