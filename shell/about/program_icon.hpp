#pragma once
// The program icon, from the pictures compiled into the program. A build
// without them shows no icon rather than failing.

#include <QIcon>

namespace kesora::shell {

// Null when the pictures are not there.
QIcon ProgramIcon();

}  // namespace kesora::shell
