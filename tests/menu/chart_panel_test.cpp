#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QListWidget>
#include <QPushButton>

#include "core/app_state.h"
#include "menu/chart_panel.h"
#include "menu/chart_picture.h"
#include "platform/clock.h"
#include "support/pdf_pages.h"
#include "support/test_app.h"

namespace {
class NoPrinter final : public Printer {
 public:
  bool available() const override { return false; }
  std::unique_ptr<PrintJob> startJob(const QString&) override { return nullptr; }
};

// A printer that is there but refuses every job, as a queue that was just stopped.
class RefusingPrinter final : public Printer {
 public:
  bool available() const override { return true; }
  std::unique_ptr<PrintJob> startJob(const QString&) override { return nullptr; }
};

// Pupils 1 (the one at the menu), 2 and 3 with runs at levels 1 to 4.
class ChartPanelTest : public ::testing::Test {
 protected:
  ChartPanelTest() {
    AppState& s = *app.state;
    s.programTitle = QStringLiteral("カケドリ１");
    s.levelCount = 5;
    for (int level = 1; level <= 5; ++level) s.levelName[std::size_t(level)] = QStringLiteral("%1の段").arg(level + 10);
    s.schoolYear = 2026;
    const QStringList names = {QStringLiteral("山田太郎"), QStringLiteral("佐藤花子"), QStringLiteral("田中先生")};
    s.rosterCount = 3;
    for (int pupil = 1; pupil <= 3; ++pupil) {
      s.rosterPupilNo[std::size_t(pupil)] = pupil;
      s.pupilName[std::size_t(pupil)] = names[pupil - 1];
      s.pupilBirthYear[std::size_t(pupil)] = 2016;
      for (int level = 1; level <= 5; ++level) s.personalBest(level, pupil) = kNoTime;
    }
    s.currentPupilNo = 1;
    std::vector<ResultRecord> records;
    const double day = dateNumberOf(app.clock.today().addDays(-3));
    for (int pupil = 1; pupil <= 3; ++pupil)
      for (int level = 1; level <= 4; ++level)
        for (int t : {90, 80, 85, 60}) records.push_back(TempInstallation::record(day, pupil, level, t));
    app.installation.writeResults(records);

    ChartPanel::Hooks hooks;
    hooks.newestResults = [this] { return app.installation.readResults(); };
    hooks.audience = [this] { return ReportAudience(*app.state, QStringLiteral("全学年")); };
    panel = std::make_unique<ChartPanel>(app.context, hooks);
    panel->resize(1000, 700);
    panel->setLevels(5);
    panel->setPupilLines({QStringLiteral("小４ /  山田太郎/1"), QStringLiteral("小４ /  佐藤花子/2"),
                          QStringLiteral("小４ /  田中先生/3")});
    panel->show();
    QCoreApplication::processEvents();
  }

  void chooseLevels(std::initializer_list<int> rows) {
    panel->List3->clearSelection();
    for (int row : rows) panel->List3->item(row)->setSelected(true);
  }

  QString printed(int job) const { return app.installation.root() + QStringLiteral("/printed-%1.pdf").arg(job); }

  // Red points of new bests within the block whose top lies at the given part of the picture.
  int redPixelsInBlock(double top) const {
    const QImage& image = panel->Picture12->image();
    const int from = int(top * image.height()), to = int((top + 0.3) * image.height());
    int n = 0;
    for (int y = from; y < to; ++y)
      for (int x = 0; x < image.width() / 2; ++x) {
        const QRgb p = image.pixel(x, y);
        n += qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80;
      }
    return n;
  }

  TestApp app;
  std::unique_ptr<ChartPanel> panel;
};
}  // namespace

TEST_F(ChartPanelTest, OpeningDrawsTheFirstThreeLevelsOfTheChosenPupil) {
  panel->chartPupil = 3;
  panel->open();
  EXPECT_EQ(panel->chartPupil, 1);
  EXPECT_TRUE(panel->List2->isHidden());
  for (int row = 0; row < 5; ++row) EXPECT_EQ(panel->List3->item(row)->isSelected(), row < 3) << row;
  for (double top : {0.05, 0.35, 0.65}) EXPECT_GT(redPixelsInBlock(top), 0) << top;
  EXPECT_EQ(panel->chartLevel, 3);
  EXPECT_TRUE(QFile::exists(printed(1)) == false);
}

TEST_F(ChartPanelTest, FourLevelsPrintOnTwoPages) {
  chooseLevels({0, 1, 2, 3});
  panel->Command21[1]->click();
  EXPECT_TRUE(app.boxes.shown.empty());
  EXPECT_EQ(pdfPages(printed(1)), 2);
  EXPECT_FALSE(QFile::exists(printed(2)));
}

TEST_F(ChartPanelTest, EveryChosenPupilGetsAJobOfTheirOwn) {
  chooseLevels({0});
  panel->showOtherPupils();
  panel->List2->item(1)->setSelected(true);
  panel->List2->item(2)->setSelected(true);
  panel->Command24[1]->click();
  EXPECT_EQ(pdfPages(printed(1)), 1);
  EXPECT_EQ(pdfPages(printed(2)), 1);
  EXPECT_FALSE(QFile::exists(printed(3)));
  EXPECT_EQ(panel->chartPupil, 3);
}

TEST_F(ChartPanelTest, WithoutAPrinterNothingIsPrintedAndThePupilIsTold) {
  NoPrinter none;
  app.context.services.printer = &none;
  panel->showOtherPupils();
  panel->List2->item(0)->setSelected(true);
  panel->List2->item(1)->setSelected(true);
  panel->Command24[1]->click();
  ASSERT_EQ(app.boxes.shown.size(), 1u);  // once for the whole choice
  EXPECT_EQ(app.boxes.shown[0].text, QStringLiteral("プリンターが見つかりません"));

  app.context.services.printer = nullptr;
  panel->Command21[1]->click();
  EXPECT_EQ(app.boxes.shown.size(), 2u);
}

TEST_F(ChartPanelTest, WithoutALevelNothingIsPrintedAndTheUserIsToldOnce) {
  chooseLevels({});
  panel->Command21[1]->click();
  panel->showOtherPupils();
  panel->List2->item(0)->setSelected(true);
  panel->List2->item(1)->setSelected(true);
  panel->Command24[1]->click();
  EXPECT_FALSE(QFile::exists(printed(1)));
  ASSERT_EQ(app.boxes.shown.size(), 2u);  // once for the pupil's print, once for the whole choice
  for (const auto& shown : app.boxes.shown) EXPECT_EQ(shown.text, QStringLiteral("印刷するレベルを選んで下さい。"));
}

TEST_F(ChartPanelTest, AJobThatFailsIsReportedAndThePanelStaysUsable) {
  RefusingPrinter refusing;
  app.context.services.printer = &refusing;
  chooseLevels({3});
  panel->Command21[1]->click();
  ASSERT_EQ(app.boxes.shown.size(), 1u);
  EXPECT_TRUE(app.boxes.shown[0].text.startsWith(QStringLiteral("印刷できませんでした")));
  panel->Command21[0]->click();
  EXPECT_TRUE(panel->isVisible());
}
