#pragma once

#include "BenchData.h"
#include "BenchServices.h"

#include "app/Mealvane.h"
#include "app/TForm1.h"
#include "data/TDataModule1.h"

/// A running program on the benchmark data file of `recipes` recipes, its selected week one of the planned
/// ones.
struct PageBench {
    explicit PageBench(int recipes)
        : program(services.services(), StartupOptions{0, 0, benchdata::dataFile(recipes)})
        , w(program.mainWindow())
        , dm(program.dataModule()) {
        w.SelectedWeek = 20;
        w.SelectedYear = 2021;
    }

    BenchServices services;
    Mealvane program;
    TForm1 &w;
    TDataModule1 &dm;
};
