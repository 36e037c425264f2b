#include <OrvaGUIToolkit/Tab/AuxiliaryData.h>

namespace OrvaGUIToolkit {

AuxiliaryData::AuxiliaryData() = default;
AuxiliaryData::AuxiliaryData(const AuxiliaryData& other) = default;
AuxiliaryData& AuxiliaryData::operator=(const AuxiliaryData& other) = default;
AuxiliaryData::~AuxiliaryData() = default;

void AuxiliaryData::Clear()
{
    *this = AuxiliaryData();
}

} // namespace OrvaGUIToolkit
