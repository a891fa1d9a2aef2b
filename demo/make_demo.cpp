// Lays out the demo installation of a fictional school: the path file beside the program folder, the
// data root with the common data, roster and sound folder, and the program data folder with the
// criteria table and a few weeks of runs. Everything comes from the text files beside this tool and
// from tones it makes itself.
//
//   kakedori-demo <folder of the demo sources> <installation folder>

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <array>
#include <cstdio>
#include <random>

#include "core/answer_record.h"
#include "core/result_record.h"
#include "core/results_file.h"
#include "demo/wav_tone.h"
#include "drill/level_plan.h"
#include "platform/clock.h"
#include "platform/text_codec.h"

namespace {

QStringList sourceLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
    std::exit(1);
  }
  QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
  while (!lines.isEmpty() && lines.last().trimmed().isEmpty()) lines.removeLast();
  return lines;
}

struct Tone {
  const char* name;
  std::vector<Note> notes;
};

// Short, friendly tones: the answer cues must not slow the drill down.
const std::vector<Tone>& tones() {
  static const std::vector<Tone> kTones = {
      {"seikai1", {{1046.5, 70}, {1318.5, 110}}},
      {"seikai2", {{1174.7, 70}, {1568.0, 110}}},
      {"seikai3", {{1318.5, 60}, {1760.0, 120}}},
      {"bubu1", {{196.0, 180}, {0, 40}, {185.0, 260}}},
      {"bubu2", {{174.6, 420}}},
      {"jiko1", {{784.0, 120}, {988.0, 120}, {1174.7, 120}, {1568.0, 360}}},
      {"jiko2", {{880.0, 120}, {1108.7, 120}, {1318.5, 120}, {1760.0, 360}}},
      {"otsukare1", {{659.3, 160}, {784.0, 160}, {659.3, 320}}},
      {"警告1", {{440.0, 90}, {0, 40}, {440.0, 90}}},
      {"最高1", {{784.0, 110}, {784.0, 110}, {784.0, 110}, {1046.5, 330}, {0, 60}, {1318.5, 220}, {1568.0, 520}}},
      {"合格", {{523.3, 160}, {659.3, 160}, {784.0, 160}, {1046.5, 260}, {0, 80}, {784.0, 160}, {1046.5, 600}}},
  };
  return kTones;
}

// Runs of the last four weeks for most pupils, so that the counters and the menu show a school in use.
// The pass time of each level, field 1 of line level + 1 of the criteria lines.
std::array<int, 26> passTimesOf(const QStringList& criteria) {
  std::array<int, 26> passTimes{};
  for (int level = 1; level <= 25; ++level) passTimes[level] = criteria.value(level).section(u',', 0, 0).toInt();
  return passTimes;
}

// How hard a fact is for the demo's pupils: the 13s and the large multipliers more than the rest,
// and a few facts that every class finds hard, so a first look at the map of weak facts shows some.
double hardnessOf(int multiplicand, int multiplier) {
  double hardness = (multiplicand - 11) * 0.35 + (multiplier > 15 ? 0.5 : multiplier > 10 ? 0.25 : 0.0);
  const bool classic = (multiplicand == 13 && (multiplier == 17 || multiplier == 19)) ||
                       (multiplicand == 12 && multiplier == 18) || (multiplicand == 11 && multiplier == 19);
  return classic ? hardness + 0.9 : hardness;
}

// The answers of one run, in the order the drill could have posed them: each of the level's
// problems until the run's count of right answers, a missed problem asked again later.
QByteArray answersOfRun(const ResultRecord& run, std::mt19937& engine) {
  std::uniform_real_distribution<double> uniform(0.0, 1.0);
  const LevelPlan plan = levelPlan(run.level);
  if (plan.problems.empty()) return {};
  // A timed-out run stopped part way; its answers stop with it.
  const int asked = run.runTime == 99999 ? plan.problemCount / 2 : plan.problemCount;
  const double pupilPace = 0.8 + (run.pupilNo % 7) * 0.12;
  QByteArray bytes;
  std::vector<Problem> retries;
  for (int n = 0; n < asked; ++n) {
    const Problem problem = plan.problems[std::size_t(int(uniform(engine) * plan.problems.size())) % plan.problems.size()];
    const double hardness = hardnessOf(problem.multiplicand, problem.multiplier);
    AnswerRecord a;
    a.date = run.date;
    a.timeOfDay = run.timeOfDay;
    a.pupilNo = run.pupilNo;
    a.level = run.level;
    a.multiplicand = uint8_t(problem.multiplicand);
    a.multiplier = uint8_t(problem.multiplier);
    a.answerMs = int((700 + hardness * 1400 + uniform(engine) * 900) * pupilPace);
    a.typed = int16_t(problem.answer());
    if (uniform(engine) < 0.02 + hardness * 0.06) {
      a.result = AnswerRecord::Result::Wrong;
      a.typed = int16_t(problem.answer() + (uniform(engine) < 0.5 ? 10 : -1));
      retries.push_back(problem);
    }
    bytes += a.encode();
  }
  for (const Problem& problem : retries) {
    AnswerRecord a;
    a.date = run.date;
    a.timeOfDay = run.timeOfDay;
    a.pupilNo = run.pupilNo;
    a.level = run.level;
    a.multiplicand = uint8_t(problem.multiplicand);
    a.multiplier = uint8_t(problem.multiplier);
    a.result = AnswerRecord::Result::RightOnRetry;
    a.answerMs = int((900 + uniform(engine) * 1500) * pupilPace);
    a.typed = int16_t(problem.answer());
    bytes += a.encode();
  }
  return bytes;
}

// The answer log that goes with a run history: every run's answers, in the runs' order.
QByteArray answerHistory(const QByteArray& runs) {
  std::mt19937 engine(20261210);
  QByteArray bytes;
  for (qsizetype at = 0; at + ResultRecord::kSize <= runs.size(); at += ResultRecord::kSize)
    bytes += answersOfRun(ResultRecord::decode(runs.constData() + at), engine);
  return bytes;
}

QByteArray runHistory(const QString& schoolCode, const QDate& today, const std::array<int, 26>& passTimes) {
  std::mt19937 engine(20261209);
  std::uniform_real_distribution<double> uniform(0.0, 1.0);
  QByteArray bytes;
  for (int day = 27; day >= 1; --day) {
    const QDate date = today.addDays(-day);
    if (date.dayOfWeek() == Qt::Sunday) continue;
    for (int pupil = 5; pupil <= 42; ++pupil) {
      if (uniform(engine) < 0.55) continue;  // not every pupil comes every day
      // Older pupils have got further through the levels.
      const int reached = std::clamp((pupil - 3) * 25 / 40 + int(uniform(engine) * 4), 1, 25);
      const int runs = 1 + int(uniform(engine) * 4);
      for (int run = 0; run < runs; ++run) {
        const int level = std::max(1, reached - int(uniform(engine) * 3));
        ResultRecord r;
        r.date = dateNumberOf(date);
        r.timeOfDay = (16.0 + uniform(engine) * 3.5) / 24.0;
        r.pupilNo = int16_t(pupil);
        r.level = int16_t(level);
        const double spread = 0.75 + uniform(engine) * 0.9;
        r.runTime = uniform(engine) < 0.03 ? 99999 : std::max(8, int(passTimes[level] * spread));
        r.schoolCode = encodeCp932(schoolCode);
        bytes += r.encode();
      }
    }
  }
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: kakedori-demo <demo sources> <installation folder>\n");
    return 2;
  }
  const QString sources = QString::fromLocal8Bit(argv[1]) + u'/';
  const QString root = QDir(QString::fromLocal8Bit(argv[2])).absolutePath() + u'/';
  const QString dataRoot = root + QStringLiteral("data/");
  const QString programData = dataRoot + QStringLiteral("kakedori/");
  const QString soundFolder = dataRoot + QStringLiteral("音フォルダ/");
  for (const QString& folder : {root + QStringLiteral("kakedori"), programData, soundFolder}) QDir().mkpath(folder);

  // The path file names the data root the way a school's Windows installation writes it.
  writeTextFile(root + QStringLiteral("パスデータ.txt"),
                {QStringLiteral("data\\"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                 QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                 QStringLiteral("0"), QStringLiteral("0")});
  const QStringList commonData = sourceLines(sources + QStringLiteral("common_data.txt"));
  writeTextFile(dataRoot + QStringLiteral("共通データ.txt"), commonData);
  writeTextFile(dataRoot + QStringLiteral("新名簿.txt"), sourceLines(sources + QStringLiteral("roster.txt")));
  const QStringList criteria = sourceLines(sources + QStringLiteral("criteria.txt"));
  writeTextFile(programData + QStringLiteral("タイム回数データ.txt"), criteria);
  writeTextFile(soundFolder + QStringLiteral("新音ファイル.txt"),
                sourceLines(sources + QStringLiteral("sound_table.txt")));
  for (const Tone& tone : tones())
    writeToneWav(soundFolder + QString::fromUtf8(tone.name) + QStringLiteral(".wav"), tone.notes);

  // The results file is precious even in the demo: runs made while trying the program stay. The
  // answer log is laid out with the history it belongs to, never beside runs it knows nothing of.
  const QString results = programData + kResultsFileName;
  if (!QFile::exists(results)) {
    const QString schoolCode = commonData.value(1).remove(u'"').left(5);
    const QByteArray runs = runHistory(schoolCode, QDate::currentDate(), passTimesOf(criteria));
    QFile file(results);
    if (!file.open(QIODevice::WriteOnly) || file.write(runs) != runs.size()) return 1;
    QFile log(programData + kAnswerLogFileName);
    const QByteArray answers = answerHistory(runs);
    if (!log.open(QIODevice::WriteOnly) || log.write(answers) != answers.size()) return 1;
  }
  std::printf("demo installation ready in %s\n", qPrintable(root));
  return 0;
}
