#pragma once

#include "core/csv_table.h"
#include "teacher/records_list.h"

struct AppState;

// The records browser's lines for a spreadsheet:
// 番号,日付,時刻,生徒番号,名前,学年,レベル,レベル名,タイム秒,学校, one line per listed record.
CsvTable recordsCsv(const RecordsListing& listing, const AppState& state);
