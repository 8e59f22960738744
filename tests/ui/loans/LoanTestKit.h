#pragma once
// Shared by the loan screen tests.

#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <vector>

#include "support/HostileInput.h"

namespace zolt::testing {

inline std::vector<QString> Texts(const std::vector<QLineEdit*>& fields) {
    std::vector<QString> texts;
    for (const QLineEdit* field : fields) texts.push_back(field->text());
    return texts;
}

}  // namespace zolt::testing
