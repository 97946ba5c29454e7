// Keystroke costs: one tab update including the report and the scene, and the pair search.
#include <benchmark/benchmark.h>

#include "app/app.h"
#include "app/tab_updates.h"
#include "geometry/external_outline.h"
#include "search/module_search.h"
#include "support/scripted_platform.h"
#include "texts/text_table.h"

namespace {

struct Session {
    ScriptedPlatform platform;
    AppState state;
    Session() {
        StartUp(state, EnglishTexts(), platform, {});
        ResizeCanvas(state, 1280.0, 860.0);
    }
};

// One keystroke of the Single tab: regenerate, validate the hub, report and draw.
void SingleTabKeystroke(benchmark::State& bench, const char* module, const char* teeth) {
    Session s;
    UserChoose(s.state, ctl::kTabs, static_cast<int>(GearTab::Single));
    UserSetText(s.state, ctl::kSingleModule, module);
    UserSetText(s.state, ctl::kSingleTeeth, teeth);
    for (auto _ : bench) {
        UpdateSingleTab(s.state, false);
        benchmark::DoNotOptimize(s.state.scene.items.data());
    }
}

void BM_SingleTab_1000Teeth(benchmark::State& bench) {
    SingleTabKeystroke(bench, "0.5", "1000");
}
void BM_SingleTab_M2Z20(benchmark::State& bench) {
    SingleTabKeystroke(bench, "2", "20");
}

// A keystroke in the face width of the start-up pair (z1 = 200, z2 = 400).
void BM_PairTab_FaceWidthKeystroke(benchmark::State& bench) {
    Session s;
    int i = 0;
    for (auto _ : bench) {
        UserSetText(s.state, ctl::kPairFaceWidth, (i++ % 2) ? "10" : "12");
        benchmark::DoNotOptimize(s.state.scene.items.data());
    }
}

// "Calculate modules" on the default inputs, plain and with the helix search to 20°.
void BM_PairSearch(benchmark::State& bench) {
    Session s;
    if (bench.range(0) != 0) {
        s.state.ui.SetState(ctl::kPairBetaSearch, 1);
        s.state.ui.SetText(ctl::kPairBeta, "20");
    }
    for (auto _ : bench) {
        SearchPairModules(s.state);
        benchmark::DoNotOptimize(s.state.pairRows.data());
    }
}

// The outline alone of a 1000-tooth gear at display density.
void BM_Outline_1000Teeth(benchmark::State& bench) {
    GearData gear;
    SetExternalGear(gear, 2.0, 1000, 0.0, 20.0, 10.0, 0.0, 0.0, 0.0, 1);
    for (auto _ : bench) {
        GenerateExternalGear(gear, 1);
        benchmark::DoNotOptimize(gear.segments.data());
    }
}

}  // namespace

BENCHMARK(BM_Outline_1000Teeth)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SingleTab_1000Teeth)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SingleTab_M2Z20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PairTab_FaceWidthKeystroke)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PairSearch)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
