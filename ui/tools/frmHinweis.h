#pragma once
// Notes on how the results relate to a bank's figures and which number settings are expected.

#include <QWidget>

class QListWidget;
class QPushButton;

namespace zolt {
class ScreenSlots;

class frmHinweis : public QWidget {
    Q_OBJECT
public:
    explicit frmHinweis(ScreenSlots& screens, QWidget* parent = nullptr);

    void Befehl1_Click();  // "Zurück"

private:
    void Form_Load();

    ScreenSlots& screens_;
    QListWidget* Liste1 = nullptr;
    QPushButton* Befehl1 = nullptr;
};

}  // namespace zolt
