#pragma once

class QCoreApplication;
class QTranslator;

// Qt's own captions (the file dialog's buttons and labels, a message box's キャンセル) in Japanese,
// from the translations Debian installs with Qt; the school reads Japanese whatever the computer's
// locale. Returns the translator, owned by the application, or nullptr when the translations are not
// installed, and Qt then shows its English captions.
QTranslator* installJapaneseQtTexts(QCoreApplication& app);
