#pragma once
// Parts of the program that bring large libraries (the synthesiser, the sound
// library) live in shared modules beside the executable and are loaded when
// first needed, so that the main window does not wait for them at start-up.

#include <string>

namespace kesora {

// The address of `symbol` in the module `fileName` of `folder`; null when the
// module or the symbol cannot be loaded. A loaded module stays loaded.
void* ProgramModuleSymbol(const std::string& folder, const std::string& fileName, const char* symbol);

}  // namespace kesora
