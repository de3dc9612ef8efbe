#include "shell/about/program_icon.hpp"

#include <QFile>

#include "resources/pictures.hpp"

namespace kesora::shell {

QIcon ProgramIcon() {
    pictures::Register();
    QIcon icon;
    for (const char* path : {pictures::kIcon32, pictures::kIcon256})
        if (QFile::exists(QString::fromUtf8(path))) icon.addFile(QString::fromUtf8(path));
    return icon;
}

}  // namespace kesora::shell
