#pragma once
// The command line of kesora-cast.

#include <optional>
#include <string>
#include <vector>

#include "engine/cycle.hpp"
#include "engine/pillars.hpp"

namespace kesora::cast {

enum class PresetAnswer { None, Yes, No };

struct CastOptions {
    Era era = Era::Showa;
    std::string yearText, monthText, dayText;
    std::string hourText = "時刻";  // the hour box's placeholder
    std::string nameText = "氏名";  // the name box's placeholder
    std::optional<std::string> settingsFile;
    std::optional<EntryDayRule> entryDayRule;
    std::optional<bool> showAllStages;
    PresetAnswer answer = PresetAnswer::None;
    bool json = false;
    bool help = false;
};

struct ParsedCommandLine {
    std::optional<CastOptions> options;  // nothing on a usage error
    std::string error;
};

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

extern const char* const kUsage;

}  // namespace kesora::cast
