// kesora-cast: casts a chart from the command line through the same chart
// command as the main window.

#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cast_options.hpp"
#include "chart_output.hpp"
#include "engine/chart_driver.hpp"
#include "engine/entry_checks.hpp"
#include "shell/settings/settings.hpp"
#include "terminal_boxes.hpp"

namespace {

using namespace kesora;

constexpr int kExitChart = 0;
constexpr int kExitUsage = 1;
constexpr int kExitRefused = 2;

// The main window's boxes, as typed on the command line.
class CommandLineForm final : public BirthDataForm {
public:
    explicit CommandLineForm(const cast::CastOptions& o) : o_(o) {}

    std::string nameText() const override { return o_.nameText; }
    Era selectedEra() const override { return o_.era; }
    std::string eraCaption() const override { return std::string(EraName(o_.era)); }
    std::string yearText() const override { return o_.yearText; }
    std::string monthText() const override { return o_.monthText; }
    std::string dayText() const override { return o_.dayText; }
    std::string hourText() const override { return o_.hourText; }
    void setHourText(std::string_view text) override { o_.hourText = text; }
    void focusYearBox() override {}
    void focusHourBox() override {}
    ChartRunState& runState() override { return state_; }

private:
    cast::CastOptions o_;
    ChartRunState state_;
};

ChartOptions OptionsFor(const cast::CastOptions& o) {
    ChartOptions options =
        ChartOptionsFrom(LoadSettingsFile(o.settingsFile.value_or(std::string(kSettingsFileName))));
    if (o.entryDayRule) options.entryDayRule = *o.entryDayRule;
    if (o.showAllStages) options.showAllStages = *o.showAllStages;
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    const cast::ParsedCommandLine parsed = cast::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        std::cerr << parsed.error << "\n\n" << cast::kUsage;
        return kExitUsage;
    }
    const cast::CastOptions& o = *parsed.options;
    if (o.help) {
        std::cout << cast::kUsage;
        return kExitChart;
    }

    cast::TerminalBoxes boxes(o.answer, isatty(STDIN_FILENO) != 0, std::cin, std::cerr);
    // The month and day boxes refuse out-of-range entries as they are typed.
    if (CheckMonthEntry(o.monthText) == BoxCheck::Refused) {
        boxes.inform(kShellTitle, kMonthOutOfRange);
        return kExitRefused;
    }
    if (CheckDayEntry(o.dayText) == BoxCheck::Refused) {
        boxes.inform(kShellTitle, kDayOutOfRange);
        return kExitRefused;
    }

    CommandLineForm form(o);
    ChartSheet sheet;
    if (!RunChartCommand(form, boxes, OptionsFor(o), sheet)) return kExitRefused;
    std::cout << (o.json ? cast::ChartAsJson(sheet) : cast::ChartAsText(sheet));
    return kExitChart;
}
