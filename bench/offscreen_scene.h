#pragma once
// What the drawing and picking benchmarks share: a million-segment path and
// a GL context to draw it in without a window.

#include "points/point_list.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QSurfaceFormat>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdint>
#include <memory>

namespace tarnix::bench {

constexpr int kPanelWidth = 800;
constexpr int kPanelHeight = 600;
constexpr std::int32_t kSegments = 1000000;
constexpr std::int32_t kSegmentsPerRow = 1000;

// A wavy raster over the part, one point per program line, each row
// reached by a rapid: the shape of a finishing pass.
inline void addRaster(TD3FloatPointList& path)
{
    const GLColor feed = {0.5f, 1, 0};
    const GLColor rapid = {1, 0, 0};
    const std::int32_t rows = kSegments / kSegmentsPerRow;
    for (std::int32_t i = 0; i < kSegments; ++i) {
        const std::int32_t row = i / kSegmentsPerRow;
        const std::int32_t column = i % kSegmentsPerRow;
        const long double x = -0.25L + 0.5L * column / kSegmentsPerRow;
        const long double y = -0.25L + 0.5L * row / rows;
        const long double z = 0.02L * std::sin(20 * x) * std::cos(20 * y);
        const bool isRapid = column == 0;
        path.Add(isRapid ? rapid : feed, i + 1, x, y, z, isRapid ? 3000 : 1000, isRapid);
    }
}

// A compatibility-profile context on an offscreen surface, drawing into a
// framebuffer object of the panel's size with a depth buffer.
class OffscreenGL {
public:
    bool create()
    {
        QSurfaceFormat format;
        format.setRenderableType(QSurfaceFormat::OpenGL);
        format.setProfile(QSurfaceFormat::CompatibilityProfile);
        format.setDepthBufferSize(24);
        surface_.setFormat(format);
        surface_.create();
        context_.setFormat(format);
        if (!context_.create() || !context_.makeCurrent(&surface_))
            return false;
        framebuffer_ = std::make_unique<QOpenGLFramebufferObject>(kPanelWidth, kPanelHeight,
                                                                  QOpenGLFramebufferObject::Depth);
        return framebuffer_->isValid() && framebuffer_->bind();
    }

private:
    QOffscreenSurface surface_;
    QOpenGLContext context_;
    std::unique_ptr<QOpenGLFramebufferObject> framebuffer_;
};

// A benchmark program's main(): a GL context, then the scene that
// `registerBenchmarks` makes and registers, run as Google Benchmark says.
template <typename Scene, typename Register>
int runOffscreen(int argc, char** argv, Register registerBenchmarks)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QGuiApplication application(argc, argv);
    OffscreenGL gl;
    if (!gl.create()) {
        std::fprintf(stderr, "No OpenGL context with a framebuffer object; run under xvfb-run -a.\n");
        return 1;
    }
    Scene scene;
    registerBenchmarks(scene);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace tarnix::bench
