#include "shell/options/options_form.hpp"

#include <QButtonGroup>
#include <QFileInfo>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "shell/options/option_group.hpp"
#include "shell/options/options_layout.hpp"
#include "shell/options/options_messages.hpp"

namespace kesora::shell {

namespace {

// The window carries no icon; without one of its own it would show the program's.
QIcon NoIcon() {
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

// A frame's caption sits on its border line, clear of the options below it.
// Style sheets override palettes, so a frame's fill colour is restated here.
QString FrameStyle(std::span<const forms::ControlSpec> controls) {
    QString style = QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }");
    for (const forms::ControlSpec& control : controls) {
        if (control.kind != forms::Kind::Frame || !control.look || !control.look->background) continue;
        style += QStringLiteral("QGroupBox#%1, QGroupBox#%1::title { background-color: %2; }")
                     .arg(QString::fromUtf8(control.name), control.look->background->name());
    }
    return style;
}

}  // namespace

OptionsForm::OptionsForm(SettingsStore& store, MessageBoxes& boxes, QWidget* parent)
    : QWidget(parent), store_(store), boxes_(boxes) {
    setObjectName(QStringLiteral("Form16"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("オプション"));
    setWindowIcon(NoIcon());
    setFixedSize(forms::PxSize(kOptionsClientWidth, kOptionsClientHeight));
    controls_ = forms::BuildControls(this, OptionsControls());
    setStyleSheet(FrameStyle(OptionsControls()));

    eras_ = groupOf({"Option1", "Option2", "Option3", "Option4"});
    stages_ = groupOf({"Option5", "Option6"});
    sexes_ = groupOf({"Option7", "Option8"});
    music_ = groupOf({"MIDI_Y", "MIDI_N"});
    fonts_ = groupOf({"Option10", "Option9"});
    entryDays_ = groupOf({"Tougetu11", "Zengetu12"});
    showSettings(Settings{});

    // Each change of the font choice flips the flag, so two changes cancel out.
    connect(fonts_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) fontChangePending_ ^= 1;
    });
    connect(controls_.get<QPushButton>(kOkButton), &QPushButton::clicked, this, [this] {
        if (save()) close();
    });
    connect(controls_.get<QPushButton>(kUpdateButton), &QPushButton::clicked, this, [this] { save(); });
    connect(controls_.get<QPushButton>(kCancelButton), &QPushButton::clicked, this, &QWidget::close);
}

QRadioButton* OptionsForm::option(const char* name) const {
    return controls_.get<QRadioButton>(QString::fromLatin1(name));
}

QButtonGroup* OptionsForm::groupOf(std::initializer_list<const char*> names) {
    auto* group = new QButtonGroup(this);
    int id = 0;
    for (const char* name : names) group->addButton(option(name), id++);
    return group;
}

void OptionsForm::showSettings(const Settings& s) {
    // Option1 to Option4 carry the era's place in kEras as their id.
    const auto era = s.defaultEra ? std::ranges::find(kEras, *s.defaultEra) : kEras.end();
    SelectOnly(*eras_, era != kEras.end() ? eras_->button(static_cast<int>(era - kEras.begin())) : nullptr);
    SelectOnly(*stages_, s.showAllStages ? option(*s.showAllStages ? "Option5" : "Option6") : nullptr);
    SelectOnly(*sexes_, s.defaultSex ? option(*s.defaultSex == Sex::Male ? "Option7" : "Option8") : nullptr);
    SelectOnly(*music_, option(s.musicOn ? "MIDI_Y" : "MIDI_N"));
    SelectOnly(*fonts_, option(s.smallFonts ? "Option10" : "Option9"));
    SelectOnly(*entryDays_, option(s.entryDayRule == EntryDayRule::CurrentMonth ? "Tougetu11" : "Zengetu12"));
    fontChangePending_ = 0;
}

Settings OptionsForm::selectedSettings() const {
    Settings s;
    const int era = eras_->checkedId();
    s.defaultEra = era >= 0 ? std::optional(kEras[static_cast<std::size_t>(era)]) : std::nullopt;
    s.showAllStages = option("Option5")->isChecked()   ? std::optional(true)
                      : option("Option6")->isChecked() ? std::optional(false)
                                                       : std::nullopt;
    s.defaultSex = option("Option7")->isChecked()   ? std::optional(Sex::Male)
                   : option("Option8")->isChecked() ? std::optional(Sex::Female)
                                                    : std::nullopt;
    s.musicOn = option("MIDI_Y")->isChecked();
    s.smallFonts = option("Option10")->isChecked();
    s.entryDayRule = option("Tougetu11")->isChecked() ? EntryDayRule::CurrentMonth : EntryDayRule::PreviousMonth;
    return s;
}

bool OptionsForm::save() {
    if (fontChangePending_ == 1 && boxes_.ask(kFontQuestionTitle, kFontQuestion) == kAnswerNo) {
        // Undoing the choice is itself a change, which clears the flag.
        SelectOnly(*fonts_, option(option("Option10")->isChecked() ? "Option9" : "Option10"));
    }
    if (const auto failure = store_.save(selectedSettings())) {
        boxes_.inform(kShellTitle, SaveFailureText(*failure, QFileInfo(store_.filePath()).absoluteFilePath()));
        return false;
    }
    fontChangePending_ = 0;
    return true;
}

}  // namespace kesora::shell
