#pragma once
// The path's indexed arrays in GL buffer objects: uploaded once per path
// change, so a frame hands GL a handful of calls and no data. A path that
// grew at its tail has only its new part uploaded, into buffers that grow
// by half their size, so a path drawn while it is built or run costs a few
// uploads of every point, not one of the whole path per frame.

#include "view/path_vertex_arrays.h"

#include <QOpenGLFunctions>

#include <cstddef>
#include <cstdint>

class QOpenGLContext;

namespace tarnix {

class PathBuffers {
public:
    PathBuffers() = default;
    PathBuffers(const PathBuffers&) = delete;
    PathBuffers& operator=(const PathBuffers&) = delete;
    ~PathBuffers();

    // Whether the current context has buffer objects.
    static bool available();

    // Uploads what of the arrays the buffers do not hold yet, at most
    // about `budgetBytes` of it: buffers that had to grow are filled again
    // from the head, a piece at each call, so no single call stalls.
    void takeIn(const PathVertexArrays& arrays, std::size_t budgetBytes);
    // Whether the buffers hold all of the arrays.
    bool holds(const PathVertexArrays& arrays) const
    {
        return uploaded_ == arrays.generation() && points_ == static_cast<std::size_t>(arrays.pointCount()) &&
               segments_ == static_cast<std::size_t>(arrays.segmentCount());
    }
    // Points the vertex and colour arrays into the buffers and binds the
    // segment indices, uploading the arrays first when they were rebuilt
    // since the last upload or the context is not the one the buffers were
    // made in. Draw with drawSegments while bound.
    void bindArrays(const PathVertexArrays& arrays);
    // Draws `count` segments from segment `first` with glDrawElements.
    void drawSegments(GLint first, GLsizei count);
    // Unbinds the index buffer: immediate drawing must not read it.
    void unbindArrays();
    // Gives the GL's copy of the path back, for a path with nothing to
    // draw: a cleared path must not keep hundreds of megabytes there.
    void empty();

private:
    void release();
    // Makes the buffers in the current context when they are not there.
    void ensureBuffers();

    QOpenGLContext* context_ = nullptr;
    QOpenGLFunctions functions_;
    GLuint vertices_ = 0;
    GLuint colors_ = 0;
    GLuint indices_ = 0;
    std::uint64_t uploaded_ = 0;  // the arrays' generation in the buffers; 0 none
    // The head of the arrays the buffers hold, when uploaded_ is their
    // generation or one they extend.
    std::size_t points_ = 0, segments_ = 0;
    std::size_t pointCapacity_ = 0, segmentCapacity_ = 0;
};

}  // namespace tarnix
