#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "automation/guid.h"

namespace vk {

// The ProjectWise connector is a COM add-in of another module of the product family. It counts
// as installed when its class key exists, and is reached through the object its COM add-in
// publishes, asked for the interface below.
inline constexpr Guid kClsidProjectWiseConnector{
    0x88CCE1C4, 0x8A32, 0x4DA2, {0x8E, 0xD4, 0x74, 0x3F, 0xBB, 0x0E, 0x9B, 0xA5}};
inline constexpr Guid kIidProjectWiseConnector{
    0x4F0485EF, 0xCBC0, 0x4A33, {0x8D, 0xE9, 0x25, 0x3C, 0xF7, 0x6D, 0x5F, 0x64}};
inline constexpr char16_t kProjectWiseConnectorProgId[] = u"VellumarkPW.Connect";

// What QueryDocument answers besides a failure.
inline constexpr int32_t kPwStatusOk = 0;
inline constexpr int32_t kPwStatusNotInDatasource = 50000;
// ReleaseDocument modes: update the server copy from the saved workbook, or leave it alone.
inline constexpr int32_t kPwReleaseUpdate = 1010;
inline constexpr int32_t kPwReleaseLeave = 1013;
// What SetTablePath receives when the document was checked in or freed.
inline constexpr char16_t kPwTablePathReleased[] = u"?";

// The three operations of the connector's interface that the add-in uses. A failing HRESULT of
// any of them surfaces as ComError.
class ProjectWiseConnector {
 public:
  virtual ~ProjectWiseConnector() = default;
  // Identifies the active workbook in the datasource; the status is the call's result.
  virtual int32_t QueryDocument(std::u16string& document) = 0;
  virtual void ReleaseDocument(const std::u16string& document, int32_t mode) = 0;
  // What the imported table will name as its workbook.
  virtual void SetTablePath(const std::u16string& path) = 0;
};

using ProjectWiseConnectorPtr = std::shared_ptr<ProjectWiseConnector>;

}  // namespace vk
