#include "settings.hpp"

#include <fstream>

#include "engine/box_text.hpp"

namespace kesora {

namespace {

bool LooksBinary(std::string_view text) {
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c < 0x20 && c != '\t' && c != '\r' && c != '\n') || c == 0x7F) return true;
    }
    return false;
}

// A line's value: its first comma-separated item, read as a number.
std::int64_t LineValue(std::string_view line) {
    return ReadBoxNumber(line.substr(0, line.find(',')));
}

void ApplyLine(Settings& s, int lineIndex, std::int64_t value) {
    switch (lineIndex) {
    case 0:
        if (value >= 1 && value <= 4) s.defaultEra = kEras[static_cast<std::size_t>(value - 1)];
        break;
    case 1:
        if (value == 1 || value == 0) s.showAllStages = value == 1;
        break;
    case 2:
        if (value == 1 || value == 2) s.defaultSex = value == 1 ? Sex::Male : Sex::Female;
        break;
    case 3:
        s.musicOn = value == 1;
        break;
    case 4:
        s.smallFonts = value == 1;
        break;
    case 5:
        s.entryDayRule = value == 1 ? EntryDayRule::CurrentMonth : EntryDayRule::PreviousMonth;
        break;
    default:
        break;
    }
}

}  // namespace

Settings ParseSettings(std::string_view fileText) {
    Settings settings;
    if (fileText.size() > kMaxSettingsFileBytes || LooksBinary(fileText)) return settings;
    int lineIndex = 0;
    while (!fileText.empty() && lineIndex < 6) {
        const std::size_t end = fileText.find('\n');
        std::string_view line = fileText.substr(0, end);
        if (line.ends_with('\r')) line.remove_suffix(1);
        ApplyLine(settings, lineIndex++, LineValue(line));
        fileText = end == std::string_view::npos ? std::string_view{} : fileText.substr(end + 1);
    }
    return settings;
}

std::string FormatSettings(const Settings& s) {
    int era = 4;
    if (s.defaultEra == Era::Taisho) era = 1;
    if (s.defaultEra == Era::Showa) era = 2;
    if (s.defaultEra == Era::Heisei) era = 3;
    const auto line = [](int value) { return std::to_string(value) + "\r\n"; };
    return line(era) + line(s.showAllStages == true ? 1 : 2) +
           line(s.defaultSex == Sex::Male ? 1 : 2) + line(s.musicOn ? 1 : 2) +
           line(s.smallFonts ? 1 : 2) +
           line(s.entryDayRule == EntryDayRule::CurrentMonth ? 1 : 2);
}

Settings LoadSettingsFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::string text(kMaxSettingsFileBytes + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) return {};
    text.resize(static_cast<std::size_t>(in.gcount()));
    return ParseSettings(text);
}

ChartOptions ChartOptionsFrom(const Settings& settings) {
    return {settings.entryDayRule, settings.showAllStages == true};
}

}  // namespace kesora
