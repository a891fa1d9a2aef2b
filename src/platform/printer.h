#pragma once

#include <QPainter>
#include <QPrinter>
#include <QSizeF>
#include <QString>
#include <memory>

// One print job on A4 portrait pages. Drawing goes through painter() in device units; the job is
// sent when finish() is called.
class PrintJob {
 public:
  virtual ~PrintJob() = default;
  virtual QPainter& painter() = 0;
  // The printable area of a page in device units.
  virtual QSizeF pageSize() const = 0;
  virtual double unitsPerPoint() const = 0;
  // False when the page could not be started.
  virtual bool newPage() = 0;
  // Ends the job and hands it to the printer; false when it failed.
  virtual bool finish() = 0;
};

// The computer's printer, behind an interface so that tests print to PDF files.
class Printer {
 public:
  virtual ~Printer() = default;
  // False when the computer has no printer to print on.
  virtual bool available() const = 0;
  // A job named after what it prints; null when it could not be started.
  virtual std::unique_ptr<PrintJob> startJob(const QString& title) = 0;
};

// A job drawn through Qt PrintSupport, to a printer queue or to a PDF file alike.
class QtPrintJob final : public PrintJob {
 public:
  // Sets A4 portrait on the printer and starts painting; check started() afterwards.
  explicit QtPrintJob(std::unique_ptr<QPrinter> printer);
  ~QtPrintJob() override;

  bool started() const { return started_; }
  QPainter& painter() override { return painter_; }
  QSizeF pageSize() const override;
  double unitsPerPoint() const override;
  bool newPage() override;
  bool finish() override;

 private:
  std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
  bool started_ = false;
  bool finished_ = false;
};

// The system's default printer (CUPS on Linux).
class SystemPrinter final : public Printer {
 public:
  bool available() const override;
  std::unique_ptr<PrintJob> startJob(const QString& title) override;
};

// Every job into a PDF file of its own in a folder: <folder>/<prefix>-1.pdf, -2.pdf, ...
class PdfPrinter final : public Printer {
 public:
  PdfPrinter(QString folder, QString prefix = QStringLiteral("job"));
  bool available() const override { return true; }
  std::unique_ptr<PrintJob> startJob(const QString& title) override;

  int jobCount() const { return jobs_; }
  QString jobPath(int job) const;  // 1-based

 private:
  QString folder_;
  QString prefix_;
  int jobs_ = 0;
};
