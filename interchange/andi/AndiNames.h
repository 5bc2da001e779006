#pragma once
// What this workstation writes into ANDI/AIA files beyond the standard's fixed names, shared by
// the export and the import so that a file written here reads back as it was meant.

namespace lx::andi {

// dataset_origin of the files written here.
inline constexpr const char* kOrigin = "LX6600";
// peak_amount_unit: without a method project a peak's content is its area fraction; with one it
// is in the unit of the project's standard concentrations, which the workstation does not name.
inline constexpr const char* kAmountAreaFraction = "area fraction";
inline constexpr const char* kAmountAsCalibrated = "as calibrated";
// The injected volume is free text here ("1uL"), while the standard's sample_injection_volume
// is a bare number: the text goes into an attribute of its own, which other readers skip.
inline constexpr const char* kInjectVolumeText = "lx6600_injection_volume";

}  // namespace lx::andi
