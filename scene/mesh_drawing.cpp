// Display lists of static meshes and their drawing.
#include "scene/mesh_drawing.h"

#include "console/log.h"
#include "render/display.h"
#include "render/gl.h"

namespace scene {

void BuildDisplayList(Mesh& mesh) {
    GLuint list = glGenLists(1);
    if (list == 0) {
        console::Print("No display list for mesh " + mesh.name);
        return;
    }
    mesh.displayList = static_cast<int32_t>(list);
    glNewList(list, GL_COMPILE);
    glBegin(GL_TRIANGLES);
    for (const Face& face : mesh.faces) {
        for (int k = 0; k < 3; ++k) {
            const Vertex& vertex = mesh.vertices[static_cast<size_t>(face.index[k])];
            const Vector& normal = face.flat ? face.normal : vertex.normal;
            glTexCoord2d(face.u[k], face.v[k]);
            glNormal3d(normal.x, normal.y, normal.z);
            glVertex3d(vertex.position.x, vertex.position.y, vertex.position.z);
        }
    }
    glEnd();
    glEndList();
}

bool DrawMesh(Mesh& mesh) {
    if (mesh.displayList <= -1) {
        return false;
    }
    render::display.frameStats.trianglesThisFrame += static_cast<int32_t>(mesh.faces.size());
    ApplyMaterial(MaterialAt(mesh.materialIndex));
    glCallList(static_cast<GLuint>(mesh.displayList));
    return true;
}

}  // namespace scene
