#pragma once
// The element data file atomara.bkp: ANSI text, one line per field, 35 lines per
// element, elements 1 to 109 in order. Line L is field L mod 35 of element L div 35 + 1:
//
//   Hydrogen        <- field 0, name
//   H               <- field 1, symbol
//   1.00794         <- field 2, atomic weight (display)
//   ...
//   .37             <- field 34, covalent radius (numeric)
//
// "--" marks an unknown value. Lines past the last element are kept but never read.
#include <filesystem>
#include <string>
#include <vector>

namespace atomara {

constexpr int kElementCount = 109;
constexpr int kFieldsPerElement = 35;
constexpr const char* kElementDataFileName = "atomara.bkp";
constexpr const char* kUnknownValue = "--";

// Field numbers of one element block.
namespace field {
constexpr int Name = 0;
constexpr int Symbol = 1;
constexpr int AtomicWeightText = 2;
constexpr int BoilingPointText = 3;
constexpr int MeltingPointText = 4;
constexpr int DensityText = 5;
constexpr int ElectronConfig = 6;
constexpr int OxidationStates = 7;
constexpr int CrystalStructure = 8;
constexpr int AcidBase = 9;
constexpr int ElectronegativityText = 10;
constexpr int IonizationText = 16;
constexpr int CovalentRadiusText = 19;
constexpr int Synthetic = 20;
constexpr int AtomicWeight = 21;
constexpr int BoilingPoint = 22;
constexpr int MeltingPoint = 23;
constexpr int Density = 24;
constexpr int FirstNumeric = 21;
constexpr int LastNumeric = 34;
} // namespace field

class ElementData {
public:
    ElementData() = default;
    explicit ElementData(std::vector<std::string> lines);

    // Reads `path` and rewrites the first "." of every line to `decimalSeparator`.
    // Raises EFOpenError when the file cannot be read.
    static ElementData Load(const std::filesystem::path& path, char decimalSeparator);

    // Field `f` (0..34) of element `n` (1..109). Raises EListError past the end.
    const std::string& Field(int n, int f) const;

    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

// Replaces the first "." of `line` with `decimalSeparator`.
void RewriteDecimalSeparator(std::string& line, char decimalSeparator);

// Display text of the crystal structure code (field 8) and acid/base code (field 9).
std::string CrystalStructureText(const std::string& code);
std::string AcidBaseText(const std::string& code);

} // namespace atomara
