#include "modules/program_module.hpp"

#include <dlfcn.h>

namespace kesora {

void* ProgramModuleSymbol(const std::string& folder, const std::string& fileName, const char* symbol) {
    const std::string path = folder.empty() ? fileName : folder + "/" + fileName;
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) return nullptr;
    return dlsym(module, symbol);
}

}  // namespace kesora
