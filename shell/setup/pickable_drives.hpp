#pragma once
// Drive1's entries: of the file systems mounted on a Linux desktop, the ones a
// user would keep Kesora's folder on — the root, the home folder, and
// removable media — not the system's own mounts (/proc, /sys, /run, …).

#include <QString>
#include <span>
#include <vector>

namespace kesora::shell {

struct MountedVolume {
    QString rootPath;
    QString name;  // the volume label, when it has one
};

struct Drive {
    QString caption;
    QString folder;  // what Dir1 opens when the drive is chosen
};

std::vector<Drive> PickableDrives(std::span<const MountedVolume> volumes, const QString& homePath);

// The volumes mounted now.
std::vector<MountedVolume> MountedVolumes();

// The entry whose folder holds `folder` most closely; 0 (the root) when none does.
int DriveHolding(std::span<const Drive> drives, const QString& folder);

}  // namespace kesora::shell
