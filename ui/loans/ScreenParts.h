#pragma once
// Building blocks of the small loan screens: a named control placed by its twips in the
// dialog font, and a caption label.

#include <QLabel>
#include <QString>
#include <QWidget>

#include "ui/common/Layout.h"

namespace zolt::loans {

template <typename T>
T* Place(QWidget* parent, const QString& name, int left, int top, int width, int height) {
    auto* widget = new T(parent);
    widget->setObjectName(name);
    widget->setFont(DialogFont());
    PlaceTwips(widget, left, top, width, height);
    return widget;
}

inline QLabel* Caption(QWidget* parent, const QString& name, const QString& text, int left, int top, int width,
                       int height = 255) {
    auto* label = Place<QLabel>(parent, name, left, top, width, height);
    label->setText(text);
    return label;
}

}  // namespace zolt::loans
