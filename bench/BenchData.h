#pragma once

#include <QString>

/// Data files of a given size for the benchmarks: N recipes, a catalogue and groups in proportion, and ten
/// years of planned weeks with their shopping lists. Made once per run in a temporary folder.
namespace benchdata {

/// Path of the data file with `recipes` recipes, made on first use.
QString dataFile(int recipes);

/// The weeks the generated menus cover: weeks 1 to 52 of these years.
inline constexpr int FirstYear = 2016;
inline constexpr int LastYear = 2025;

} // namespace benchdata
