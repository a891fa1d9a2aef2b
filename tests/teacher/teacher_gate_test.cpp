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
  } cases[] = {{0, screens::kRecordsBrowser}, {1, screens::kCriteriaEditor}};
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
