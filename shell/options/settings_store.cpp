#include "shell/options/settings_store.hpp"

#include <QFile>

namespace kesora::shell {

SettingsStore::SettingsStore(QString filePath) : filePath_(std::move(filePath)) {}

const Settings& SettingsStore::settings() {
    if (!settings_) settings_ = LoadSettingsFile(QFile::encodeName(filePath_).toStdString());
    return *settings_;
}

std::optional<WriteFailure> SettingsStore::save(const Settings& settings) {
    if (auto failure = WriteSettingsFile(filePath_, settings)) return failure;
    settings_ = ParseSettings(FormatSettings(settings));
    return std::nullopt;
}

}  // namespace kesora::shell
