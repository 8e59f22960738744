#pragma once
// Qt's own texts (the standard buttons of message boxes, the file dialog) in German, so that
// they match the program's German screens whatever the desktop's language is.

class QCoreApplication;

namespace zolt {

// Loads Qt's German catalogue "qtbase_de" from Qt's translations folder and installs it into
// app. Returns false, and leaves Qt's English texts, when the catalogue is not there.
bool InstallGermanQtTranslation(QCoreApplication& app);

}  // namespace zolt
