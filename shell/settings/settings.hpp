#pragma once
// The six user settings of "rizazede.dat", held as the options window shows
// them: which option of each group is selected, if any.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "engine/chart_driver.hpp"
#include "engine/cycle.hpp"

namespace kesora {

enum class Sex { Male, Female };

struct Settings {
    // The states the options window has before any file is read.
    std::optional<Era> defaultEra;
    std::optional<bool> showAllStages;  // YES, NO, or neither selected
    std::optional<Sex> defaultSex;
    bool musicOn = true;
    bool smallFonts = true;
    EntryDayRule entryDayRule = EntryDayRule::CurrentMonth;

    friend bool operator==(const Settings&, const Settings&) = default;
};

inline constexpr std::string_view kSettingsFileName = "rizazede.dat";
// Six short lines; anything much larger is not a settings file.
inline constexpr std::size_t kMaxSettingsFileBytes = 64 * 1024;

// Reads the file's text. Each line present sets its group; missing lines keep
// the window's design states, and so does a whole file that is binary or
// oversized.
Settings ParseSettings(std::string_view fileText);

// The six lines the options window saves, CR LF ended.
std::string FormatSettings(const Settings& settings);

// Reads the file; a missing or unreadable one gives the design states.
Settings LoadSettingsFile(const std::filesystem::path& path);

ChartOptions ChartOptionsFrom(const Settings& settings);

}  // namespace kesora
