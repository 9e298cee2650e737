// Shadow volumes and the stencil passes that count them.
#include "effects/shadows.h"

#include "console/log.h"
#include "render/gl.h"

namespace effects {
namespace {

using scene::Vector;

// Far enough that the volumes reach past everything the view can show.
constexpr float kExtrusion = 10000.0f;
constexpr float kShadowAlpha = 0.7f;
// A quad this far in front of the eye covers the view of any frame projection.
constexpr float kScreenQuad = 1.1f;

const Vector* Corner(const scene::Mesh& mesh, const scene::Face& face, int k) {
    int32_t index = face.index[k];
    if (index < 0 || static_cast<size_t>(index) >= mesh.vertices.size()) {
        return nullptr;
    }
    return &mesh.vertices[static_cast<size_t>(index)].position;
}

// An edge whose other face looks away from the light; border edges never are.
bool Silhouette(const scene::Mesh& mesh, const scene::Face& face, int k) {
    int32_t other = face.neighbour[k];
    return other >= 0 && static_cast<size_t>(other) < mesh.faces.size() &&
           !mesh.faces[static_cast<size_t>(other)].facing;
}

void SendVertex(const Vector& p) {
    glVertex3f(p.x, p.y, p.z);
}

// The side of the volume behind edge p → q of a lit face. The mesh's face normals are
// (c - a) × (b - a), so a lit face runs clockwise seen from the light, and the side
// q, q', p', p runs counter-clockwise seen from outside the volume: its front faces
// outwards, as the counting passes need.
void SendSide(const Vector& p, const Vector& q, const Vector& light) {
    Vector farP = p + (p - light) * kExtrusion;
    Vector farQ = q + (q - light) * kExtrusion;
    SendVertex(q);
    SendVertex(farQ);
    SendVertex(farP);
    SendVertex(p);
}

void SendMeshVolume(const scene::Mesh& mesh, const Vector& light) {
    for (const scene::Face& face : mesh.faces) {
        if (!face.facing) {
            continue;
        }
        for (int k = 0; k < 3; ++k) {
            const Vector* p = Corner(mesh, face, k);
            const Vector* q = Corner(mesh, face, (k + 1) % 3);
            if (p && q && Silhouette(mesh, face, k)) {
                SendSide(*p, *q, light);
            }
        }
    }
}

void CountVolumes(const scene::Scene& scene, GLenum frontFace, GLenum stencilOp) {
    glFrontFace(frontFace);
    glStencilOp(GL_KEEP, GL_KEEP, stencilOp);
    DrawShadowVolumes(scene, 0);
}

void DarkenCountedPixels() {
    glFrontFace(GL_CCW);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glColor4f(0, 0, 0, kShadowAlpha);
    glDisable(GL_ALPHA_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_CULL_FACE);
    glStencilFunc(GL_NOTEQUAL, 0, 0xFFFFFFFF);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
    glPushMatrix();
    glLoadIdentity();
    glBegin(GL_TRIANGLE_STRIP);
    glVertex3f(-kScreenQuad, kScreenQuad, -kScreenQuad);
    glVertex3f(-kScreenQuad, -kScreenQuad, -kScreenQuad);
    glVertex3f(kScreenQuad, kScreenQuad, -kScreenQuad);
    glVertex3f(kScreenQuad, -kScreenQuad, -kScreenQuad);
    glEnd();
    glPopMatrix();
}

}  // namespace

bool DrawShadowVolumes(const scene::Scene& scene, int32_t lightIndex) {
    if (lightIndex < 0 || static_cast<size_t>(lightIndex) >= scene.lights.size()) {
        console::Print("No shadow volumes: the scene has no light " +
                       console::IntToString(lightIndex));
        return false;
    }
    const Vector& light = scene.lights[static_cast<size_t>(lightIndex)].position;
    glBegin(GL_QUADS);
    for (const scene::SceneObject& object : scene.objects) {
        if (object.visible && object.meshIndex >= 0 &&
            static_cast<size_t>(object.meshIndex) < scene.meshes.size()) {
            SendMeshVolume(scene.meshes[static_cast<size_t>(object.meshIndex)], light);
        }
    }
    glEnd();
    return true;
}

void DrawShadows(const scene::Scene& scene) {
    if (scene.lights.empty()) {
        return;
    }
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glDisable(GL_FOG);
    glEnable(GL_CULL_FACE);
    glDepthMask(GL_FALSE);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_STENCIL_TEST);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glStencilFunc(GL_ALWAYS, 1, 0xFFFFFFFF);
    // Volume faces towards the eye count up, those away from it count down: what stays
    // above zero lies inside a volume.
    CountVolumes(scene, GL_CCW, GL_INCR);
    CountVolumes(scene, GL_CW, GL_DECR);
    DarkenCountedPixels();

    glDepthFunc(GL_LEQUAL);
    glDepthMask(GL_TRUE);
    glEnable(GL_LIGHTING);
    glDisable(GL_STENCIL_TEST);
    glShadeModel(GL_SMOOTH);
    glClear(GL_STENCIL_BUFFER_BIT);
    glEnable(GL_ALPHA_TEST);
    glEnable(GL_FOG);
    glColor4f(1, 1, 1, 1);
}

}  // namespace effects
