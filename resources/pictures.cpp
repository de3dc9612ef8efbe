#include "resources/pictures.hpp"

#include <QtGlobal>

// The resource initialiser is declared by the macro and must be at global scope.
static void RegisterPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace kesora::pictures {

void Register() {
    static const bool registered = (RegisterPictureResources(), true);
    (void)registered;
}

}  // namespace kesora::pictures
