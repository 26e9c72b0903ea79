#pragma once
// Draws the 3-D scene with OpenGL 1.1: camera transform, axis tripod, tool
// path with its highlights and tool symbol, program box, measuring line and
// rubber band. The same drawing serves normal rendering and picking
// (GL_SELECT), where each path segment carries its program line as name.
//
// Every call expects the view's GL context to be current.

#include "view/path_buffers.h"
#include "view/path_highlights.h"
#include "view/path_point_under_pixel.h"
#include "view/path_vertex_arrays.h"
#include "view/pick_path.h"
#include "view/scene_base.h"
#include "view/scene_input.h"
#include "view/scene_point.h"
#include "view/segment_texts.h"

#include <GL/gl.h>

#include <array>
#include <optional>

namespace tarnix {

class SceneRenderer {
public:
    explicit SceneRenderer(const SceneInput& input) : input_(input) {}

    // Clear colour from FBackColor, smooth shading, depth test.
    void SetupGLState();

    // Viewport and perspective for a panel of the given size in panel
    // pixels; the viewport itself is in device pixels. Leaves the
    // model-view matrix current. A height of 0 gives an infinite aspect
    // ratio, which GL takes without complaint.
    void FormResize(int panelWidth, int panelHeight, double devicePixelRatio);

    // Draws the scene, in GL_RENDER over the kept image of the tripod and
    // the path where the GL allows it (the same pixels and depths as a
    // drawing from scratch); the caller presents the frame.
    // Returns the texts of the segment ending at the cursor line when that
    // line has a point.
    std::optional<SegmentTexts> RenderScene(GLenum mode);

    // Multiplies glFrustum(left, right, bottom, top, near, far) onto the
    // projection matrix. Values GL would reject (near or far not above 0,
    // near equal to far, an extent of width or height 0) leave the
    // projection as it is, as GL would, but raise no GL error that a later
    // error check would take for its own.
    void MultiplyFrustum(double left, double right, double bottom, double top, double nearZ,
                         double farZ);

    // The program line of the segment under the 4 x 4 pixel square centred
    // on (x, windowY), window pixels counted from the bottom left: the name
    // of the hit record nearest the camera, the earliest drawn of equally
    // near ones, as the drawing shows them. 0 is the tripod's name; -1 when
    // nothing is hit. Leaves the pick square as the projection: the caller
    // restores it (FormResize).
    GLint DoSelect(double x, double windowY);

    // The point of the drawn path under the probed pixel whose depth matches
    // the depth read there; looks only at the segments picking would choose.
    std::optional<ScenePosition> pathPointUnderPixel(const PixelProbe& probe);

    // Where the path's arrays are drawn from: buffer objects (where the GL
    // has them) or client memory, handed over every frame. The benchmark
    // compares the two.
    enum class PathArrays { BufferObjects, ClientMemory };
    void setPathArrays(PathArrays arrays) { pathArrays_ = arrays; }

    // Whether a frame is drawn over the kept image of the tripod and the
    // path (scene_base.h) where the GL allows it; without, every frame
    // draws the whole scene. `chunk` is the fewest segments that share a
    // stencil tag.
    void setKeepsImage(bool keeps, std::int64_t chunk = SceneBase::kMinChunk)
    {
        keepsImage_ = keeps;
        base_.setMinChunk(chunk);
    }
    // How many points a piece of the path's GL buffers holds at most.
    void setBufferPiecePoints(std::size_t points) { pathBuffers_.setMostPiecePoints(points); }

    // Converts and uploads the points the path gained since the last
    // drawing, and draws them into the kept image, without a frame: a build
    // does it as it goes, so that its first frame has little left to take in.
    void takeInPath();

    // Bytes the path's arrays gave back since the last call.
    std::size_t takeReleasedBytes() { return vertexArrays_.takeReleasedBytes(); }

    // The viewport as GL reported it after the last resize; picking needs it.
    const std::array<GLint, 4>& gViewport() const { return viewport_; }

private:
    void loadCamera();
    void loadPerspective();
    // The selection pass over `entries`; returns its hit count.
    GLint selectPass(const std::vector<PickEntry>& entries, std::vector<GLuint>& buffer);
    // The tripod, the path, the box and the measuring line.
    std::optional<SegmentTexts> drawDepthTested(GLenum mode);
    void DrawAxes();
    // Returns the cursor segment's texts when the cursor line has a point.
    std::optional<SegmentTexts> DrawPath(GLenum mode);
    // Whether the path is drawn from GL buffer objects: asked for, and the
    // current context has them.
    bool usesBuffers() const;
    // The arrays and the highlights, up to date with the path; the GL's
    // copy of a path with nothing to draw is given back.
    void updatePathArrays();
    std::optional<SegmentTexts> drawPathFromArrays();
    std::optional<SegmentTexts> drawPathNamed();
    // Sets the colouring of a run's segments: their own, or the highlight.
    static void colourRun(const SegmentRun& run);
    bool pathBoxInView() const;
    void Draw3dbox();
    void drawRubberBand();
    void drawMeasureLine();
    void drawCursorMarker(const ScenePoint& at);
    void drawToolSymbol(const ScenePoint& at);
    // The tool where the path drawing leaves its pen.
    void drawToolAfterPath();

    // The frame over the kept image of the tripod and the path (scene_base.h).
    bool baseUsable() const;
    std::optional<SegmentTexts> renderOverBase();
    // Brings the image up to the path, drawing at most `budget` segments
    // into it; false when GL cannot keep it.
    bool extendBase(bool inView, GLint budget);
    // A build's take-in draws its new segments into the image as well, so
    // that its last drawing has little left to do.
    void takeInBase();
    // What a take-in draws at most: a few tens of milliseconds' work.
    static constexpr GLint kDrawPerTakeIn = 1 << 20;
    void drawBaseSegments(GLint from, GLint to);
    // The highlights and the marker over the copied image.
    std::optional<SegmentTexts> drawOverBase(bool inView);

    void applyLineStyle();

    const SceneInput& input_;
    PathArrays pathArrays_ = PathArrays::BufferObjects;
    PathVertexArrays vertexArrays_;
    PathBuffers pathBuffers_;
    PathHighlights highlights_;
    PickPath pickPath_;
    SceneBase base_;
    bool keepsImage_ = true;
    std::uint64_t baseArrays_ = 0;  // the arrays' generation the image holds a head of
    std::array<GLint, 4> viewport_{};
    int panelWidth_ = 0;
    int panelHeight_ = 0;
};

}  // namespace tarnix
