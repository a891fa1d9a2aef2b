#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTranslator>

#include "platform/file_dialogs.h"
#include "platform/qt_texts.h"

// The file dialog and the message boxes' captions are Qt's own; a school reads them in Japanese.
TEST(QtTexts, QtsOwnCaptionsReadInJapanese) {
  QTranslator* translator = installJapaneseQtTexts(*QCoreApplication::instance());
  ASSERT_NE(translator, nullptr) << "Qt's Japanese translations are not installed";
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"キャンセル"_qs);
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), u"アドレス:"_qs);
  QCoreApplication::removeTranslator(translator);
  delete translator;
}

// Where the save dialog opens: the documents folder, or home on a computer that has none, never
// the folder the program happened to be started in.
TEST(DocumentsFolder, IsTheDocumentsFolderOrHomeWithoutOne) {
  QTemporaryDir home;
  ASSERT_TRUE(home.isValid());
  const QByteArray oldHome = qgetenv("HOME");
  const bool hadConfig = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
  const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
  qputenv("HOME", QFile::encodeName(home.path()));
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/.config")));

  EXPECT_EQ(documentsFolder(), home.path() + u'/');
  ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("Documents")));
  EXPECT_EQ(documentsFolder(), home.path() + QStringLiteral("/Documents/"));

  qputenv("HOME", oldHome);
  if (hadConfig)
    qputenv("XDG_CONFIG_HOME", oldConfig);
  else
    qunsetenv("XDG_CONFIG_HOME");
}
