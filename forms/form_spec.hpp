#pragma once
// A window's controls described once, as data that reads like its layout
// sheet, and built into widgets by one helper.

#include <QColor>
#include <QHash>
#include <QString>
#include <QWidget>
#include <optional>
#include <span>

#include "forms/twips.hpp"

namespace kesora::forms {

// The Windows faces the windows were drawn with; mapped to installed fonts at start-up.
inline constexpr const char* kGothic = "ＭＳ Ｐゴシック";
inline constexpr const char* kMincho = "ＭＳ Ｐ明朝";
inline constexpr const char* kPlainMincho = "ＭＳ 明朝";
inline constexpr const char* kRoundGothic = "ＦＡ 丸ゴシックＭ";

// How a control looks; shared looks are named once per window.
struct Look {
    const char* fontFamily = nullptr;  // nullptr: the window's font
    double pointSize = 0;              // 0: the window's size
    bool bold = false;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool border = false;
    std::optional<QColor> background;  // none: transparent
    QColor foreground = Qt::black;
    bool wordWrap = false;
};

enum class Kind {
    Label,
    Button,
    PictureButton,  // a picture that acts as a button
    Picture,
    TextBox,
    ComboBox,       // typing allowed
    Option,         // radio button; its parent is a Frame
    Frame,
    Rule,           // a horizontal line
};

struct ControlSpec {
    const char* name;
    Kind kind;
    const char* caption;
    Twips rect;
    const Look* look = nullptr;
    const char* parent = nullptr;  // a Frame's name, for its options
};

// The built controls of one window, by name.
class Controls {
public:
    QWidget* operator[](const QString& name) const { return byName_.value(name); }
    template <class T>
    T* get(const QString& name) const {
        return qobject_cast<T*>(byName_.value(name));
    }
    void add(const QString& name, QWidget* w) { byName_.insert(name, w); }

private:
    QHash<QString, QWidget*> byName_;
};

// Builds every control onto `form` in order; later controls lie on top.
Controls BuildControls(QWidget* form, std::span<const ControlSpec> specs);

// Applies a look to any widget (font, colours, border, alignment).
void ApplyLook(QWidget* widget, const Look& look);

QFont FontOf(const Look& look, const QFont& base);

}  // namespace kesora::forms
