// Picks on a tool path of one million segments, as a click in the view
// makes them: the choice of segments on the CPU and the selection pass over
// those chosen. Cases: a click on the path seen from above and from the
// oblique preset (where the lines under the square overflow the selection
// buffer), from close by (where it finds a line), a click beside the path, and the first pick after the path
// changed, which copies the path for picking.
//
// Needs a display with GL (Mesa's llvmpipe under Xvfb will do); run by hand:
//   xvfb-run -a build/bench/path_pick_bench

#include "offscreen_scene.h"
#include "view/scene_renderer.h"
#include "view/view_presets.h"


#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

using namespace tarnix;
using namespace tarnix::bench;

// From above, a hundred times closer: a few rows in sight, picks find lines.
void closeTopView(TViewCamera& camera)
{
    btnExplXYClick(camera);
    camera.FViewDist /= 100;
}

struct Scene {
    TD3FloatPointList path;
    TD3FloatPointList samePathRebuilt;
    SceneInput input;
    SceneRenderer renderer{input};

    Scene()
    {
        addRaster(path);
        samePathRebuilt.AddList(path);
        input.FPathPoints = &path;
        renderer.SetupGLState();
    }

    void view(void (&preset)(TViewCamera&))
    {
        preset(input.camera);
        renderer.FormResize(kPanelWidth, kPanelHeight, 1.0);
    }
};

void registerPicks(Scene& scene)
{
    auto perPick = [](benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMillisecond)->UseRealTime(); };

    struct Case {
        const char* name;
        void (&preset)(TViewCamera&);
        int x, y;
    };
    for (const Case& pick : {Case{"PickOnPathFromAbove", btnExplXYClick, 400, 300},
                             Case{"PickOnPathOblique", btnExplXYZClick, 400, 300},
                             Case{"PickOnPathClose", closeTopView, 470, 242},
                             Case{"PickBesidePath", btnExplXYClick, 790, 10}}) {
        benchmark::RegisterBenchmark(pick.name, [&scene, pick](benchmark::State& state) {
            scene.view(pick.preset);
            GLint line = 0;
            for (auto _ : state)
                benchmark::DoNotOptimize(line = scene.renderer.DoSelect(pick.x, kPanelHeight - pick.y));
            state.counters["line"] = line;
        })->Apply(perPick);
    }

    benchmark::RegisterBenchmark("PickAfterPathChange", [&scene](benchmark::State& state) {
        scene.view(btnExplXYClick);
        bool rebuilt = false;
        for (auto _ : state) {
            rebuilt = !rebuilt;
            scene.input.FPathPoints = rebuilt ? &scene.samePathRebuilt : &scene.path;
            benchmark::DoNotOptimize(scene.renderer.DoSelect(400, 300));
        }
        scene.input.FPathPoints = &scene.path;
    })->Apply(perPick);
}

}  // namespace

int main(int argc, char** argv)
{
    return runOffscreen<Scene>(argc, argv, registerPicks);
}
