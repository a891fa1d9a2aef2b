#include "platform/printer.h"

#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>

QtPrintJob::QtPrintJob(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {
  printer_->setPageSize(QPageSize(QPageSize::A4));
  printer_->setPageOrientation(QPageLayout::Portrait);
  started_ = painter_.begin(printer_.get());
}

QtPrintJob::~QtPrintJob() {
  if (started_ && !finished_) printer_->abort();
  if (painter_.isActive()) painter_.end();
}

QSizeF QtPrintJob::pageSize() const { return printer_->pageRect(QPrinter::DevicePixel).size(); }

double QtPrintJob::unitsPerPoint() const { return printer_->resolution() / 72.0; }

bool QtPrintJob::newPage() { return started_ && printer_->newPage(); }

bool QtPrintJob::finish() {
  if (!started_ || finished_) return false;
  finished_ = true;
  const bool ended = painter_.end();
  return ended && printer_->printerState() != QPrinter::Error &&
         printer_->printerState() != QPrinter::Aborted;
}

bool SystemPrinter::available() const { return !QPrinterInfo::defaultPrinter().isNull(); }

std::unique_ptr<PrintJob> SystemPrinter::startJob(const QString& title) {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return nullptr;
  auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  printer->setDocName(title);
  auto job = std::make_unique<QtPrintJob>(std::move(printer));
  if (!job->started()) return nullptr;
  return job;
}

PdfPrinter::PdfPrinter(QString folder, QString prefix) : folder_(std::move(folder)), prefix_(std::move(prefix)) {}

QString PdfPrinter::jobPath(int job) const {
  return QDir(folder_).filePath(QStringLiteral("%1-%2.pdf").arg(prefix_).arg(job));
}

std::unique_ptr<PrintJob> PdfPrinter::startJob(const QString& title) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(jobPath(jobs_ + 1));
  printer->setDocName(title);
  auto job = std::make_unique<QtPrintJob>(std::move(printer));
  if (!job->started()) return nullptr;
  ++jobs_;
  return job;
}
