#pragma once
// The unit table and its data files "<stem>.VAL": ANSI text, CR LF line ends. The
// count, then per unit its quoted short and long name and its row of factors, then
// the column widths (twips). Units m, dm, cm with 600-twip columns:
//
//    3                    <- count, a blank on either side
//   "m","metre"           <- unit 1
//    1                    <- Factors(1, 1) .. Factors(1, 3): how many of unit j
//    10                      make one unit 1
//    100
//   "dm","decimetre"
//    .1 / 1 / 10          <- (one per line)
//   "cm","centimetre"
//    .01 / .1 / 1
//    600 / 600 / 600      <- widths of units 1..3, a blank on either side
//
// Readers take items separated by commas or line ends, quoted or not.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace convert {

constexpr int kMaxUnits = 101;
constexpr int kUnitSlots = kMaxUnits + 1; // index 0 is never a unit: the file counts from 1
constexpr const char* kUnitFileExtension = ".VAL";

using ColumnWidthList = std::array<std::int16_t, kUnitSlots>; // twips, index 1..N

// Units 1..UnitCount are meaningful; slots above keep whatever they last held.
// Factors[i][j] is how many units j make one unit i: 1 on the diagonal, 0 where no
// factor has been entered. UnitNames and ColumnNames are always equal.
struct UnitTable {
    std::int16_t UnitCount = 0;
    std::array<std::string, kUnitSlots> UnitNames;
    std::array<std::string, kUnitSlots> ColumnNames;
    std::array<std::string, kUnitSlots> LongNames;
    std::array<std::array<double, kUnitSlots>, kUnitSlots> Factors{};
    ColumnWidthList ColumnWidths{};
};

// Reads "<stem>.VAL" from `folder`, the file name matched without regard to case.
// `stem` loses its trailing blanks first, as the caller's variable keeps it. Any
// failure (no file, a short file, a bad item, more than 101 units) and a negative count
// leave UnitCount 0 and every other slot untouched; then the result is false.
bool ReadUnitFile(UnitTable& table, std::string& stem, const std::filesystem::path& folder);

// Writes units 1..UnitCount with `widths` (index 1..N) as their column widths,
// replacing "<stem>.VAL" (or a file whose name differs only in case) in one step: on
// failure the old file stays as it was. False on failure; the caller shows
// WriteErrorMessage.
bool WriteUnitFile(const UnitTable& table, std::string stem, const std::filesystem::path& folder,
                   const ColumnWidthList& widths);

// The file's bytes as WriteUnitFile lays them out.
std::string UnitFileText(const UnitTable& table, const ColumnWidthList& widths);

// A factor line: 15 significant digits, "-" or a blank in front, "." as decimal point
// and no zero before it (" .5"); exponent form below 1E-04 and from 1E+15 (" 1E-07",
// "-1.5E+20"). Zero and non-finite values are written " 0", "no factor known".
std::string FormatFactor(double value);

// Orders units 1..UnitCount by short name on byte codes (digits, capitals, small
// letters, then accented letters), keeping the order of equal names. Names, long
// names, widths, and the rows and columns of Factors move together.
void SortUnits(UnitTable& table);

// The first unit 1..UnitCount whose short name is exactly `name`.
std::optional<int> FindUnit(const UnitTable& table, std::string_view name);

} // namespace convert
