#include "cast_options.hpp"

#include <functional>
#include <map>

namespace kesora::cast {

const char* const kUsage =
    "使い方: kesora-cast --era 大正|昭和|平成|西暦 --year 年 --month 月 --day 日\n"
    "                    [--hour 時刻] [--name 氏名]\n"
    "                    [--settings ファイル] [--entry-day current|previous] [--all-stages yes|no]\n"
    "                    [--yes | --no] [--json]\n"
    "\n"
    "  各欄には画面の入力欄と同じように入力します（全角数字、\"7:30\"、\"時刻不明\" など）。\n"
    "  設定は現在のフォルダーの rizazede.dat から読みます。\n"
    "  終了コード: 0 命式を表示, 2 入力が受け付けられなかった, 1 使い方の誤り\n";

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CastOptions o;
    bool haveEra = false, haveYear = false, haveMonth = false, haveDay = false;

    using Setter = std::function<std::optional<std::string>(const std::string&)>;
    const auto text = [](std::string& target, bool* seen = nullptr) -> Setter {
        return [&target, seen](const std::string& v) -> std::optional<std::string> {
            target = v;
            if (seen) *seen = true;
            return std::nullopt;
        };
    };
    const std::map<std::string, Setter> valued{
        {"--era",
         [&](const std::string& v) -> std::optional<std::string> {
             const auto era = EraFromName(v);
             if (!era) return "--era は 大正、昭和、平成、西暦 のどれかです: " + v;
             o.era = *era;
             haveEra = true;
             return std::nullopt;
         }},
        {"--year", text(o.yearText, &haveYear)},
        {"--month", text(o.monthText, &haveMonth)},
        {"--day", text(o.dayText, &haveDay)},
        {"--hour", text(o.hourText)},
        {"--name", text(o.nameText)},
        {"--settings",
         [&](const std::string& v) -> std::optional<std::string> {
             o.settingsFile = v;
             return std::nullopt;
         }},
        {"--entry-day",
         [&](const std::string& v) -> std::optional<std::string> {
             if (v == "current") o.entryDayRule = EntryDayRule::CurrentMonth;
             else if (v == "previous") o.entryDayRule = EntryDayRule::PreviousMonth;
             else return "--entry-day は current か previous です: " + v;
             return std::nullopt;
         }},
        {"--all-stages",
         [&](const std::string& v) -> std::optional<std::string> {
             if (v == "yes") o.showAllStages = true;
             else if (v == "no") o.showAllStages = false;
             else return "--all-stages は yes か no です: " + v;
             return std::nullopt;
         }},
    };

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            o.help = true;
            return {o, {}};
        }
        if (arg == "--json") {
            o.json = true;
            continue;
        }
        if (arg == "--yes" || arg == "--no") {
            const PresetAnswer answer = arg == "--yes" ? PresetAnswer::Yes : PresetAnswer::No;
            if (o.answer != PresetAnswer::None && o.answer != answer)
                return {std::nullopt, "--yes と --no は同時に指定できません。"};
            o.answer = answer;
            continue;
        }
        const auto setter = valued.find(arg);
        if (setter == valued.end()) return {std::nullopt, "不明な引数です: " + arg};
        if (i + 1 >= args.size()) return {std::nullopt, arg + " には値が必要です。"};
        if (auto error = setter->second(args[++i])) return {std::nullopt, *error};
    }
    if (!haveEra || !haveYear || !haveMonth || !haveDay)
        return {std::nullopt, "--era、--year、--month、--day は必須です。"};
    return {o, {}};
}

}  // namespace kesora::cast
