#pragma once
// The version window Form13: program icon, product name, version and contact
// address. It has no buttons; its close box closes it.

#include <QWidget>

#include "forms/form_spec.hpp"

namespace kesora::shell {

class VersionForm final : public QWidget {
    Q_OBJECT
public:
    explicit VersionForm(QWidget* parent = nullptr);

    const forms::Controls& controls() const { return controls_; }

private:
    forms::Controls controls_;
};

}  // namespace kesora::shell
