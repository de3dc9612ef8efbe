#pragma once
// What the chart command needs of the form the birth data are typed into:
// the main window, the command-line caster and tests each provide one.

#include <string>
#include <string_view>

#include "cycle.hpp"

namespace kesora {

inline constexpr int kHourKnown = 5;
inline constexpr int kHourUnknown = 1;
inline constexpr int kHourRejected = 2;

// State the form keeps between chart runs.
struct ChartRunState {
    int lastAnswer = 0;       // button code of the last question; kAnswerNo stops
    int hourState = kHourKnown;
    int entryDay = 0;         // solar-term entry day of the last birth month
};

class BirthDataForm {
public:
    virtual ~BirthDataForm() = default;

    virtual std::string nameText() const = 0;
    virtual Era selectedEra() const = 0;
    // The era name shown in the chart heading (written on each era click).
    virtual std::string eraCaption() const = 0;
    virtual std::string yearText() const = 0;
    virtual std::string monthText() const = 0;
    virtual std::string dayText() const = 0;
    virtual std::string hourText() const = 0;

    virtual void setHourText(std::string_view text) = 0;
    virtual void focusYearBox() = 0;
    virtual void focusHourBox() = 0;

    virtual ChartRunState& runState() = 0;
};

}  // namespace kesora
