#pragma once
// The chart as the chart window shows it: one cell per label of that window,
// addressed by the label's number (Label11 is cell 11). A cast chart lives
// only here; cells a run does not write keep their old captions.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kesora {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(Rgb, Rgb) = default;
};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kMarkOrange{255, 128, 0};

// The year-stem cell reads this while the sheet holds no chart of the current input.
inline constexpr std::string_view kEmptyChartMark = "11";

// Cell numbers of the chart window, named by what they hold.
namespace cell {
inline constexpr int YearStem = 11, YearBranch = 12, YearHidden = 13;
inline constexpr int YearStemStar = 14, YearHiddenStar = 15, YearStage = 16;
inline constexpr int MonthStem = 17, MonthBranch = 18, MonthHidden = 19;
inline constexpr int MonthStemStar = 20, MonthHiddenStar = 21, MonthStage = 22;
inline constexpr int DayStem = 23, DayBranch = 24, DayHidden = 25;
inline constexpr int DayStemStar = 26, DayHiddenStar = 27, DayStage = 28;
inline constexpr int HourStem = 29, HourBranch = 30, HourHidden = 31;
inline constexpr int HourStemStar = 32, HourHiddenStar = 33, HourStage = 34;
inline constexpr int Void = 35;
inline constexpr int Name = 37, Era = 38, Year = 39, Month = 41, Day = 43, Hour = 45, BornWord = 46;
inline constexpr int YearSpecial = 49, MonthSpecial = 50, DaySpecial = 51, HourSpecial = 52;

// The cells of one pillar, top to bottom as the window shows them.
struct PillarCells {
    int stem, branch, hidden, stemStar, hiddenStar, stage, special;
};
inline constexpr PillarCells HourPillar{29, 30, 31, 32, 33, 34, 52};
inline constexpr PillarCells DayPillar{23, 24, 25, 26, 27, 28, 51};
inline constexpr PillarCells MonthPillar{17, 18, 19, 20, 21, 22, 50};
inline constexpr PillarCells YearPillar{11, 12, 13, 14, 15, 16, 49};

// The hour pillar's cells, hidden together when the birth hour is unknown.
inline constexpr std::array<int, 7> HourPillarCells{29, 30, 31, 32, 33, 34, 52};
}  // namespace cell

class ChartSheetObserver {
public:
    virtual ~ChartSheetObserver() = default;
    virtual void cellChanged(int label) = 0;
};

class ChartSheet {
public:
    static constexpr int kFirstLabel = 1;
    static constexpr int kLastLabel = 52;

    // A freshly loaded chart window: every placeholder caption, all visible, black.
    ChartSheet();

    // Unloading the window and loading it again.
    void reset();

    // Reads of a number outside the window give an empty, visible, black cell;
    // writes to one are ignored.
    const std::string& text(int label) const;
    bool visible(int label) const;
    Rgb color(int label) const;

    void setText(int label, std::string_view text);
    void appendText(int label, std::string_view text);
    void setVisible(int label, bool visible);
    void setColor(int label, Rgb color);

    bool holdsChart() const { return text(cell::YearStem) != kEmptyChartMark; }
    void markEmpty() { setText(cell::YearStem, kEmptyChartMark); }

    // The window that renders this sheet; null for none.
    void setObserver(ChartSheetObserver* observer) { observer_ = observer; }

    // "Label11" → 11; anything else that is not a label of the window → nothing.
    static std::optional<int> labelNumber(std::string_view name);
    // The caption a label has when the window is loaded.
    static std::string_view initialCaption(int label);

private:
    struct Cell {
        std::string text;
        bool visible = true;
        Rgb color = kBlack;
    };
    static bool inRange(int label) { return label >= kFirstLabel && label <= kLastLabel; }
    void changed(int label) {
        if (observer_) observer_->cellChanged(label);
    }

    std::array<Cell, kLastLabel + 1> cells_{};
    ChartSheetObserver* observer_ = nullptr;
};

}  // namespace kesora
