#include "shell/setup/pickable_drives.hpp"

#include <QDir>
#include <QStorageInfo>
#include <algorithm>

namespace kesora::shell {

namespace {

// Where desktops and users mount removable media.
constexpr const char* kRemovableParents[] = {"/media/", "/run/media/", "/mnt/"};

bool IsRemovable(const QString& rootPath) {
    for (const char* parent : kRemovableParents)
        if (rootPath.startsWith(QLatin1String(parent)) && rootPath.size() > static_cast<qsizetype>(qstrlen(parent)))
            return true;
    return false;
}

bool Holds(const QString& folder, const QString& inner) {
    if (folder == QLatin1String("/")) return inner.startsWith(QLatin1Char('/'));
    return inner == folder || inner.startsWith(folder + QLatin1Char('/'));
}

}  // namespace

std::vector<Drive> PickableDrives(std::span<const MountedVolume> volumes, const QString& homePath) {
    std::vector<Drive> drives{{QStringLiteral("/"), QStringLiteral("/")}};
    const QString home = QDir::cleanPath(homePath);
    if (!home.isEmpty() && home != QLatin1String("/"))
        drives.push_back({QStringLiteral("ホーム (%1)").arg(home), home});
    std::vector<MountedVolume> removable;
    for (const MountedVolume& volume : volumes)
        if (IsRemovable(volume.rootPath)) removable.push_back(volume);
    std::ranges::sort(removable, {}, &MountedVolume::rootPath);
    for (const MountedVolume& volume : removable) {
        const QString label = volume.name.isEmpty() ? QDir(volume.rootPath).dirName() : volume.name;
        drives.push_back({QStringLiteral("%1 (%2)").arg(label, volume.rootPath), volume.rootPath});
    }
    return drives;
}

std::vector<MountedVolume> MountedVolumes() {
    std::vector<MountedVolume> volumes;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes())
        if (storage.isValid() && storage.isReady()) volumes.push_back({storage.rootPath(), storage.name()});
    return volumes;
}

int DriveHolding(std::span<const Drive> drives, const QString& folder) {
    int best = 0;
    qsizetype bestLength = -1;
    for (std::size_t i = 0; i < drives.size(); ++i) {
        const QString& candidate = drives[i].folder;
        if (Holds(candidate, folder) && candidate.size() > bestLength) {
            best = static_cast<int>(i);
            bestLength = candidate.size();
        }
    }
    return best;
}

}  // namespace kesora::shell
