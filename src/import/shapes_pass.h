#pragma once
#include <cstdint>
#include <string>

namespace vk {

class CImportDriver;
namespace excel {
class Worksheet;
}

// Sends the worksheet's shapes (those inside the area for a selection) as shape records.
void ShapesPass(CImportDriver& addin, excel::Worksheet& worksheet, int32_t* shapeIndex,
                int32_t funcState, uint32_t importObj, double areaLeft, double areaTop,
                int bSelectedRange, double areaWidth, double areaHeight,
                const std::u16string& workbookFolder, const std::u16string& workbookName);

}  // namespace vk
