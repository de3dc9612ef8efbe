// Random text into everything that reads text typed by a user or found in a
// file: box numbers, the hour conversion, the entry checks, the settings
// parser, every star rule, the readings, and the whole chart command.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "chart_view/health/health_lookup.hpp"
#include "chart_view/readings/format_reading_text.hpp"
#include "chart_view/readings/principal_star_reading.hpp"
#include "engine/box_text.hpp"
#include "engine/chart_driver.hpp"
#include "engine/entry_checks.hpp"
#include "engine/hidden_stems.hpp"
#include "engine/hour_entry.hpp"
#include "shell/settings/settings.hpp"
#include "stars/branch_stars.hpp"
#include "stars/day_stem_stars.hpp"
#include "stars/special_star_filler.hpp"
#include "stars/ten_god.hpp"
#include "stars/twelve_stage.hpp"
#include "stars/virtue_stars.hpp"

namespace {

using namespace kesora;

// The input split at 0xFF bytes into up to eight texts.
std::vector<std::string_view> Pieces(std::string_view input) {
    std::vector<std::string_view> pieces;
    while (pieces.size() < 7) {
        const std::size_t cut = input.find('\xFF');
        if (cut == std::string_view::npos) break;
        pieces.push_back(input.substr(0, cut));
        input.remove_prefix(cut + 1);
    }
    pieces.push_back(input);
    while (pieces.size() < 8) pieces.emplace_back();
    return pieces;
}

class FuzzForm final : public BirthDataForm {
public:
    explicit FuzzForm(const std::vector<std::string_view>& p)
        : name_(p[0]), year_(p[1]), month_(p[2]), day_(p[3]), hour_(p[4]),
          era_(kEras[p[5].size() % kEras.size()]) {}
    std::string nameText() const override { return name_; }
    Era selectedEra() const override { return era_; }
    std::string eraCaption() const override { return std::string(EraName(era_)); }
    std::string yearText() const override { return year_; }
    std::string monthText() const override { return month_; }
    std::string dayText() const override { return day_; }
    std::string hourText() const override { return hour_; }
    void setHourText(std::string_view text) override { hour_ = text; }
    void focusYearBox() override {}
    void focusHourBox() override {}
    ChartRunState& runState() override { return state_; }

private:
    std::string name_, year_, month_, day_, hour_;
    Era era_;
    ChartRunState state_;
};

class AlternatingBoxes final : public MessageBoxes {
public:
    void inform(std::string_view, std::string_view) override {}
    void notify(std::string_view, std::string_view) override {}
    int ask(std::string_view, std::string_view) override { return (yes_ = !yes_) ? kAnswerYes : kAnswerNo; }

private:
    bool yes_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string_view> p = Pieces(input);

    (void)ReadBoxNumber(input);
    (void)TrimBlanks(input);
    (void)CheckDayEntry(input);
    (void)CheckMonthEntry(input);
    (void)BirthDateFilled(p[0], p[1], p[2]);
    (void)SlotOfTypedHour(input);
    (void)ClassifyHourEntry(input);
    (void)ParseSettings(input);
    (void)ChartSheet::labelNumber(input);

    (void)TenGodStar(p[0], p[1]);
    (void)TwelveStageStar(p[0], p[1]);
    (void)DayStemSpecialStars(p[0], p[1]);
    (void)BranchSpecialStars(p[0], p[1]);
    (void)TravelHorseStar(p[0], p[1], p[2]);
    (void)CanopyStar(p[0], p[1]);
    (void)MonthVirtueStars(p[0], p[1]);
    (void)HiddenStem(p[0], static_cast<std::int64_t>(p[1].size()) - 2);
    (void)FormatReadingText(input);
    (void)PrincipalStarReading(input);
    (void)HealthTextForStem(input);
    (void)HealthTextForStar(input);

    FuzzForm form(p);
    AlternatingBoxes boxes;
    ChartSheet sheet;
    const ChartOptions options{p[6].size() % 2 ? EntryDayRule::PreviousMonth : EntryDayRule::CurrentMonth,
                               p[7].size() % 2 == 1};
    (void)RunChartCommand(form, boxes, options, sheet);
    (void)RunChartCommand(form, boxes, options, sheet);

    // The special stars read whatever the cells hold.
    for (int label = ChartSheet::kFirstLabel; label <= ChartSheet::kLastLabel; ++label)
        sheet.setText(label, p[static_cast<std::size_t>(label) % p.size()]);
    FillSpecialStars(sheet);
    return 0;
}
