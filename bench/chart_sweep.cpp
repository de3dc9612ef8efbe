// Casts every date from 1912-01-01 to 2100-12-31 at each two-hour slot and
// with the hour unknown, through the whole chart command (checks, hour
// conversion, driver, special stars, sheet), and prints charts per second.

#include <chrono>
#include <ctime>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/chart_driver.hpp"

namespace {

using namespace kesora;

class SweepForm final : public BirthDataForm {
public:
    const std::string* year = nullptr;
    const std::string* month = nullptr;
    const std::string* day = nullptr;
    std::string hour;
    ChartRunState state;

    std::string nameText() const override { return "氏名"; }
    Era selectedEra() const override { return Era::Seireki; }
    std::string eraCaption() const override { return "西暦"; }
    std::string yearText() const override { return *year; }
    std::string monthText() const override { return *month; }
    std::string dayText() const override { return *day; }
    std::string hourText() const override { return hour; }
    void setHourText(std::string_view text) override { hour = text; }
    void focusYearBox() override {}
    void focusHourBox() override {}
    ChartRunState& runState() override { return state; }
};

class SilentBoxes final : public MessageBoxes {
public:
    int shown = 0;
    void inform(std::string_view, std::string_view) override { ++shown; }
    void notify(std::string_view, std::string_view) override { ++shown; }
    int ask(std::string_view, std::string_view) override { return ++shown, kAnswerNo; }
};

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysIn(int y, int m) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

struct Date {
    std::string year, month, day;
};

}  // namespace

int main() {
    std::vector<Date> dates;
    for (int y = 1912; y <= 2100; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= DaysIn(y, m); ++d) dates.push_back({std::to_string(y), std::to_string(m), std::to_string(d)});

    std::vector<std::string> hours(kHourSlots.begin(), kHourSlots.end());
    hours.emplace_back("時刻不明");

    const ChartOptions options{EntryDayRule::CurrentMonth, true};
    SweepForm form;
    SilentBoxes boxes;
    ChartSheet sheet;
    std::size_t charts = 0, checksum = 0;

    // CPU time as well as wall time: on a busy machine the wall clock also
    // counts the time other processes had the core.
    const std::clock_t cpuStart = std::clock();
    const auto start = std::chrono::steady_clock::now();
    for (const Date& date : dates) {
        form.year = &date.year;
        form.month = &date.month;
        form.day = &date.day;
        for (const std::string& hour : hours) {
            form.hour = hour;
            sheet.markEmpty();  // as after typing into the boxes
            if (RunChartCommand(form, boxes, options, sheet)) ++charts;
            checksum += sheet.text(cell::YearSpecial).size() + sheet.text(cell::DayStem).size();
        }
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;

    std::printf("dates: %zu, charts cast: %zu, refused: %d\n", dates.size(), charts, boxes.shown);
    std::printf("wall time: %.3f s, %.0f charts per second\n", elapsed.count(),
                static_cast<double>(charts) / elapsed.count());
    std::printf("cpu time:  %.3f s, %.0f charts per second, %.2f us per chart (checksum %zu)\n", cpuSeconds,
                static_cast<double>(charts) / cpuSeconds, cpuSeconds * 1e6 / static_cast<double>(charts), checksum);
    return charts == dates.size() * hours.size() ? 0 : 1;
}
