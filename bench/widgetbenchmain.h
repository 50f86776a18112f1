#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

// The main of a benchmark that builds windows: offscreen, one application.
inline int runWidgetBenchmarks(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
