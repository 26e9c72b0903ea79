#include "view/scene_base.h"

#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>

#include <algorithm>

namespace tarnix {
bool SceneBase::available()
{
    QOpenGLContext* context = QOpenGLContext::currentContext();
    if (context == nullptr || !QOpenGLFramebufferObject::hasOpenGLFramebufferObjects() ||
        !QOpenGLFramebufferObject::hasOpenGLFramebufferBlit())
        return false;
    GLint stencilBits = 0;
    glGetIntegerv(GL_STENCIL_BITS, &stencilBits);
    return stencilBits >= 8;
}

SceneBase::View SceneBase::currentView()
{
    View view;
    glGetDoublev(GL_PROJECTION_MATRIX, view.projection.data());
    glGetDoublev(GL_MODELVIEW_MATRIX, view.modelView.data());
    glGetIntegerv(GL_VIEWPORT, view.viewport.data());
    glGetFloatv(GL_COLOR_CLEAR_VALUE, view.clearColor.data());
    return view;
}

bool SceneBase::bind(const View& view, bool extendsDrawn, std::int64_t segments)
{
    // Before a new image: making one may leave another framebuffer bound.
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &frame_);
    const QSize size(view.viewport[2], view.viewport[3]);
    bool fresh = image_ == nullptr || image_->size() != size;
    if (fresh)
        image_ = std::make_unique<QOpenGLFramebufferObject>(size, QOpenGLFramebufferObject::CombinedDepthStencil);
    if (!image_->isValid()) {
        broken_ = true;
        image_.reset();
        return false;
    }
    fresh = fresh || view_ != view || !extendsDrawn || segments < drawn_ || segments > kMaxChunks * chunk_;
    image_->bind();
    if (!fresh)
        return false;
    view_ = view;
    drawn_ = 0;
    // A new image leaves room for the path to double.
    chunk_ = std::max(minChunk_, segments / (kMaxChunks / 2) + 1);
    // The image's viewport starts at its own corner.
    glViewport(0, 0, size.width(), size.height());
    glStencilMask(0xFF);
    glClearStencil(0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    return true;
}

void SceneBase::release()
{
    backToFrame();
    glViewport(view_.viewport[0], view_.viewport[1], view_.viewport[2], view_.viewport[3]);
}

// Qt keeps track of the bound framebuffer and binds it back after making
// one: release() tells it. Drawn outside a paint event, the frame may be
// another than the one Qt calls the default.
void SceneBase::backToFrame()
{
    image_->release();
    QOpenGLContext* context = QOpenGLContext::currentContext();
    if (static_cast<GLuint>(frame_) != context->defaultFramebufferObject())
        context->extraFunctions()->glBindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(frame_));
}

bool SceneBase::copyToFrame()
{
    while (glGetError() != GL_NO_ERROR) {
    }
    QOpenGLExtraFunctions* gl = QOpenGLContext::currentContext()->extraFunctions();
    gl->glBindFramebuffer(GL_READ_FRAMEBUFFER, image_->handle());
    const auto [x, y, width, height] = view_.viewport;
    gl->glBlitFramebuffer(0, 0, width, height, x, y, x + width, y + height,
                          GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT, GL_NEAREST);
    backToFrame();
    if (glGetError() == GL_NO_ERROR)
        return true;
    broken_ = true;
    image_.reset();
    return false;
}

}  // namespace tarnix
