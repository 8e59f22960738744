#include "ui/common/Layout.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace zolt {

void PlaceTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(Px(left), Px(top), Px(width), Px(height));
}

void SetClientTwips(QWidget* window, int width, int height) { window->resize(Px(width), Px(height)); }

void CenterOnDesktop(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect desktop = screen->availableGeometry();
    const QRect frame = window->frameGeometry();
    window->move(desktop.x() + desktop.width() / 2 - frame.width() / 2,
                 desktop.y() + desktop.height() / 2 - frame.height() / 2);
}

QString ArrayName(const QString& name, int index) { return QStringLiteral("%1(%2)").arg(name).arg(index); }

}  // namespace zolt

namespace zolt {

void InstallFontSubstitutes() {
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"), {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
}

QFont DialogFont() {
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace zolt
