// A frame drawn over the kept image of the scene's lasting part (see
// scene_base.h): the picture and the depth buffer a drawing of the whole
// scene would leave, at the cost of what changed since the last frame.

#include "view/scene_renderer.h"

#include <algorithm>
#include <limits>
#include <set>

namespace tarnix {

bool SceneRenderer::baseUsable() const
{
    // Smoothed lines blend without writing depth: their order decides, and
    // the image cannot give it back.
    return keepsImage_ && !input_.cbSmooth && !base_.broken() && viewport_[2] > 0 && viewport_[3] > 0 &&
           usesBuffers() && SceneBase::available();
}

bool SceneRenderer::extendBase(bool inView, GLint budget)
{
    const GLsizei segments = vertexArrays_.segmentCount();
    const bool fresh = base_.bind(SceneBase::currentView(), vertexArrays_.extends(baseArrays_), segments);
    if (base_.broken())
        return false;
    baseArrays_ = vertexArrays_.generation();
    glEnable(GL_STENCIL_TEST);
    glStencilMask(0xFF);
    glStencilOp(GL_KEEP, GL_KEEP, GL_REPLACE);
    if (fresh) {
        glStencilFunc(GL_ALWAYS, SceneBase::kUnresolved, 0xFF);
        DrawAxes();
    }
    // Segments out of view leave no pixel: they wait until the path comes
    // into view, as they would come first in its drawing.
    const auto drawn = static_cast<GLint>(base_.drawnSegments());
    if (inView && drawn < segments) {
        const GLint to = segments - drawn > budget ? drawn + budget : segments;
        drawBaseSegments(drawn, to);
        base_.setDrawnSegments(to);
    }
    glDisable(GL_STENCIL_TEST);
    base_.release();
    return true;
}

void SceneRenderer::takeInBase()
{
    if (!baseUsable() || !pathBuffers_.holds(vertexArrays_))
        return;
    loadCamera();
    applyLineStyle();
    extendBase(pathBoxInView(), kDrawPerTakeIn);
}

std::optional<SegmentTexts> SceneRenderer::renderOverBase()
{
    loadCamera();
    applyLineStyle();
    updatePathArrays();
    const bool inView = pathBoxInView();
    if (!extendBase(inView, std::numeric_limits<GLint>::max()) || !base_.copyToFrame())
        return RenderScene(GL_RENDER);
    glEnable(GL_STENCIL_TEST);
    std::optional<SegmentTexts> texts = drawOverBase(inView);
    glDisable(GL_STENCIL_TEST);
    glStencilMask(0xFF);
    glDepthFunc(GL_LESS);
    glDepthMask(GL_TRUE);
    drawToolAfterPath();
    Draw3dbox();
    drawMeasureLine();
    return texts;
}

void SceneRenderer::drawBaseSegments(GLint from, GLint to)
{
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    pathBuffers_.bindArrays(vertexArrays_);
    glShadeModel(GL_FLAT);
    const auto chunk = static_cast<GLint>(base_.chunkSize());
    for (GLint first = from; first < to;) {
        const GLint end = std::min(to, (first / chunk + 1) * chunk);
        glStencilFunc(GL_ALWAYS, base_.tagOf(first) | SceneBase::kUnresolved, 0xFF);
        pathBuffers_.drawSegments(first, end - first);
        first = end;
    }
    pathBuffers_.unbindArrays();
    glShadeModel(GL_SMOOTH);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}

std::optional<SegmentTexts> SceneRenderer::drawOverBase(bool inView)
{
    // The band lies under everything; the image drew nothing where it shows.
    if (input_.rubberBand.gRubberBand) {
        glStencilMask(0);
        glStencilFunc(GL_EQUAL, 0, 0xFF);
        drawRubberBand();
    }

    const std::vector<SegmentRun>& runs = highlights_.runs();
    const std::optional<CursorSegment>& cursor = highlights_.cursor();
    const GLint segments = vertexArrays_.segmentCount();
    const GLint markerAt = highlights_.markerRun() < runs.size() ? runs[highlights_.markerRun()].first : segments;
    const auto chunk = static_cast<GLint>(base_.chunkSize());

    // The chunks whose pixels a highlight or the marker may change.
    std::set<GLint> chunks;
    if (inView) {
        for (const SegmentRun& run : runs)
            if (run.highlighted)
                for (GLint c = run.first / chunk; c <= (run.first + run.count - 1) / chunk; ++c)
                    chunks.insert(c);
        if (cursor && markerAt < segments)
            chunks.insert(markerAt / chunk);
    }

    // Each chunk is drawn again, in its own order, only where it drew the
    // pixel and only its first line of the pixel's depth, as the depth test
    // lets the first drawn stand; that line's pixel then drops kUnresolved.
    glDepthMask(GL_FALSE);
    glStencilMask(SceneBase::kUnresolved);
    glStencilOp(GL_KEEP, GL_KEEP, GL_ZERO);
    glEnableClientState(GL_VERTEX_ARRAY);
    if (!chunks.empty()) {
        pathBuffers_.bindArrays(vertexArrays_);
        glShadeModel(GL_FLAT);
    }
    for (GLint c : chunks) {
        const GLint begin = c * chunk, end = std::min(segments, begin + chunk);
        glStencilFunc(GL_EQUAL, base_.tagOf(begin) | SceneBase::kUnresolved, 0xFF);
        // The runs follow one another in order: only those from the one
        // holding `from` to the one holding `to` are looked at, not every
        // run of the path for every chunk.
        auto draw = [&](GLint from, GLint to) {
            auto run = std::partition_point(runs.begin(), runs.end(),
                                            [from](const SegmentRun& r) { return r.first + r.count <= from; });
            for (; run != runs.end() && run->first < to; ++run) {
                const GLint first = std::max(from, run->first), last = std::min(to, run->first + run->count);
                if (first >= last)
                    continue;
                colourRun(*run);
                pathBuffers_.drawSegments(first, last - first);
            }
        };
        glDepthFunc(GL_EQUAL);
        if (cursor && begin <= markerAt && markerAt < end) {
            draw(begin, markerAt);
            // Where the first line of the pixel's depth comes after the
            // marker, the marker wins a tie.
            glDepthFunc(GL_LEQUAL);
            glDepthMask(GL_TRUE);
            drawCursorMarker(cursor->pen);
            glDepthMask(GL_FALSE);
            glDepthFunc(GL_EQUAL);
            draw(markerAt, end);
        } else {
            draw(begin, end);
        }
    }
    if (!chunks.empty()) {
        pathBuffers_.unbindArrays();
        glShadeModel(GL_SMOOTH);
    }
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glDepthMask(GL_TRUE);

    if (!cursor)
        return std::nullopt;
    // The marker against pixels drawn by other chunks: it wins a tie with
    // lines drawn after it and loses one with lines drawn before.
    glStencilMask(0);
    const GLuint markerTag = base_.tagOf(markerAt);
    glDepthFunc(GL_LEQUAL);
    glStencilFunc(GL_LESS, markerTag, SceneBase::kTagMask);
    drawCursorMarker(cursor->pen);
    glDepthFunc(GL_LESS);
    glStencilFunc(GL_GEQUAL, markerTag, SceneBase::kTagMask);
    drawCursorMarker(cursor->pen);
    return cursorSegmentTexts(cursor->pen, cursor->point, input_.edFileName, input_.FSelectedFile);
}

}  // namespace tarnix
