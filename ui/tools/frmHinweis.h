#pragma once
// Notes on how the results relate to a bank's figures and which number settings are expected.

#include <QWidget>

class QListWidget;
class QPushButton;

namespace zolt {

class frmHinweis : public QWidget {
    Q_OBJECT
public:
    explicit frmHinweis(QWidget* parent = nullptr);

    void Befehl1_Click();  // "Zurück"

private:
    void Form_Load();

    QListWidget* Liste1_ = nullptr;
    QPushButton* Befehl1_ = nullptr;
};

}  // namespace zolt
