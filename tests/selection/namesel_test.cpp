#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>

#include "core/screen_names.h"
#include "menu/seisekitime1.h"
#include "platform/file_error.h"
#include "selection/namesel.h"
#include "selection/roster_file.h"
#include "selection/roster_listing.h"
#include "startup/frmver.h"
#include "support/test_app.h"
#include "support/qstring_printer.h"

namespace {
const QString kChooseName = QStringLiteral("名前を選びなさい");

// The default roster at the default date: 田中先生 (大+), 佐藤花子 (小5), 山田太郎 (小4), oldest first.
constexpr int kSatoLine = 2;
constexpr int kSatoNo = 2;

struct ScreenApp {
  ScreenApp() { app.loadInstallation(); }
  namesel* show() {
    app.navigator.show(screens::kNameSelection);
    return screen();
  }
  namesel* screen() { return app.screen<namesel>(screens::kNameSelection); }

  TestApp app;
};

void doubleClickLine(namesel* s, int line) {
  const QPoint at = s->List1->visualItemRect(s->List1->item(line)).center();
  // A double click arrives as a click followed by the double click itself.
  QTest::mouseClick(s->List1->viewport(), Qt::LeftButton, {}, at);
  QTest::mousePress(s->List1->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(s->List1->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseRelease(s->List1->viewport(), Qt::LeftButton, {}, at);
}

// Every way a pupil confirms the line they are on.
struct Way {
  const char* name;
  std::function<void(namesel*, int line)> confirm;
};
const Way kWays[] = {
    {"O.K.", [](namesel* s, int line) { s->List1->setCurrentRow(line); QTest::mouseClick(s->Command14, Qt::LeftButton); }},
    {"Space", [](namesel* s, int line) { s->List1->setCurrentRow(line); QTest::keyClick(s->List1, Qt::Key_Space); }},
    {"Return", [](namesel* s, int line) { s->List1->setCurrentRow(line); QTest::keyClick(s->List1, Qt::Key_Return); }},
    {"double click", [](namesel* s, int line) { doubleClickLine(s, line); }},
    {"key 1", [](namesel* s, int line) { s->List1->setCurrentRow(line); QTest::keyClick(s->List1, Qt::Key_1); }},
};

TEST(NameSelection, OpensWithTheRosterAndAsksForAName) {
  ScreenApp a;
  namesel* s = a.show();
  ASSERT_EQ(s->List1->count(), 4);
  EXPECT_EQ(s->List1->item(0)->text(), kDashesLine);
  EXPECT_EQ(s->List1->item(kSatoLine)->text(), QStringLiteral("小5 佐藤花子　　  　/       "));
  EXPECT_EQ(s->List1->currentRow(), 0);
  EXPECT_EQ(s->Label1->text(), kChooseName);
  EXPECT_EQ(s->Label4->text(), QStringLiteral("カケドリ１"));
  EXPECT_TRUE(s->Picture5->isHidden());
  EXPECT_TRUE(s->Picture8->isHidden());
  EXPECT_TRUE(s->Label2->isHidden());
  EXPECT_EQ(s->displayMode(), 1);
  EXPECT_TRUE(s->Option1[1]->isChecked());
  EXPECT_EQ(s->Option1[0]->text(), QStringLiteral("回数(今日／今まで）"));
  EXPECT_EQ(s->Command7->text(), QStringLiteral("学習ランチャー(0)"));
  EXPECT_FALSE(s->Combo1->isEditable());
  EXPECT_EQ(s->Combo1->toolTip(), QStringLiteral("表示する学年を選びなさい"));
  EXPECT_EQ(s->Combo1->currentText(), kAllGrades);
  EXPECT_EQ(a.app.state->gradeFilterText, kAllGrades);

  // Becoming active again refills the filter rather than adding its entries twice.
  s->Combo1->setCurrentIndex(3);
  a.show();
  EXPECT_EQ(s->Combo1->count(), 12);
  EXPECT_EQ(s->Combo1->currentText(), kAllGrades);
  EXPECT_EQ(s->List1->count(), 4);
}

TEST(NameSelection, DevelopmentPanelOnlyInTheAlternateLayout) {
  ScreenApp a;
  a.app.state->altLayout = 1;
  EXPECT_FALSE(a.show()->Picture8->isHidden());
}

TEST(NameSelection, ClickingALineShowsThePupil) {
  ScreenApp a;
  namesel* s = a.show();
  s->List1->setCurrentRow(kSatoLine);
  EXPECT_EQ(s->Label1->text(), QStringLiteral("小5 佐藤花子"));
  EXPECT_EQ(s->Label2->text(), QStringLiteral("2"));
  s->List1->setCurrentRow(0);
  EXPECT_EQ(s->Label1->text(), kChooseName);
}

TEST(NameSelection, ConfirmingAPupilOpensTheStudentMenu) {
  for (const Way& way : kWays) {
    ScreenApp a;
    a.app.clock.set(QDateTime(QDate(2026, 12, 9), QTime(10, 0, 0, 600)));
    namesel* s = a.show();
    way.confirm(s, kSatoLine);
    const AppState& state = *a.app.state;
    EXPECT_EQ(a.app.current(), screens::kStudentMenu) << way.name;
    EXPECT_EQ(state.currentPupilNo, kSatoNo) << way.name;
    EXPECT_EQ(state.currentPupilName, QStringLiteral("佐藤花子").leftJustified(kRosterNameWidth)) << way.name;
    EXPECT_EQ(state.currentPupilGrade, QStringLiteral("小５")) << way.name;
    EXPECT_EQ(state.nameChosenSecond, 36001) << way.name;
    EXPECT_EQ(state.levelCount, 25) << way.name;
    EXPECT_TRUE(a.app.sound.played.isEmpty()) << way.name;
    if (namesel* still = a.screen()) {
      EXPECT_TRUE(still->Command14->isHidden()) << way.name;
      EXPECT_FALSE(still->Picture5->isHidden()) << way.name;
    }
  }
}

TEST(NameSelection, ConfirmingTheDashesLinePlaysTheWrongCueAndStays) {
  for (const Way& way : kWays) {
    ScreenApp a;
    namesel* s = a.show();
    s->List1->setCurrentRow(kSatoLine);  // a name chosen before does not count once the dashes are back
    way.confirm(s, 0);
    EXPECT_EQ(a.app.current(), screens::kNameSelection) << way.name;
    EXPECT_EQ(a.app.state->currentPupilNo, 0) << way.name;
    EXPECT_EQ(a.app.sound.played.size(), 1) << way.name;
    EXPECT_EQ(s->Label1->text(), kChooseName) << way.name;
    EXPECT_FALSE(s->Command14->isHidden()) << way.name;
  }
}

TEST(NameSelection, GradeFilterShowsItsGradeAndKeepsEachLinesPupil) {
  ScreenApp a;
  namesel* s = a.show();
  s->List1->setCurrentRow(kSatoLine);
  s->Combo1->setCurrentIndex(int(gradeFilterEntries().indexOf(QStringLiteral("小４"))));
  EXPECT_EQ(a.app.state->gradeFilterText, QStringLiteral("小４"));
  ASSERT_EQ(s->List1->count(), 2);
  EXPECT_EQ(s->List1->currentRow(), 0);
  EXPECT_EQ(s->Label1->text(), kChooseName);
  s->List1->setCurrentRow(1);
  EXPECT_EQ(s->Label2->text(), QStringLiteral("1"));
  QTest::mouseClick(s->Command14, Qt::LeftButton);
  EXPECT_EQ(a.app.state->currentPupilName.trimmed(), QStringLiteral("山田太郎"));
}

TEST(NameSelection, DisplayModeChangeRefillsTheList) {
  ScreenApp a;
  const double today = a.app.clock.dateNumber();
  a.app.installation.writeResults({TempInstallation::record(today, kSatoNo, 1, 60)});
  namesel* s = a.show();
  s->List1->setCurrentRow(kSatoLine);
  QTest::mouseClick(s->Option1[0], Qt::LeftButton);
  EXPECT_EQ(s->displayMode(), 0);
  EXPECT_EQ(s->List1->item(kSatoLine)->text(), QStringLiteral("小5 佐藤花子　　  1回/    1回"));
  EXPECT_EQ(s->Label1->text(), kChooseName);
  QTest::mouseClick(s->Option1[2], Qt::LeftButton);
  EXPECT_EQ(s->List1->item(kSatoLine)->text(), QStringLiteral("小5 佐藤花子　　   5/  1回"));
}

TEST(NameSelection, MissingRosterIsToldOnceAndLeavesTheLauncher) {
  ScreenApp a;
  a.app.installation.remove(QStringLiteral("data/新名簿.txt"));
  namesel* s = a.show();
  s->optionClick(0);
  ASSERT_EQ(a.app.boxes.shown.size(), 1u);
  EXPECT_EQ(a.app.boxes.shown[0].text,
            QStringLiteral("名簿ファイルがありません\n") + a.app.installation.dataRoot() + kRosterFileName);
  EXPECT_EQ(s->List1->count(), 1);
  EXPECT_THROW(QTest::keyClick(s->List1, Qt::Key_0), ProgramEnd);
  EXPECT_EQ(a.app.processes.started.size(), 1);
}

TEST(NameSelection, LauncherCommandLineByLayout) {
  struct Case {
    int altLayout;
    QString relative;
    QStringList arguments;
  };
  const Case cases[] = {{0, QStringLiteral("/../起動/学習ランチャーc.exe"), {QStringLiteral("001")}},
                        {1, QStringLiteral("/../../起動/起動/学習ランチャー.exe"), {}}};
  for (const Case& c : cases) {
    ScreenApp a;
    namesel* s = a.show();
    a.app.state->altLayout = c.altLayout;
    EXPECT_THROW(s->Command7->click(), ProgramEnd);
    ASSERT_EQ(a.app.processes.started.size(), 1) << c.altLayout;
    EXPECT_EQ(a.app.processes.started[0],
              QDir::toNativeSeparators(a.app.installation.programFolder() + c.relative));
    EXPECT_EQ(a.app.processes.startedArguments[0], c.arguments);
    EXPECT_TRUE(a.app.boxes.shown.empty());
  }
}

TEST(NameSelection, LauncherThatCannotStartIsToldAndTheProgramEndsAllTheSame) {
  ScreenApp a;
  namesel* s = a.show();
  a.app.processes.succeed = false;
  EXPECT_THROW(QTest::keyClick(s, Qt::Key_0), ProgramEnd);
  ASSERT_EQ(a.app.boxes.shown.size(), 1u);
  EXPECT_EQ(a.app.boxes.shown[0].text,
            QStringLiteral("ランチャーを起動できません\n") +
                QDir::toNativeSeparators(a.app.installation.programFolder() + QStringLiteral("/../起動/学習ランチャーc.exe")) +
                QStringLiteral(" 001"));
}

TEST(NameSelection, TitleClickOpensTheVersionBoxOverTheScreen) {
  ScreenApp a;
  namesel* s = a.show();
  for (int time = 0; time < 2; ++time) {
    QTest::mouseClick(s->Label4, Qt::LeftButton);
    frmver* box = s->findChild<frmver*>();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(box->Label2->text(), QStringLiteral("Version1.0.1"));
    const QPoint offset = box->frameGeometry().center() - s->mapToGlobal(s->rect().center());
    EXPECT_LE(offset.manhattanLength(), 4);
    QTest::mouseClick(box->Command1, Qt::LeftButton);
    EXPECT_FALSE(box->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  EXPECT_EQ(s->findChild<frmver*>(), nullptr);
}
}  // namespace

TEST(NameSelection, TheMenuMadeReadyBehindTheListOpensOnTheFilterChosenMeanwhile) {
  ScreenApp a;
  namesel* s = a.show();
  auto menuReady = [&a] { return a.app.navigator.isLoaded(screens::kStudentMenu); };
  ASSERT_TRUE(QTest::qWaitFor(menuReady));
  EXPECT_EQ(a.app.current(), screens::kNameSelection);

  s->Combo1->setCurrentIndex(s->Combo1->findText(QStringLiteral("小５")));
  EXPECT_FALSE(menuReady());  // made with the old filter: made again
  ASSERT_TRUE(QTest::qWaitFor(menuReady));
  ASSERT_EQ(s->List1->count(), 2);  // the dashes and the one 小５ pupil
  s->List1->setCurrentRow(1);
  QTest::keyClick(s->List1, Qt::Key_Return);
  ASSERT_EQ(a.app.current(), screens::kStudentMenu);
  EXPECT_EQ(a.app.navigator.find<seisekitime1>(screens::kStudentMenu)->Combo1->currentText(), QStringLiteral("小５"));
}
