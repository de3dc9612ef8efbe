#pragma once
// The run's settings: read from "rizazede.dat" once, when first asked for,
// and replaced only by a successful save from the options window.

#include <QString>
#include <optional>

#include "engine/chart_driver.hpp"
#include "shell/options/settings_writer.hpp"
#include "shell/settings/settings.hpp"

namespace kesora::shell {

class SettingsStore {
public:
    // The file is looked up relative to the current directory when it is read or saved.
    explicit SettingsStore(QString filePath = QString::fromUtf8(kSettingsFileName.data(),
                                                                qsizetype(kSettingsFileName.size())));

    const Settings& settings();
    ChartOptions chartOptions() { return ChartOptionsFrom(settings()); }

    // Writes the file; on success the store holds the settings as the file
    // now reads, so this run and the next one agree. On failure nothing changes.
    std::optional<WriteFailure> save(const Settings& settings);

    const QString& filePath() const { return filePath_; }

private:
    QString filePath_;
    std::optional<Settings> settings_;
};

}  // namespace kesora::shell
