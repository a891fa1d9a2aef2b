#pragma once

#include <QColor>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "core/answer_record.h"
#include "core/value.h"

constexpr int kMaxLevel = 35;     // per-level arrays hold levels 0..35; 0 is no level
constexpr int kMaxPupil = 5000;   // per-pupil arrays hold pupils 0..5000; 0 is no pupil
constexpr int kMaxResults = 20000;
constexpr int kLevelSlots = kMaxLevel + 1;
constexpr int kPupilSlots = kMaxPupil + 1;
constexpr int kNoTime = 99999;    // run time of a timed-out run; also "no best yet"

// A recorded run time above this is a run without a time: it was timed out.
inline bool isTimeless(int runTime) { return runTime > 99997; }

template <class T>
using PerLevel = std::array<T, kLevelSlots>;

template <class T>
using PerPupil = std::vector<T>;

// A dense table by level 0..35 and pupil 0..5000, indexed (level, pupil).
template <class T>
class LevelPupilTable {
 public:
  LevelPupilTable() : cells_(std::size_t(kLevelSlots) * kPupilSlots, T{}) {}
  T& operator()(int level, int pupil) { return cells_[std::size_t(level) * kPupilSlots + pupil]; }
  const T& operator()(int level, int pupil) const {
    return cells_[std::size_t(level) * kPupilSlots + pupil];
  }
  void fill(const T& value) { std::fill(cells_.begin(), cells_.end(), value); }

 private:
  std::vector<T> cells_;
};

struct SoundGroup {
  QString name;
  std::array<QString, 21> files;  // slots 1..20
  int count = 0;
};

struct RosterEntry {
  int number = 0;
  int birthYear = 0;
  int reserved1 = 0;
  int reserved2 = 0;
  QString name;   // 20 characters, padded with spaces
  QString reservedText1;
  QString reservedText2;
};

// The program-wide values through which the screens hand over to each other. One instance lives as
// long as the program; each test builds its own.
struct AppState {
  AppState();

  // Chosen pupil and level
  int currentPupilNo = 0;
  QString currentPupilName;
  QString currentPupilGrade;
  int nameChosenSecond = 0;
  int currentLevel = 0;

  // Programme, school and folders
  QString programTitle;
  QString schoolCode;
  QString schoolName;
  Value schoolYearStartMonth;
  Value rosterSetting;
  Value dataChangePassword;
  QColor screenBackColour;
  int altLayout = 0;
  QString appFolder, dataRoot, programDataFolder, soundFolder;  // each ends in the separator
  QString programFolderName;
  // This computer's own folder for records the shared folder could not take (ends in the separator);
  // empty: there is none, and a record the share refuses ends the program.
  QString outboxFolder;

  // Level catalogue
  int levelCount = 0;
  PerLevel<QString> levelName;
  Value quotaLevel;

  // Criteria, per level
  PerLevel<int> passTime{};
  PerLevel<int> lowestTime{};
  PerLevel<int> clearPoints{};
  PerLevel<int> clearCount{};
  PerLevel<float> pointFactor{};
  PerLevel<double> overPracticeCount{};
  PerLevel<double> overPracticePoints{};
  PerLevel<double> judgeDays{};
  PerLevel<double> overPracticeDays{};
  PerLevel<Value> criteriaExtra1, criteriaExtra2, criteriaExtra3;

  // Roster
  std::vector<RosterEntry> roster;  // entries 1..5000 in file order; [0] unused
  int rosterCount = 0;
  std::vector<int> rosterPupilNo;   // 1..5000
  PerPupil<QString> pupilName;
  PerPupil<int> pupilBirthYear;
  PerPupil<QString> pupilGrade;
  int schoolYear = 0;
  QString gradeFilterText;

  // Results, slots 1..resultCount
  int resultCount = 0;
  std::vector<double> resultDate, resultTime;
  std::vector<int16_t> resultPupilNo, resultLevel;
  std::vector<int32_t> resultRunTime;
  LevelPupilTable<int32_t> personalBest;  // (level, pupil); kNoTime when none
  PerLevel<int32_t> levelBest{};

  // Tallies, (level, pupil)
  LevelPupilTable<int16_t> totalRuns, recentRuns, overWindowRuns;
  LevelPupilTable<int32_t> totalPoints, recentPoints, overWindowPoints, todayPoints;
  LevelPupilTable<float> todayRuns;

  // Run in progress
  int runTime = 0;
  // Every answer of the run being drilled, in the order given.
  std::vector<AnswerRecord> runAnswers;
  int elapsedSeconds = 0;
  double runStartTime = 0;
  int timeLimit = 0;
  int problemCount = 0;
  int correctCount = 0;
  int lastJudgement = 0;
  int plusKeyState = 0;
  int judging = 0;
  std::array<int, 2> runEnding{};
  int timedOut = 0;
  double barScale = 0;
  std::array<int, 101> problemDone{};
  int todayRunsSum = 0;
  std::array<int, 2> newRecord{};
  int clearedBefore = 0;
  int againPressed = 0;

  // Student menu
  Value finalQuotaMet;
  int menuScrollPos = 0;
  int allResultsPeriod = 0;
  int resultsWindowDays = 0;

  // Sound
  std::array<SoundGroup, 11> soundTable;  // groups 1..10
  int soundErrorCount = 0;
};

// True for a name that marks a teacher.
bool isTeacherName(const QString& name);
