#pragma once
// Creating a control of a screen design in one line: named, placed by its twips.

#include <QString>
#include <QWidget>

#include "ui/common/Layout.h"

namespace zolt {

template <typename Control>
Control* PlaceControl(QWidget* parent, const QString& name, int left, int top, int width, int height) {
    auto* control = new Control(parent);
    control->setObjectName(name);
    PlaceTwips(control, left, top, width, height);
    return control;
}

}  // namespace zolt
