#pragma once
// The path's indexed arrays in GL buffer objects: uploaded once per path
// change, so a frame hands GL a handful of calls and no data.

#include "view/path_vertex_arrays.h"

#include <QOpenGLFunctions>

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

    // Points the vertex and colour arrays into the buffers and binds the
    // segment indices, uploading the arrays first when they were rebuilt
    // since the last upload or the context is not the one the buffers were
    // made in. Draw with drawSegments while bound.
    void bindArrays(const PathVertexArrays& arrays);
    // Draws `count` segments from segment `first` with glDrawElements.
    void drawSegments(GLint first, GLsizei count);
    // Unbinds the index buffer: immediate drawing must not read it.
    void unbindArrays();

private:
    void release();
    void upload(const PathVertexArrays& arrays);

    QOpenGLContext* context_ = nullptr;
    QOpenGLFunctions functions_;
    GLuint vertices_ = 0;
    GLuint colors_ = 0;
    GLuint indices_ = 0;
    std::uint64_t uploaded_ = 0;  // the arrays' generation in the buffers; 0 none
};

}  // namespace tarnix
