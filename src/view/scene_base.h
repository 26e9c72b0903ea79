#pragma once
// The scene's lasting part kept in an offscreen image between frames: the
// tripod and the path's segments in their own colours. A frame copies it
// and draws on top only what changes from frame to frame (the highlights,
// the marker, the tool), so a keystroke or a run's yield costs what moved,
// not a path of millions of segments. A path that grew has only its new
// segments drawn into the image, in order, which with the depth test leaves
// the pixels a drawing of the whole path would.
//
// The stencil buffer records which chunk of the path drew each pixel (its
// tag, with kUnresolved set; 0 where nothing did, the tripod's pixels
// kUnresolved alone): the depth test lets the first drawn of equally near
// lines stand, so a highlight can be given its pixels back exactly by
// drawing again only the chunks it lies in.

#include <QOpenGLFramebufferObject>

#include <GL/gl.h>

#include <array>
#include <cstdint>
#include <memory>

namespace tarnix {

class SceneBase {
public:
    static constexpr GLuint kUnresolved = 0x80;
    static constexpr GLuint kTagMask = 0x7F;
    static constexpr int kMaxChunks = 126;
    // A chunk drawn again for a highlight costs a few milliseconds of a
    // software GL.
    static constexpr std::int64_t kMinChunk = std::int64_t{1} << 18;

    // What the image depends on besides the path: the transforms, the
    // viewport and the background.
    struct View {
        std::array<GLdouble, 16> projection{};
        std::array<GLdouble, 16> modelView{};
        std::array<GLint, 4> viewport{};
        std::array<GLfloat, 4> clearColor{};
        bool operator==(const View&) const = default;
    };

    // Whether the current context can keep the image and copy it, with
    // depth and stencil, into the frame's framebuffer.
    static bool available();
    // The view as GL holds it now.
    static View currentView();

    // Makes the image match `view` and the arrays' head of `generation`:
    // true when the image must be drawn again from the start (bound, cleared,
    // nothing drawn in it yet); false when the segments drawn so far still
    // stand. Binds the image's framebuffer either way; release() goes back
    // to the frame's. When GL cannot make the image, binds nothing and the
    // image is broken(): the caller draws the whole scene.
    // `extendsDrawn` tells whether the arrays still hold the drawn segments
    // unchanged; `segments` is how many the path has now.
    bool bind(const View& view, bool extendsDrawn, std::int64_t segments);
    void release();
    // Copies colour, depth and stencil into the frame's framebuffer; false
    // when GL refused, after which the image is broken().
    bool copyToFrame();
    bool broken() const { return broken_; }

    std::int64_t drawnSegments() const { return drawn_; }
    void setDrawnSegments(std::int64_t segments) { drawn_ = segments; }
    std::int64_t chunkSize() const { return chunk_; }
    // Smaller chunks let a test see many tags on a few segments; takes
    // effect with the next new image.
    void setMinChunk(std::int64_t segments) { minChunk_ = segments; }
    // The stencil tag of the chunk holding `segment` (1 on).
    GLuint tagOf(std::int64_t segment) const { return static_cast<GLuint>(segment / chunk_ + 1); }

private:
    void backToFrame();

    std::unique_ptr<QOpenGLFramebufferObject> image_;
    GLint frame_ = 0;  // the framebuffer the frame is drawn into
    View view_;
    std::int64_t drawn_ = 0;
    std::int64_t chunk_ = 0;
    std::int64_t minChunk_ = kMinChunk;
    bool broken_ = false;
};

}  // namespace tarnix
