#include "chart_driver.hpp"

#include "box_text.hpp"
#include "cycle.hpp"
#include "entry_checks.hpp"
#include "hidden_stems.hpp"
#include "hour_entry.hpp"
#include "solar_terms.hpp"
#include "stars/special_star_filler.hpp"
#include "stars/ten_god.hpp"
#include "stars/twelve_stage.hpp"

namespace kesora {

namespace {

bool Blank(std::string_view text, std::string_view placeholder) {
    const std::string_view t = TrimBlanks(text);
    return t.empty() || t == placeholder;
}

struct CheckedBirth {
    std::int64_t year = 0;
    std::int64_t month = 0;
    std::int64_t day = 0;
};

void SetHourPillarVisible(ChartSheet& sheet, bool visible) {
    for (int label : cell::HourPillarCells) sheet.setVisible(label, visible);
}

// The checks before anything is computed; nothing when the run stops.
std::optional<CheckedBirth> CheckBirthData(BirthDataForm& form, MessageBoxes& boxes,
                                           ChartSheet& sheet) {
    const std::string year = form.yearText();
    const std::string month = form.monthText();
    const std::string day = form.dayText();
    if (Blank(year, kYearPlaceholder) || Blank(month, kMonthPlaceholder) ||
        Blank(day, kDayPlaceholder)) {
        boxes.inform(kChartTitle, kDataMissing);
        return std::nullopt;
    }

    ChartRunState& state = form.runState();
    if (!sheet.holdsChart()) {
        ConvertHourEntry(form, boxes);
        if (state.hourState == kHourRejected) return std::nullopt;
        if (state.hourState == kHourUnknown) SetHourPillarVisible(sheet, false);
    }

    if (TrimBlanks(form.hourText()).empty()) {
        boxes.inform(kChartTitle, kFillEveryBox);
        return std::nullopt;
    }

    const CheckedBirth birth{ReadBoxNumber(year), ReadBoxNumber(month), ReadBoxNumber(day)};
    state.lastAnswer = 0;
    switch (form.selectedEra()) {
    case Era::Taisho:
        if (birth.year > 15) state.lastAnswer = boxes.ask(kChartTitle, kTaishoQuestion);
        break;
    case Era::Showa:
        if (birth.year > 64) state.lastAnswer = boxes.ask(kChartTitle, kShowaQuestion);
        break;
    case Era::Heisei:
        if (birth.year > 50) state.lastAnswer = boxes.ask(kChartTitle, kHeiseiQuestion);
        break;
    case Era::Seireki:
        if (birth.year < 1912) {
            boxes.inform(kChartTitle, kWesternYearTooEarly);
            state.lastAnswer = kAnswerNo;
        }
        break;
    }
    if (state.lastAnswer == kAnswerNo) {
        sheet.markEmpty();
        form.focusYearBox();
        return std::nullopt;
    }
    return birth;
}

void WriteTenGodStar(ChartSheet& sheet, int sourceCell, int targetCell) {
    sheet.setText(targetCell, TenGodStar(sheet.text(cell::DayStem), sheet.text(sourceCell)));
}

void WriteHeading(BirthDataForm& form, ChartSheet& sheet) {
    sheet.setText(cell::Name, TrimBlanks(form.nameText()));
    sheet.setText(cell::Era, TrimBlanks(form.eraCaption()));
    sheet.setText(cell::Year, TrimBlanks(form.yearText()));
    sheet.setText(cell::Month, TrimBlanks(form.monthText()));
    sheet.setText(cell::Day, TrimBlanks(form.dayText()));
    sheet.setText(cell::Hour, TrimBlanks(form.hourText()));
}

}  // namespace

void ComputeChart(BirthDataForm& form, MessageBoxes& boxes, const ChartOptions& options,
                  ChartSheet& sheet) {
    const std::optional<CheckedBirth> birth = CheckBirthData(form, boxes, sheet);
    if (!birth) return;

    ChartRunState& state = form.runState();
    const std::string hourBox = form.hourText();
    const std::int64_t westernYear = WesternYear(form.selectedEra(), birth->year);
    const int entryDay = LookUpEntryDay(westernYear, birth->month);
    state.entryDay = entryDay;
    const int dayNumber = DayNumber(westernYear, birth->month, birth->day);
    const YearMonthPillars ym =
        ComputeYearMonthPillars(westernYear, birth->month, birth->day, entryDay, options.entryDayRule);

    sheet.setText(cell::YearStem, StemOfNumber(ym.yearNumber));
    sheet.setText(cell::YearBranch, BranchOfNumber(ym.yearNumber));
    sheet.setText(cell::DayStem, StemOfNumber(dayNumber));
    sheet.setText(cell::MonthStem, StemOfNumber(ym.monthNumber));
    sheet.setText(cell::MonthBranch, BranchOfNumber(ym.monthNumber));
    sheet.setText(cell::DayBranch, BranchOfNumber(dayNumber));
    sheet.setText(cell::Void, VoidPair(dayNumber));

    const HourPillar hour = ComputeHourPillar(hourBox, dayNumber);
    sheet.setText(cell::HourStem, hour.stem);
    sheet.setText(cell::HourBranch, hour.branch);

    const int daysSinceEntry = DaysSinceEntry(birth->day, hourBox, entryDay, options.entryDayRule);
    constexpr std::pair<int, int> kBranchToHidden[] = {{cell::YearBranch, cell::YearHidden},
                                                       {cell::MonthBranch, cell::MonthHidden},
                                                       {cell::DayBranch, cell::DayHidden},
                                                       {cell::HourBranch, cell::HourHidden}};
    for (auto [branchCell, hiddenCell] : kBranchToHidden)
        sheet.setText(hiddenCell, HiddenStem(sheet.text(branchCell), daysSinceEntry));

    WriteTenGodStar(sheet, cell::YearStem, cell::YearStemStar);
    WriteTenGodStar(sheet, cell::YearHidden, cell::YearHiddenStar);
    WriteTenGodStar(sheet, cell::MonthStem, cell::MonthStemStar);
    WriteTenGodStar(sheet, cell::MonthHidden, cell::MonthHiddenStar);
    WriteTenGodStar(sheet, cell::DayHidden, cell::DayHiddenStar);
    WriteTenGodStar(sheet, cell::HourStem, cell::HourStemStar);
    WriteTenGodStar(sheet, cell::HourHidden, cell::HourHiddenStar);

    // The day pillar's stage is always shown; the others only when asked for,
    // and otherwise keep whatever their cells held.
    constexpr std::pair<int, int> kBranchToStage[] = {{cell::YearBranch, cell::YearStage},
                                                      {cell::MonthBranch, cell::MonthStage},
                                                      {cell::DayBranch, cell::DayStage},
                                                      {cell::HourBranch, cell::HourStage}};
    const std::string& dayStem = sheet.text(cell::DayStem);
    for (auto [branchCell, stageCell] : kBranchToStage) {
        if (stageCell == cell::DayStage || options.showAllStages)
            sheet.setText(stageCell, TwelveStageStar(dayStem, sheet.text(branchCell)));
    }

    WriteHeading(form, sheet);

    const std::string_view shownHour = TrimBlanks(hourBox);
    const bool hourInHeading = shownHour != kHourPlaceholder && shownHour != kHourUnknownText;
    sheet.setVisible(cell::Hour, hourInHeading);
    sheet.setVisible(cell::BornWord, hourInHeading);
    if (state.hourState != kHourUnknown) SetHourPillarVisible(sheet, true);
}

bool RunChartCommand(BirthDataForm& form, MessageBoxes& boxes, const ChartOptions& options,
                     ChartSheet& sheet) {
    ComputeChart(form, boxes, options, sheet);
    // One buffer for the special-star boxes of every chart this thread casts.
    static thread_local std::string specialStarBox;
    FillSpecialStars(sheet, specialStarBox);
    return sheet.holdsChart();
}

}  // namespace kesora
