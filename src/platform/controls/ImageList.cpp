#include "platform/controls/ImageList.h"

#include "platform/controls/ErroresControles.h"

namespace controles {

int ImageList::Add(const QIcon& imagen, const QString& clave, const QString& tag) {
    if (!clave.isEmpty()) {
        for (const ListImage& existente : imagenes_)
            if (existente.Key == clave)
                LanzarErrorControl(errClaveRepetida);
    }
    imagenes_.append({clave, tag, imagen});
    return imagenes_.size();
}

const ListImage& ImageList::ListImages(int indice) const {
    if (indice < 1 || indice > imagenes_.size())
        LanzarErrorControl(errIndiceFueraDeLimites);
    return imagenes_.at(indice - 1);
}

const ListImage& ImageList::ListImages(const QString& clave) const {
    for (const ListImage& imagen : imagenes_)
        if (imagen.Key == clave)
            return imagen;
    LanzarErrorControl(errElementoNoEncontrado);
}

QIcon ImageList::Imagen(int indice) const {
    return indice >= 1 && indice <= imagenes_.size() ? imagenes_.at(indice - 1).Picture : QIcon();
}

} // namespace controles
