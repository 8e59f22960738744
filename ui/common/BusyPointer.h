#pragma once
// The hourglass pointer for the length of a scope: set on construction, restored on every
// way out of the scope (early returns after a message box included).

#include <QGuiApplication>

namespace zolt {

class BusyPointer {
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace zolt
