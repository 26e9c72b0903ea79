// Frames of a tool path of one million segments, drawn offscreen by the
// view's renderer: from the buffer objects it uploads once per path change,
// from client arrays handed over every frame, and segment by segment in
// immediate mode. The immediate-mode frames are the
// picking pass's drawing; with no selection running GL ignores its names,
// so it renders like immediate-mode drawing, one batch per segment.
// The same three with the path panned out of sight should cost about what
// the empty frame costs: the arrays skip a path outside the view volume,
// immediate mode still hands every segment over. Two more cases price what
// the arrays cost to keep: the frame after the path changed (the arrays
// rebuilt and uploaded) and the frame after the cursor line moved.
//
// Needs a display with GL (Mesa's llvmpipe under Xvfb will do); run by hand:
//   xvfb-run -a build/bench/path_render_bench

#include "offscreen_scene.h"
#include "view/scene_renderer.h"
#include "view/view_presets.h"


#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

namespace {

using namespace tarnix;
using namespace tarnix::bench;

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
        input.FCursorLine = kSegments / 2;
        btnExplXYZClick(input.camera);
        renderer.SetupGLState();
        renderer.FormResize(kPanelWidth, kPanelHeight, 1.0);
    }

    // glFinish: the frame counts only once GL has drawn all of it.
    void frame(GLenum mode)
    {
        renderer.RenderScene(mode);
        glFinish();
    }
};

void registerFrames(Scene& scene)
{
    auto perFrame = [](benchmark::internal::Benchmark* b) {
        // GL draws on threads of its own: wall time is the frame time.
        b->Unit(benchmark::kMillisecond)->UseRealTime();
    };

    using PathArrays = SceneRenderer::PathArrays;
    for (const bool inView : {true, false}) {
        auto frames = [&scene, inView](GLenum mode, PathArrays arrays) {
            return [&scene, inView, mode, arrays](benchmark::State& state) {
                scene.renderer.setPathArrays(arrays);
                scene.input.camera.FPanX = inView ? 0 : 100;
                scene.frame(mode);
                for (auto _ : state)
                    scene.frame(mode);
                scene.input.camera.FPanX = 0;
                scene.renderer.setPathArrays(PathArrays::BufferObjects);
            };
        };
        const std::string where = inView ? "" : "OutOfSight";
        perFrame(benchmark::RegisterBenchmark(("BufferObjectFrame" + where).c_str(),
                                              frames(GL_RENDER, PathArrays::BufferObjects)));
        perFrame(benchmark::RegisterBenchmark(("ClientArrayFrame" + where).c_str(),
                                              frames(GL_RENDER, PathArrays::ClientMemory)));
        perFrame(benchmark::RegisterBenchmark(("ImmediateModeFrame" + where).c_str(),
                                              frames(GL_SELECT, PathArrays::BufferObjects)));
    }

    // The floor: the same scene without a path.
    auto emptyFrame = [&scene](benchmark::State& state) {
        TD3FloatPointList empty;
        scene.input.FPathPoints = &empty;
        for (auto _ : state)
            scene.frame(GL_RENDER);
        scene.input.FPathPoints = &scene.path;
    };
    perFrame(benchmark::RegisterBenchmark("EmptyFrame", emptyFrame));

    auto afterPathChange = [&scene](benchmark::State& state) {
        bool rebuilt = false;
        for (auto _ : state) {
            rebuilt = !rebuilt;
            scene.input.FPathPoints = rebuilt ? &scene.samePathRebuilt : &scene.path;
            scene.frame(GL_RENDER);
        }
        scene.input.FPathPoints = &scene.path;
    };
    perFrame(benchmark::RegisterBenchmark("BufferObjectFrameAfterPathChange", afterPathChange));

    // The cursor near the end of the path: the costliest place to find.
    auto afterCursorMove = [&scene](benchmark::State& state) {
        constexpr std::int32_t kLine = kSegments - 10;
        scene.frame(GL_RENDER);
        for (auto _ : state) {
            scene.input.FCursorLine = scene.input.FCursorLine == kLine ? kLine + 1 : kLine;
            scene.frame(GL_RENDER);
        }
        scene.input.FCursorLine = kSegments / 2;
    };
    perFrame(benchmark::RegisterBenchmark("BufferObjectFrameAfterCursorMove", afterCursorMove));
}

}  // namespace

int main(int argc, char** argv)
{
    return runOffscreen<Scene>(argc, argv, registerFrames);
}
