#include <OrvaGUIToolkit/OrvaGUIToolkit.h>

#include <QtWidgets/QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    OrvaGUIToolkit::CLabel label(QStringLiteral("Camera"));
    label.SetPunctuation(QStringLiteral(":"));
    OrvaGUIToolkit::CPushButton button(QStringLiteral("Save & Apply"));
    const bool bOk = label.text() == QStringLiteral("Camera:")
                  && OrvaGUIToolkit::IsNetMask(QStringLiteral("255.255.255.0"))
                  && OrvaGUIToolkit::GetGuiTextCodec() != nullptr;
    std::puts(bOk ? "consumer: ok" : "consumer: unexpected results");
    return bOk ? 0 : 1;
}
