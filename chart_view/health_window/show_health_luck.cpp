#include "chart_view/health_window/show_health_luck.hpp"

#include <QLabel>
#include <algorithm>

#include "chart_view/health/health_introduction.hpp"
#include "chart_view/health/health_lookup.hpp"
#include "chart_view/health_window/health_window.hpp"
#include "chart_view/health_window/health_window_host.hpp"
#include "chart_view/text_boxes/text_boxes.hpp"
#include "engine/message_boxes.hpp"
#include "engine/pillars.hpp"

namespace kesora::chart_view {

namespace {

void Call(const std::function<void()>& hook) {
    if (hook) hook();
}

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Casts the chart through the chart command and leaves only the health window in view.
void CastChartFirst(BirthDataForm& form, const HealthLuckHooks& hooks) {
    if (std::ranges::find(kHourSlots, form.hourText()) == kHourSlots.end()) {
        form.runState().hourState = kHourUnknown;
    }
    Call(hooks.runChartCommand);
    Call(hooks.hideChartWindow);
    if (form.runState().hourState == kHourUnknown) form.setHourText("時刻");
}

}  // namespace

void ShowHealthLuck(HealthWindowHost& host, const ChartSheet& sheet, BirthDataForm& form,
                    const HealthLuckHooks& hooks) {
    if (!sheet.holdsChart()) {
        CastChartFirst(form, hooks);
    } else {
        // The click sounds over a paused tune, which then plays on.
        Call(hooks.stopMusic);
        Call(hooks.playClickSound);
        Call(hooks.playMusic);
    }

    Form20* window = host.load();
    window->label("Label3")->setText(Q(kHealthIntroduction).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    const std::string_view dayStem = TrimSpaces(sheet.text(cell::DayStem));
    const std::string_view principalStar = TrimSpaces(sheet.text(cell::MonthHiddenStar));
    window->label("Label5")->setText(Q(dayStem));
    window->label("Label6")->setText(Q(principalStar));
    // A caption that names no stem or star leaves the box as it was.
    if (const auto text = HealthTextForStem(dayStem)) SetBoxText(window->textBox("Text1"), *text);
    if (const auto text = HealthTextForStar(principalStar)) SetBoxText(window->textBox("Text2"), *text);

    if (sheet.holdsChart() && form.runState().lastAnswer != kAnswerNo) {
        const bool wasShown = window->isVisible();
        window->show();
        if (wasShown) window->raise();
        window->activateWindow();
    }
}

}  // namespace kesora::chart_view
