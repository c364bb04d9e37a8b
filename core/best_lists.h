#pragma once
// The best lists: one result per line, a marker character then a fixed-column record text.

#include "text.h"
#include "work_dir.h"

#include <optional>
#include <string>
#include <vector>

namespace tamurik {

inline constexpr const char* kBestVerb = "BESTVERB.LST"; // Quatschverben
inline constexpr const char* kBestHang = "BESTHANG.LST"; // Galgenspiel
inline constexpr const char* kBestText = "BESTTEXT.LST"; // Verben schreiben
inline constexpr const char* kBestFang = "BESTFANG.LST"; // Devadodad

inline constexpr char32_t kMarkerExercise = U'>';
inline constexpr char32_t kMarkerKept = U'<';
inline constexpr std::size_t kBestListLimit = 100;

// R(t, n): t right-aligned in n columns; a longer t keeps only its last n characters.
Text R(TextView t, int n);
// S(x): the Str form, one leading blank when not negative.
Text S(long long x);
// A number right-aligned in n columns. A number too wide for its column is stored as the
// largest number that fits (9999 in four columns), so the list still sorts it after the smaller
// ones; withSign puts the Str blank before a number that leaves room for it.
Text NumberColumn(long long value, int n, bool withSign);
// A user name as it may stand in a record: every line break or other control character
// becomes a blank, since a line break would split the record in two.
Text RecordUserName(TextView name);

// The record texts of the four lists.
Text QuatschRecord(int minutes, long long points, const Text& date, TextView user);
Text GalgenRecord(int letters, int clicks, TextView user);
Text AbschreibenRecord(int minutes, int words, TextView user);
Text DevadodadRecord(int letters, int seconds, TextView user);

// Sorting in text order (case ignored).
void SortRecords(std::vector<Text>& records);

bool AppendResult(const WorkDir& dir, const std::string& file, TextView record,
                  char32_t marker = kMarkerExercise);
// The records (each line without its first character) in ascending text order; a missing
// file is an empty list.
std::vector<Text> LoadSorted(const WorkDir& dir, const std::string& file);
// Overwrites the file with the first 100 records, each after the marker.
bool StoreTop100(const WorkDir& dir, const std::string& file, const std::vector<Text>& sorted,
                 char32_t marker);
// Quatschverben's view: the records for this time limit, most points first. No value when
// BESTVERB.LST is missing or unreadable.
std::optional<std::vector<Text>> LoadForTime(const WorkDir& dir, int minutes);

// The settings screen's operations. ShowList sorts the whole lines (marker included),
// rewrites the file with every record after "<" and returns the shown records.
std::vector<Text> ShowList(const WorkDir& dir, const std::string& file);
// Removes shown record `index` and rewrites the file with the rest after "<". False when the
// index is out of range or the file could not be written (the list is then unchanged).
bool DeleteEntry(const WorkDir& dir, const std::string& file, std::vector<Text>& shown, int index);
// Empties the file (zero bytes).
bool ClearList(const WorkDir& dir, const std::string& file);

} // namespace tamurik
