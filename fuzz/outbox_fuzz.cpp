// The outbox of runs waiting on this computer, and its journal: whatever they hold, the loader counts
// no more than the outbox's whole records, and a delivery empties the outbox without a crash, leaving
// only whole records on the share. With no journal, every byte of the outbox ends, in its order,
// either on the share or in the file of damaged records, and a damaged record is told.
#include <QDir>
#include <QFile>

#include "core/result_record.h"
#include "core/results_file.h"
#include "fuzz/fuzz_installation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInstallation& installation = FuzzInstallation::instance();
  static const auto state = [&installation] {
    auto s = installation.loadedState();
    s->outboxFolder = installation.root() + QStringLiteral("local/");
    return s;
  }();
  const QString sharedRelative = QStringLiteral("data/kakedori/") + kResultsFileName;
  const QByteArray before = installation.read(sharedRelative);
  const qsizetype whole = before.size() / ResultRecord::kSize * ResultRecord::kSize;

  // The first byte says whether the next 16 are a journal left by a stopped delivery.
  QByteArray input = bytesOf(data, size);
  const bool withJournal = !input.isEmpty() && (input[0] & 1);
  const QByteArray journal = withJournal ? input.mid(1, 16) : QByteArray();
  const QByteArray outbox = input.mid(withJournal ? 17 : 1);

  const RecordOutbox box = resultsOutbox(*state);
  QDir().mkpath(state->outboxFolder);
  auto put = [](const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) fuzzFault("cannot lay out the outbox");
    file.write(bytes);
  };
  put(box.outboxPath(), outbox);
  if (withJournal) put(box.journalPath(), journal);
  QFile::remove(box.damagedPath());

  NoPause pause;
  loadResults(*state, pause);
  const qsizetype wholeInOutbox = outbox.size() / ResultRecord::kSize;
  if (state->resultCount < 0 ||
      state->resultCount > std::min<qsizetype>(whole / ResultRecord::kSize + wholeInOutbox, kMaxResults))
    fuzzFault("more records loaded than the files hold");

  const QString notice = deliverWaitingResults(*state);
  const QByteArray after = installation.read(sharedRelative);
  const QByteArray damaged = installation.read(QDir(installation.root()).relativeFilePath(box.damagedPath()));
  if (QFile(box.outboxPath()).size() != 0) fuzzFault("the outbox was not emptied");
  const QByteArray added = after == before ? QByteArray() : after.mid(whole);
  if (added.size() % ResultRecord::kSize != 0) fuzzFault("a torn record on the share");
  if (after.left(whole) != before.left(whole)) fuzzFault("a delivery harmed the records on the share");
  for (qsizetype at = whole; at + ResultRecord::kSize <= whole + added.size(); at += ResultRecord::kSize) {
    const RecordNumbers r = decodeNumbers(after.constData() + at);
    if (r.pupilNo < 1 || r.pupilNo > kMaxPupil || r.level < 1 || r.level > kMaxLevel)
      fuzzFault("a damaged record reached the share");
  }
  if (!withJournal) {
    if (added.size() + damaged.size() != outbox.size()) fuzzFault("a waiting record was lost");
    if (!damaged.isEmpty() && notice.isEmpty()) fuzzFault("damaged records were set aside silently");
  }

  installation.write(sharedRelative, before);
  QFile::remove(box.damagedPath());
  QFile::remove(box.journalPath());
  return 0;
}
