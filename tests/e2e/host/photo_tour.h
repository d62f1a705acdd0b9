#pragma once
#include <windows.h>

#include <functional>
#include <string>

// Pictures of the add-in's windows as a user sees them, and a check of their layout, for the
// stand-in Office host's --photos mode (scripts/screenshots). Each picture is written as a
// 24-bit BMP named "<prefix><name>.bmp" in the folder; the script turns them into PNGs.
namespace vk::photos {

// Turns the mode on: pictures go to folder, their names start with prefix ("en-", "ja-").
void Start(const std::wstring& folder, const std::wstring& prefix);
bool Enabled();

// Shows every page of the Options sheet, the two size dialogs of the Scale page and the
// Template menu, photographing and checking each, then presses Cancel. Runs from a timer in
// whatever modal loop is active.
void TourOptionsSheet(HWND sheet);

// Photographs and checks a dialog once it has painted, then runs `answer`.
void PhotographThen(HWND dialog, const std::wstring& name, std::function<void()> answer);

// Layout faults found so far: a control not whole inside its window, or a caption wider than
// its control in the control's own font. Each is printed as a "layout:" line when found.
int LayoutFaults();

}  // namespace vk::photos
