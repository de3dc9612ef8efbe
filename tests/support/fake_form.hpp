#pragma once
// The birth-data boxes without a window.

#include <string>

#include "engine/birth_data_form.hpp"

namespace kesora::testing {

class FakeForm final : public BirthDataForm {
public:
    std::string name = "氏名";
    Era era = Era::Showa;
    std::string year, month, day;
    std::string hour = "時刻";
    ChartRunState state;
    int yearFocused = 0;
    int hourFocused = 0;

    std::string nameText() const override { return name; }
    Era selectedEra() const override { return era; }
    std::string eraCaption() const override { return std::string(EraName(era)); }
    std::string yearText() const override { return year; }
    std::string monthText() const override { return month; }
    std::string dayText() const override { return day; }
    std::string hourText() const override { return hour; }
    void setHourText(std::string_view text) override { hour = text; }
    void focusYearBox() override { ++yearFocused; }
    void focusHourBox() override { ++hourFocused; }
    ChartRunState& runState() override { return state; }
};

}  // namespace kesora::testing
