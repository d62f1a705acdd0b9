#pragma once
#include <functional>
#include <string>

namespace vk {

// Diagnostic text for a developer watching the process (the debugger's output window on
// Windows, standard error elsewhere); never shown to the user.
void WriteDebugOutput(const std::u16string& text);
// Where the text goes from now on; an empty sink goes back to the platform default. The add-in
// installs the debugger output at start-up; tests install a recorder.
void SetDebugOutputSink(std::function<void(const std::u16string&)> sink);

}  // namespace vk
