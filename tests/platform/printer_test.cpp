#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/printer.h"
#include "support/pdf_pages.h"

TEST(PdfPrinter, EveryJobIsAFileOfA4PortraitPages) {
  QTemporaryDir dir;
  PdfPrinter printer(dir.path(), QStringLiteral("chart"));
  ASSERT_TRUE(printer.available());

  auto first = printer.startJob(QStringLiteral("一人目"));
  ASSERT_TRUE(first);
  const QSizeF page = first->pageSize();
  // A4 portrait within the margins: taller than wide, about 297 / 210.
  EXPECT_NEAR(page.height() / page.width(), 297.0 / 210.0, 0.08);
  EXPECT_NEAR(page.width() / first->unitsPerPoint() / 72 * 25.4, 210, 25);
  first->painter().drawText(QPointF(100, 100), QStringLiteral("1"));
  ASSERT_TRUE(first->newPage());
  first->painter().drawText(QPointF(100, 100), QStringLiteral("2"));
  EXPECT_TRUE(first->finish());
  EXPECT_FALSE(first->finish());  // a job ends once

  auto second = printer.startJob(QStringLiteral("二人目"));
  ASSERT_TRUE(second);
  second->painter().drawText(QPointF(100, 100), QStringLiteral("1"));
  EXPECT_TRUE(second->finish());

  EXPECT_EQ(printer.jobCount(), 2);
  EXPECT_EQ(pdfPages(printer.jobPath(1)), 2);
  EXPECT_EQ(pdfPages(printer.jobPath(2)), 1);
}

TEST(PdfPrinter, AJobThatCannotBeWrittenDoesNotStart) {
  PdfPrinter printer(QStringLiteral("/nonexistent-folder/for/sure"));
  EXPECT_EQ(printer.startJob(QStringLiteral("x")), nullptr);
  EXPECT_EQ(printer.jobCount(), 0);
}
