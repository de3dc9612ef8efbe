#pragma once
// The chart command: from the birth-data form to a complete chart sheet.

#include "birth_data_form.hpp"
#include "chart_sheet.hpp"
#include "message_boxes.hpp"
#include "pillars.hpp"

namespace kesora {

// The two settings that steer a chart.
struct ChartOptions {
    EntryDayRule entryDayRule = EntryDayRule::CurrentMonth;
    bool showAllStages = false;  // twelve-stage stars under every pillar, not just the day
};

inline constexpr std::string_view kDataMissing = "データが足りません。";
inline constexpr std::string_view kFillEveryBox = "空欄をすべて埋めてください。";
inline constexpr std::string_view kTaishoQuestion = "大正は１５年までですが、入力に間違いはありませんか。";
inline constexpr std::string_view kShowaQuestion = "昭和は６４年までですが、入力に間違いはありませんか。";
inline constexpr std::string_view kHeiseiQuestion = "平成が選択されていますが、入力に間違いはありませんか。";
inline constexpr std::string_view kWesternYearTooEarly = "西暦は1912年～より対応となっております。";

// Checks the form's data and writes the chart into the sheet: pillars, hidden
// stems, ten-god and twelve-stage stars, void and heading. A refusal or a No
// answer stops it with a message, leaving the sheet as it was (bar the empty
// mark and hidden hour cells).
void ComputeChart(BirthDataForm& form, MessageBoxes& boxes, const ChartOptions& options,
                  ChartSheet& sheet);

// ComputeChart, then the special stars. True when the sheet holds a chart that
// the caller should now show (after the click sound).
bool RunChartCommand(BirthDataForm& form, MessageBoxes& boxes, const ChartOptions& options,
                     ChartSheet& sheet);

}  // namespace kesora
