#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "core/app_state.h"
#include "core/screen_names.h"
#include "menu/seisekitime1.h"
#include "support/test_app.h"
#include "teacher/frm_time_data.h"

namespace {
void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
}  // namespace

// The password opens the teacher screen of the button and unloads the menu; the criteria editor
// brings a freshly loaded menu back.
TEST(TeacherGate, TheRightPasswordOpensTheScreenOfTheButtonInPlaceOfTheMenu) {
  const struct {
    int button;
    QString screen;
  } cases[] = {{0, screens::kRecordsBrowser}, {1, screens::kCriteriaEditor}, {2, screens::kFactMap}};
  for (const auto& c : cases) {
    TestApp app;
    app.installation.writeResults({});
    app.loadInstallation();
    app.choosePupil(3);
    app.navigator.show(screens::kStudentMenu);
    auto* menu = app.screen<seisekitime1>(screens::kStudentMenu);
    click(menu->Command8);
    menu->Text3->setText(u"pass"_qs);
    click(menu->Command10[c.button]);
    EXPECT_TRUE(app.boxes.shown.empty());
    EXPECT_EQ(app.current(), c.screen);
    EXPECT_FALSE(app.navigator.isLoaded(screens::kStudentMenu));
    app.navigator.collectUnloaded();

    if (c.screen == screens::kCriteriaEditor) {
      click(app.screen<FrmTimeData>(screens::kCriteriaEditor)->Command4);
      EXPECT_EQ(app.current(), screens::kStudentMenu);
      EXPECT_FALSE(app.navigator.isLoaded(screens::kCriteriaEditor));
      EXPECT_TRUE(app.screen<seisekitime1>(screens::kStudentMenu)->Picture7->isHidden());
    }
  }
}

// The password is the text written in the common data file, quoted or not; typed exactly, it opens.
TEST(TeacherGate, ThePasswordIsTheTextAsWrittenInTheFile) {
  const struct {
    QString field;
    QString typed;
    bool opens;
  } cases[] = {
      {u"0123"_qs, u"0123"_qs, true},
      {u"0123"_qs, u"123"_qs, false},
      {u"\"0123\""_qs, u"0123"_qs, true},
      {u"1.50"_qs, u"1.50"_qs, true},
      {u"1.50"_qs, u"1.5"_qs, false},
      {u"1234567890123456"_qs, u"1234567890123456"_qs, true},
      {u"abc"_qs, u"abc"_qs, true},
      {u"abc"_qs, u"ABC"_qs, false},
      {u"\"abc\""_qs, u"abc"_qs, true},
      {u"\"\""_qs, QString(), true},
      {u"\"\""_qs, u"0"_qs, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE((c.field + QStringLiteral(" typed ") + c.typed).toStdString());
    TestApp app;
    app.installation.writeResults({});
    app.installation.writeCommonDataWithPasswordField(c.field);
    app.loadInstallation();
    app.choosePupil(3);
    app.navigator.show(screens::kStudentMenu);
    auto* menu = app.screen<seisekitime1>(screens::kStudentMenu);
    click(menu->Command8);
    menu->Text3->setText(c.typed);
    click(menu->Command10[0]);
    EXPECT_EQ(app.current(), c.opens ? screens::kRecordsBrowser : screens::kStudentMenu);
    app.navigator.collectUnloaded();
  }
}
